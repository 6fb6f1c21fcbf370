#include "common/core/NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace vertal {
namespace {

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

// Joins a non-negative count of 10^-decimals units into "int<sep>frac".
std::string Place(std::string digits, int decimals, bool negative, std::string_view separator) {
  const auto width = static_cast<std::size_t>(decimals) + 1;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::string out = negative && !zero ? "-" : "";
  const std::size_t split = digits.size() - static_cast<std::size_t>(decimals);
  out.append(digits, 0, split);
  if (decimals > 0) {
    out.append(separator);
    out.append(digits, split, std::string::npos);
  }
  return out;
}

}  // namespace

int PatternDecimals(std::string_view pattern) {
  const auto point = pattern.find('.');
  if (point == std::string_view::npos) return 0;
  return static_cast<int>(pattern.size() - point - 1);
}

std::string FormatFloat(std::string_view pattern, double value, std::string_view separator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  const int decimals = PatternDecimals(pattern);
  constexpr int kSignificant = 15;
  std::array<char, 64> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                 std::chars_format::scientific, kSignificant - 1);
  if (res.ec != std::errc{}) throw std::logic_error("FormatFloat: buffer too small");
  const std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
  const auto e = text.find('e');
  std::string mantissa;
  for (const char c : text.substr(0, e))
    if (c != '.') mantissa.push_back(c);
  const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

  // Digits of round(|value| * 10^decimals): the mantissa's digits before position `cut`.
  const int cut = exponent + 1 + decimals;
  std::string digits;
  char next = '0';
  if (cut > 0) {
    const auto have = static_cast<int>(mantissa.size());
    digits = mantissa.substr(0, static_cast<std::size_t>(std::min(cut, have)));
    if (cut > have) digits.append(static_cast<std::size_t>(cut - have), '0');
    if (cut < have) next = mantissa[static_cast<std::size_t>(cut)];
  } else if (cut == 0) {
    next = mantissa[0];
  }
  if (digits.empty()) digits.push_back('0');
  if (next >= '5') Increment(digits);
  return Place(std::move(digits), decimals, value < 0, separator);
}

std::string FormatScaled(std::int64_t stored, int storedDecimals, std::string_view pattern,
                         std::string_view separator) {
  const int decimals = PatternDecimals(pattern);
  const bool negative = stored < 0;
  // |stored| fits in an unsigned 64-bit value even for the smallest int64.
  std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(stored)
                                     : static_cast<std::uint64_t>(stored);
  for (int k = decimals; k > storedDecimals; --k) magnitude *= 10;
  if (decimals < storedDecimals) {
    std::uint64_t divisor = 1;
    for (int k = decimals; k < storedDecimals; ++k) divisor *= 10;
    const std::uint64_t rest = magnitude % divisor;
    magnitude /= divisor;
    if (rest * 2 >= divisor) ++magnitude;
  }
  return Place(std::to_string(magnitude), decimals, negative, separator);
}

}  // namespace vertal
