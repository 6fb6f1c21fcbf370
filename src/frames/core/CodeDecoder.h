#pragma once
// Explains a code cell of the frame table in words: the КОС flags with the power-line range,
// the coordinate limits, the relay and input bytes, and the fault codes.

#include <optional>
#include <string>
#include <string_view>

namespace vertal::frames {

// Rows of the frame table whose cells the decoder explains.
inline constexpr int kKosRow = 10;
inline constexpr int kRelaysRow = 14;
inline constexpr int kLimitsRow = 15;
inline constexpr int kInputs1Row = 16;
inline constexpr int kInputs2Row = 17;
inline constexpr int kInputs3Row = 18;
inline constexpr int kFaultCodeRow = 19;

// The text of the message box for the cell text of a row, or nothing when the cell shows no
// box (another row, an empty cell, or a fault code the table does not list).
std::optional<std::string> DecodeCell(int row, std::string_view cellText);

// The message of a fault code; "" when the code has none.
std::string FaultCodeMessage(std::string_view codeText);

}  // namespace vertal::frames
