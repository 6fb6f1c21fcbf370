#include "reports/core/FrameRangeInput.h"

#include <optional>

#include "frames/core/TypedInput.h"

namespace vertal::reports {

namespace {

// The conversion's own message, with the text as typed.
std::string NotIntegerMessage(std::string_view text) {
  return "'" + std::string(text) + "' is not a valid integer value";
}

}  // namespace

std::variant<FrameRange, std::string> ReadFrameRange(std::string_view home, std::string_view end) {
  const std::optional<int> first = frames::ParseWholeNumber(home);
  if (!first) return NotIntegerMessage(home);
  const std::optional<int> last = frames::ParseWholeNumber(end);
  if (!last) return NotIntegerMessage(end);
  if (*first >= *last) return std::string(kBadRangeMessage);
  return FrameRange{*first, *last};
}

}  // namespace vertal::reports
