#pragma once
// Overload records of the long-term area: their table of nine records a page and the search
// by load and a range of dates.

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

// Layout of a 10-byte overload record.
inline constexpr std::size_t kOverloadRadius = 0;    // u16, 0.01 m
inline constexpr std::size_t kOverloadCapacity = 2;  // u16, 0.01 t
inline constexpr std::size_t kOverloadPercent = 4;   // u8
inline constexpr std::size_t kOverloadDate = 5;      // day, month, year (BCD)
inline constexpr std::size_t kOverloadMode = 8;      // u8
inline constexpr int kOverloadRadiusDecimals = 2;
inline constexpr int kOverloadCapacityDecimals = 2;

inline constexpr int kOverloadTableColumns = 9;
inline constexpr int kOverloadTableRows = 7;

const TableLayout& OverloadTableLayout();

struct OverloadConditions {
  int threshold = 0;  // load in percent; records at or above it match
  BcdBytes from{};    // first and last date, both included
  BcdBytes to{};
};

// The search fields as the user typed them; the defaults are the fields' texts at start-up.
struct OverloadFields {
  std::string threshold = "110";
  std::string from = "10.09.08";
  std::string to = "20.09.08";
};

// Reads the typed fields once, before a search: the conditions, or the message that refuses
// the first field that cannot be read (the threshold, then the first and the last date).
std::variant<OverloadConditions, std::string> ReadOverloadConditions(const OverloadFields& typed);

// Matching records, one item each; nothing when the file cannot be opened.
std::optional<JumpList> SearchOverloads(const std::string& path, const OverloadConditions& conditions,
                                        const ProgressSink& progress = {});

// The summary sentence under the page, from the field texts as typed.
std::string OverloadSummary(std::string_view thresholdText, std::string_view fromText,
                            std::string_view toText, std::size_t count);

// Empties the result list as a search begins; it stays empty when the file cannot be read.
void ClearOverloadSearchList(ControlSink& controls);
// The result list, its count in `Label_Per_OtbZap` ("0" when nothing was found) and the
// summary in `Label_MaxM1`.
void ShowOverloadSearch(const JumpList& found, const OverloadFields& typed, ControlSink& controls);

}  // namespace vertal::frames
