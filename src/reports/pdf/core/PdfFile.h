#pragma once
// A PDF file written object by object as the report is drawn, so that a report of any length
// is never held whole: an object gets its number when reserved and may be written later; the
// cross-reference table and the trailer close the file.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vertal::reports::pdf {

class PdfFile {
 public:
  explicit PdfFile(const std::string& path);
  ~PdfFile();
  PdfFile(const PdfFile&) = delete;
  PdfFile& operator=(const PdfFile&) = delete;

  // False when the file could not be opened or a write failed.
  bool Ok() const { return file_ != nullptr && !failed_; }

  // A number for an object written later.
  int Reserve();
  // Writes object `number` with `body` (a dictionary, an array, ...).
  void Write(int number, std::string_view body);
  // How hard a stream is deflated: fast for the pages, small for what is written once.
  enum class Packing { Fast, Small };
  // Writes object `number` as a stream of `data`, deflated; `entries` are the dictionary's
  // entries other than its length and filter.
  void WriteStream(int number, std::string_view entries, std::string_view data,
                   Packing packing = Packing::Fast);
  // Writes the cross-reference table and the trailer and closes the file; false when any
  // write failed or an object reserved was never written.
  bool Close(int catalog, int info);

 private:
  void Put(std::string_view bytes);

  std::FILE* file_ = nullptr;
  bool failed_ = false;
  std::uint64_t offset_ = 0;
  std::vector<std::uint64_t> offsets_;  // by object number - 1; 0 until written
  std::string deflated_;                // reused from stream to stream
  // The deflater of the pages, kept from page to page: made afresh for each, its tables came
  // from the system and went back to it at every page.
  struct Deflater;
  std::unique_ptr<Deflater> deflater_;
};



}  // namespace vertal::reports::pdf
