#pragma once
// Where the readers of a dump take its bytes from: the file itself, opened anew at each read
// (the command-line tool, the fleet, a file the window could not read), or the bytes the open
// document holds, read from the file once per opening. Every reader of records asks a
// DumpSource, so the window reads each region of the current file once and hands the same
// bytes to every page.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/core/DumpFile.h"

namespace vertal {

// The bytes of one file as opening read them, up to a limit (the size of a full dump). The
// file is read in blocks as readers first ask for them, so that a pass over the frames works on
// each block while it is fresh; Complete() reads what no reader asked for and lets the file go.
// Used on one thread: the window's.
class HeldDump {
 public:
  // Nothing when the file cannot be opened or is not a regular file.
  static std::shared_ptr<HeldDump> Open(const std::string& path, std::int64_t limit);
  // Reads another file into the same memory; false (and nothing held) when it cannot be opened.
  bool Reopen(const std::string& path, std::int64_t limit);

  // The size of the file on disk.
  std::int64_t Size() const { return fileSize_; }
  // As DumpFile::ReadAt: bytes past the end of the file, or past the limit, read as zero and
  // are not counted.
  std::size_t ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer);
  // The bytes [offset, offset + size) where they lie wholly in the held part; nothing otherwise.
  std::optional<std::span<const std::uint8_t>> View(std::int64_t offset, std::int64_t size);
  // Reads every block no reader has asked for yet and closes the file.
  void Complete();

 private:
  void Ensure(std::int64_t offset, std::int64_t size);

  struct FreeBytes {
    void operator()(std::uint8_t* bytes) const;
  };
  std::optional<DumpFile> file_;
  std::unique_ptr<std::uint8_t, FreeBytes> bytes_;
  std::int64_t capacity_ = 0;
  std::int64_t held_ = 0;  // bytes of the file held: its size up to the limit
  std::int64_t fileSize_ = 0;
  std::vector<bool> blockRead_;
};

// An opened source, as a reader uses it while it reads.
class DumpReader {
 public:
  explicit DumpReader(DumpFile file) : file_(std::move(file)) {}
  explicit DumpReader(HeldDump& held) : held_(&held) {}

  std::int64_t Size() const { return held_ ? held_->Size() : file_->Size(); }
  std::size_t ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const;
  // `scratch.size()` bytes from `offset`: in place when the document holds them, otherwise read
  // into `scratch`. The count of bytes present (the rest is zero) is put in `present`.
  std::span<const std::uint8_t> Read(std::int64_t offset, std::span<std::uint8_t> scratch,
                                     std::size_t& present) const;

 private:
  std::optional<DumpFile> file_;
  HeldDump* held_ = nullptr;
};

class DumpSource {
 public:
  DumpSource() = default;
  // A path alone names a file read anew at each use.
  DumpSource(std::string path) : path_(std::move(path)) {}  // NOLINT(google-explicit-constructor)
  DumpSource(const char* path) : path_(path) {}             // NOLINT(google-explicit-constructor)
  DumpSource(std::string path, std::shared_ptr<HeldDump> held)
      : path_(std::move(path)), held_(std::move(held)) {}

  const std::string& Path() const { return path_; }
  bool Empty() const { return path_.empty(); }
  // Nothing when the file cannot be opened.
  std::optional<DumpReader> Open() const;

 private:
  std::string path_;
  std::shared_ptr<HeldDump> held_;
};

}  // namespace vertal
