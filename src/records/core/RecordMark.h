#pragma once
// The mark of a record in the last row of every table.

#include <string_view>

namespace vertal::records {

inline constexpr std::string_view kRecordGood = "НОРМА";
inline constexpr std::string_view kRecordBad = "БРАК";
inline std::string_view RecordMark(bool valid) { return valid ? kRecordGood : kRecordBad; }

}  // namespace vertal::records
