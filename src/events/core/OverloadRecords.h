#pragma once
// Overload records of the long-term area: their table of nine records a page and the search
// by load and a range of dates.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "common/core/DumpSource.h"
#include "common/core/Host.h"
#include "common/core/JumpList.h"
#include "common/core/ProgressSink.h"
#include "dump/core/Checksum.h"
#include "frames/core/BcdDateTime.h"
#include "records/core/PagedTable.h"

namespace vertal::events {

using frames::BcdBytes;
using records::TableLayout;

// Layout of a 10-byte overload record.
inline constexpr std::size_t kOverloadRadius = 0;    // u16, 0.01 m
inline constexpr std::size_t kOverloadCapacity = 2;  // u16, 0.01 t
inline constexpr std::size_t kOverloadPercent = 4;   // u8
inline constexpr std::size_t kOverloadDate = 5;      // day, month, year (BCD)
inline constexpr std::size_t kOverloadMode = 8;      // u8
inline constexpr std::size_t kOverloadChecksum = 9;
static_assert(kOverloadChecksum + 1 == static_cast<std::size_t>(dump::kOverloadRecords.size));
inline constexpr int kOverloadRadiusDecimals = 2;
inline constexpr int kOverloadCapacityDecimals = 2;

inline constexpr int kOverloadTableColumns = 9;
inline constexpr int kOverloadTableRows = 7;

// The captions of the grid's rows, from row 0 down.
inline constexpr std::array<records::RowCaption, kOverloadTableRows> kOverloadRowCaptions = {{
    {"LabelC_NKAD", "Номер кадра"},      {"LabelC_Time", "Вылет, м"},
    {"LabelC_H", "Грузоподъемность, т"}, {"LabelC_S", "Процент загрузки, %"},
    {"LabelC_P", "Дата перегрузки"},     {"Label36", "Режим работы"},
    {"Label35", "Контрольная сумма"},
}};

// Checksum and date hold.
struct OverloadRule {
  static constexpr std::size_t kSize = kOverloadChecksum + 1;
  static constexpr dump::RecordFamily kFamily = dump::kOverloadRecords;
  static bool Valid(std::span<const std::uint8_t, kSize> r) {
    return ChecksumValid(r) && frames::BcdDateValid(r.subspan<kOverloadDate, 3>());
  }
};

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
std::optional<JumpList> SearchOverloads(const DumpSource& source, const OverloadConditions& conditions,
                                        const ProgressSink& progress = {});

// The summary sentence under the page, from the field texts as typed.
std::string OverloadSummary(std::string_view thresholdText, std::string_view fromText,
                            std::string_view toText, std::size_t count);

// The result list, its count and the summary; count and summary stay as they were when the
// file could not be read.
struct OverloadSearchModel {
  JumpList found;
  std::optional<std::string> count;
  std::optional<std::string> summary;
};

template <typename Visit>
void VisitControls(const OverloadSearchModel& m, Visit&& v) {
  v("ComboBox_Per", m.found);
  v("Label_Per_OtbZap", m.count);
  v("Label_MaxM1", m.summary);
}

// The search command: a field that cannot be read is refused with an error box; a file that
// cannot be opened is reported once and leaves the list empty.
PassResult<OverloadSearchModel> RunOverloadSearch(const DumpSource& source, const OverloadFields& typed,
                                                  Host& host, const PassHooks& hooks = {});

}  // namespace vertal::events
