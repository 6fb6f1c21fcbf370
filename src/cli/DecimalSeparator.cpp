#include "cli/DecimalSeparator.h"

#include <clocale>
#include <string_view>

#include "common/core/NumberFormat.h"

namespace vertal::cli {
namespace {

bool ValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    if (c < 0x80) extra = 0;
    else if (c >= 0xC2 && c <= 0xDF) extra = 1;
    else if (c >= 0xE0 && c <= 0xEF) extra = 2;
    else if (c >= 0xF0 && c <= 0xF4) extra = 3;
    else return false;
    if (i + extra >= s.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

}  // namespace

bool AdoptUserLocale() {
  if (std::setlocale(LC_ALL, "") != nullptr) return true;
  // One category named a missing locale: take the others one by one, so that a valid
  // LC_NUMERIC still counts.
  std::setlocale(LC_ALL, "C");
  std::setlocale(LC_CTYPE, "");
  std::setlocale(LC_NUMERIC, "");
  return false;
}

std::string DecimalSeparator() {
  const std::lconv* conv = std::localeconv();
  if (conv == nullptr || conv->decimal_point == nullptr || conv->decimal_point[0] == '\0')
    return std::string(kDefaultDecimalSeparator);
  const std::string_view point(conv->decimal_point);
  if (!ValidUtf8(point)) return std::string(kDefaultDecimalSeparator);
  return std::string(point);
}

}  // namespace vertal::cli
