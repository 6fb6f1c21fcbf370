#pragma once
// Records of engine and hydraulic parameters out of their range ("КДС"): the seven parameters,
// the table of six records a page and the search by parameter and a range of dates.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "common/core/ControlSink.h"
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

// The search fields as the user set them; the defaults are the fields' state at start-up.
struct KdsFields {
  int parameter = 1;  // the chosen item of the parameter list, counted from 1
  std::string from = "10.09.08";
  std::string to = "20.09.08";
};

// Reads the typed dates once, before a search: the conditions, or the message that refuses
// the first date that cannot be read.
std::variant<KdsConditions, std::string> ReadKdsConditions(const KdsFields& typed);

std::optional<JumpList> SearchKds(const std::string& path, const KdsConditions& conditions,
                                  const ProgressSink& progress = {});

std::string KdsSummary(std::string_view parameterName, std::string_view fromText,
                       std::string_view toText, std::size_t count);

// Empties the result list as a search begins; it stays empty when the file cannot be read.
void ClearKdsSearchList(ControlSink& controls);
// The result list, its count in `Label_KDS_OtbZap` ("0" when nothing was found) and the
// summary in `Label_MaxM2`, which names the chosen parameter.
void ShowKdsSearch(const JumpList& found, const KdsFields& typed, ControlSink& controls);

inline constexpr std::string_view kKdsSearchRunningText = "Идет поиск параметров";

}  // namespace vertal::frames
