#pragma once
// Records of engine and hydraulic parameters out of their range ("КДС"): the seven parameters,
// the table of six records a page and the search by parameter and a range of dates.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/JumpList.h"
#include "common/core/ProgressSink.h"
#include "frames/core/BcdDateTime.h"
#include "frames/core/PagedTable.h"

namespace vertal::frames {

// Layout of a 10-byte KDS record.
inline constexpr std::size_t kKdsValue = 0;  // i16
inline constexpr std::size_t kKdsCode = 2;   // u8, 1..7
inline constexpr std::size_t kKdsDate = 3;   // day, month, year (BCD)
inline constexpr std::size_t kKdsTime = 6;   // seconds, minutes, hours (BCD)

inline constexpr int kKdsTableColumns = 6;
inline constexpr int kKdsTableRows = 6;
inline constexpr int kKdsParameterCount = 7;

// The parameter names of the list, in code order (code k is entry k - 1).
extern const std::array<std::string_view, kKdsParameterCount> kKdsParameterNames;

// The records of this layout exist only in files of this recorder version.
inline constexpr std::int8_t kKdsRecorderVersion = 31;

std::string FormatKdsParameter(int code);
std::string FormatKdsValue(int code, std::int16_t value, std::string_view decimalSeparator);

const TableLayout& KdsTableLayout();

struct KdsConditions {
  int code = 1;  // the parameter, 1..7
  BcdBytes from{};
  BcdBytes to{};
};

std::optional<JumpList> SearchKds(const std::string& path, const KdsConditions& conditions,
                                  const ProgressSink& progress = {});

std::string KdsSummary(std::string_view parameterName, std::string_view fromText,
                       std::string_view toText, std::size_t count);

inline constexpr std::string_view kKdsSearchRunningText = "Идет поиск параметров";

}  // namespace vertal::frames
