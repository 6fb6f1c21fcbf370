#include "common/core/CsvWriter.h"

#include <array>
#include <charconv>
#include <utility>

#include "common/core/NumberFormat.h"

namespace vertal {
namespace {

constexpr char kQuote = '"';
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Rows are gathered into one block before they go to the stream.
constexpr std::size_t kFlushSize = 64 * 1024;
// "dd.mm.yy": the positions of the day, the month, the year and the two dots.
constexpr std::size_t kShownDateLength = 8;
constexpr std::size_t kFirstDot = 2;
constexpr std::size_t kSecondDot = 5;
constexpr std::size_t kMonthAt = 3;
constexpr std::size_t kYearAt = 6;
constexpr std::size_t kPairLength = 2;
constexpr std::string_view kCentury = "20";

}  // namespace

CsvDialect MachineDialect() { return {}; }

CsvDialect SpreadsheetDialect(std::string_view localeDecimalSeparator) {
  CsvDialect d;
  d.decimalSeparator = std::string(localeDecimalSeparator);
  d.separator = localeDecimalSeparator == "," ? ';' : ',';
  d.byteOrderMark = true;
  d.machineForms = false;
  return d;
}

std::string IsoDate(std::string_view shown) {
  if (shown.size() != kShownDateLength || shown[kFirstDot] != '.' || shown[kSecondDot] != '.')
    return std::string(shown);
  std::string iso(kCentury);
  iso.append(shown.substr(kYearAt, kPairLength));
  iso.push_back('-');
  iso.append(shown.substr(kMonthAt, kPairLength));
  iso.push_back('-');
  iso.append(shown.substr(0, kPairLength));
  return iso;
}

CsvWriter::CsvWriter(std::ostream& out, CsvDialect dialect)
    : out_(out), dialect_(std::move(dialect)) {
  buffer_.reserve(kFlushSize + kFlushSize / 2);
  if (dialect_.byteOrderMark) buffer_.append(kByteOrderMark);
}

CsvWriter::~CsvWriter() { Flush(); }

void CsvWriter::Separate() {
  if (rowStarted_) buffer_.push_back(dialect_.separator);
  rowStarted_ = true;
}

void CsvWriter::Raw(std::string_view text) {
  Separate();
  buffer_.append(text);
}

void CsvWriter::Field(std::string_view text) {
  Separate();
  const char special[] = {dialect_.separator, kQuote, '\r', '\n'};
  if (text.find_first_of(std::string_view(special, std::size(special))) == std::string_view::npos) {
    buffer_.append(text);
    return;
  }
  buffer_.push_back(kQuote);
  for (const char c : text) {
    if (c == kQuote) buffer_.push_back(kQuote);
    buffer_.push_back(c);
  }
  buffer_.push_back(kQuote);
}

void CsvWriter::Integer(std::int64_t value) {
  std::array<char, 24> digits{};
  const auto res = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  Raw(std::string_view(digits.data(), static_cast<std::size_t>(res.ptr - digits.data())));
}

void CsvWriter::Scaled(std::int64_t stored, int storedDecimals, std::string_view pattern) {
  // A decimal separator equal to the field separator is quoted like any other text.
  Field(FormatScaled(stored, storedDecimals, pattern, dialect_.decimalSeparator));
}

void CsvWriter::Date(std::string_view shownDate) {
  if (dialect_.machineForms)
    Field(IsoDate(shownDate));
  else
    Field(shownDate);
}

void CsvWriter::EndLine() {
  buffer_.append(dialect_.lineEnd);
  rowStarted_ = false;
  if (buffer_.size() >= kFlushSize) Flush();
}

void CsvWriter::EndRow() {
  EndLine();
  ++rows_;
}

void CsvWriter::Row(std::span<const std::string> fields) {
  for (const std::string& f : fields) Field(f);
  EndRow();
}

void CsvWriter::Header(std::span<const CsvColumn> columns) {
  for (const CsvColumn& c : columns) Field(dialect_.machineForms ? c.machineName : c.caption);
  EndLine();
}

void CsvWriter::Flush() {
  if (buffer_.empty()) return;
  out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
}

}  // namespace vertal
