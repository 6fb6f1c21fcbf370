#include "cli/DecimalSeparator.h"

#include <clocale>
#include <string_view>

#include "common/core/NumberFormat.h"
#include "common/core/Utf8.h"

namespace vertal::cli {

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
