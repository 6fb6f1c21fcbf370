#include "reports/pdf/core/PdfNumbers.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vertal::reports::pdf {
namespace {

constexpr int kDecimals = 3;
constexpr double kScale = 1000.0;

}  // namespace

void AppendInt(std::string& out, long long value) {
  std::array<char, 24> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
  out.append(text.data(), end);
}

double Rounded(double value) { return std::round(value * kScale) / kScale; }

void AppendNumber(std::string& out, double value) {
  const double rounded = Rounded(value);
  if (rounded == std::floor(rounded)) {
    AppendInt(out, static_cast<long long>(rounded));
    return;
  }
  std::array<char, 48> text{};
  char* end = std::to_chars(text.data(), text.data() + text.size(), rounded,
                            std::chars_format::fixed, kDecimals)
                  .ptr;
  while (end[-1] == '0') --end;
  out.append(text.data(), end);
}

}  // namespace vertal::reports::pdf
