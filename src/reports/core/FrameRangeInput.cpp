#include "reports/core/FrameRangeInput.h"

#include <optional>

#include "records/core/TypedInput.h"

namespace vertal::reports {

namespace {

// The conversion's own message, with the text as typed. Built by appending: GCC 12 at -O3
// takes the front insertion of `"'" + text` for an overlapping copy (-Werror=restrict).
Message NotInteger(std::string_view text) {
  std::string message("'");
  message += text;
  message += "' is not a valid integer value";
  return {MessageKind::Error, message};
}

}  // namespace

std::variant<FrameRange, Message> ReadFrameRange(std::string_view home, std::string_view end) {
  const std::optional<int> first = records::ParseWholeNumber(home);
  if (!first) return NotInteger(home);
  const std::optional<int> last = records::ParseWholeNumber(end);
  if (!last) return NotInteger(end);
  if (*first >= *last) return Message{MessageKind::Plain, std::string(kBadRangeMessage)};
  return FrameRange{*first, *last};
}

}  // namespace vertal::reports
