#pragma once
// Reading the frame range typed into the dialog of the operative report.

#include <string>
#include <string_view>
#include <variant>

#include "common/core/Host.h"

#include "reports/core/TableReports.h"

namespace vertal::reports {

// The texts the dialog opens with, every time.
inline constexpr std::string_view kFirstFrameText = "0";
inline constexpr std::string_view kLastFrameText = "200";

// Shown in a plain box when the first frame is not below the last; a text that is not a whole
// number is refused with an error box instead.
inline constexpr std::string_view kBadRangeMessage = "Неправильный диапазон!";

// The range of the two typed texts, or the message box that refuses them: the first field is
// checked before the second, and the first frame must be below the last. The range is not
// clamped to the recording here; the report leaves out frames it does not have.
std::variant<FrameRange, Message> ReadFrameRange(std::string_view home, std::string_view end);

}  // namespace vertal::reports
