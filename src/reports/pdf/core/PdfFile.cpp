#include "reports/pdf/core/PdfFile.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <charconv>

namespace vertal::reports::pdf {
namespace {

// Page contents are mostly the same few operators and glyph numbers over and over: the
// fastest level already takes them to a tenth, the default level spends twice the time for
// a few per cent less. Fonts are written once and packed as small as zlib can.
constexpr int kFastLevel = 1;
constexpr int kSmallLevel = 9;
constexpr std::size_t kFileBuffer = 1 << 16;
constexpr int kXrefOffsetDigits = 10;

std::string Number(std::uint64_t value) {
  std::array<char, 24> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
  return {text.data(), end};
}

}  // namespace

// `data` deflated into `out` as a zlib stream (what a PDF's FlateDecode reads); false when
// zlib failed.
struct PdfFile::Deflater {
  explicit Deflater(int level) : ok(deflateInit(&stream, level) == Z_OK) {}
  ~Deflater() {
    if (ok) deflateEnd(&stream);
  }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;

  bool Deflate(std::string_view data, std::string& out) {
    if (!ok || deflateReset(&stream) != Z_OK) return false;
    out.resize(deflateBound(&stream, static_cast<uLong>(data.size())));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const bool done = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    out.resize(done ? stream.total_out : 0);
    return done;
  }

  z_stream stream{};
  bool ok;
};

PdfFile::PdfFile(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {
  if (file_ == nullptr) return;
  std::setvbuf(file_, nullptr, _IOFBF, kFileBuffer);
  // The binary comment tells transfer programs that the file is not text.
  Put("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

PdfFile::~PdfFile() {
  if (file_ != nullptr) std::fclose(file_);
}

void PdfFile::Put(std::string_view bytes) {
  if (file_ == nullptr) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
  offset_ += bytes.size();
}

int PdfFile::Reserve() {
  offsets_.push_back(0);
  return static_cast<int>(offsets_.size());
}

void PdfFile::Write(int number, std::string_view body) {
  offsets_[static_cast<std::size_t>(number - 1)] = offset_;
  Put(Number(static_cast<std::uint64_t>(number)));
  Put(" 0 obj\n");
  Put(body);
  Put("\nendobj\n");
}

void PdfFile::WriteStream(int number, std::string_view entries, std::string_view data,
                          Packing packing) {
  bool deflated = false;
  if (packing == Packing::Fast) {
    if (!deflater_) deflater_ = std::make_unique<Deflater>(kFastLevel);
    deflated = deflater_->Deflate(data, deflated_);
  } else {
    deflated = Deflater(kSmallLevel).Deflate(data, deflated_);
  }
  if (!deflated) failed_ = true;
  offsets_[static_cast<std::size_t>(number - 1)] = offset_;
  Put(Number(static_cast<std::uint64_t>(number)));
  Put(" 0 obj\n<<");
  Put(entries);
  Put("/Filter/FlateDecode/Length ");
  Put(Number(deflated_.size()));
  Put(">>\nstream\n");
  Put(deflated_);
  Put("\nendstream\nendobj\n");
}

bool PdfFile::Close(int catalog, int info) {
  if (file_ == nullptr) return false;
  const std::uint64_t xref = offset_;
  Put("xref\n0 " + Number(offsets_.size() + 1) + "\n0000000000 65535 f \n");
  for (const std::uint64_t offset : offsets_) {
    if (offset == 0) failed_ = true;
    std::string entry = Number(offset);
    entry.insert(0, static_cast<std::size_t>(kXrefOffsetDigits) - std::min<std::size_t>(entry.size(), kXrefOffsetDigits), '0');
    Put(entry + " 00000 n \n");
  }
  Put("trailer\n<</Size " + Number(offsets_.size() + 1) + "/Root " +
      Number(static_cast<std::uint64_t>(catalog)) + " 0 R/Info " +
      Number(static_cast<std::uint64_t>(info)) + " 0 R>>\nstartxref\n" + Number(xref) +
      "\n%%EOF\n");
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return closed && !failed_;
}

}  // namespace vertal::reports::pdf
