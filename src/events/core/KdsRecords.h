#pragma once
// Records of engine and hydraulic parameters out of their range ("КДС"): the seven parameters,
// the table of six records a page and the search by parameter and a range of dates.

#include <array>
#include <cstdint>
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

// Layout of a 10-byte KDS record.
inline constexpr std::size_t kKdsValue = 0;  // i16
inline constexpr std::size_t kKdsCode = 2;   // u8, 1..7
inline constexpr std::size_t kKdsDate = 3;   // day, month, year (BCD)
inline constexpr std::size_t kKdsTime = 6;   // seconds, minutes, hours (BCD)
inline constexpr std::size_t kKdsChecksum = 9;
static_assert(kKdsChecksum + 1 == static_cast<std::size_t>(dump::kKdsRecords.size));

inline constexpr int kKdsTableColumns = 6;
inline constexpr int kKdsTableRows = 6;
inline constexpr int kKdsParameterCount = 7;

// The parameter names of the list, in code order (code k is entry k - 1).
extern const std::array<std::string_view, kKdsParameterCount> kKdsParameterNames;

// The records of this layout exist only in files of this recorder version.
inline constexpr std::int8_t kKdsRecorderVersion = 31;

std::string FormatKdsParameter(int code);
std::string FormatKdsValue(int code, std::int16_t value, std::string_view decimalSeparator);
// The value without its unit, and the unit ("" for an unknown code).
std::string FormatKdsNumber(int code, std::int16_t value, std::string_view decimalSeparator);
std::string_view KdsUnit(int code);

// The captions of the grid's rows, from row 0 down.
inline constexpr std::array<records::RowCaption, kKdsTableRows> kKdsRowCaptions = {{
    {"Label8", "Номер кадра"}, {"Label", "Значение параметра"},
    {"Label46", "Параметр"},   {"Label45", "Дата"},
    {"Label85", "Время"},      {"Label88", "Контрольная сумма"},
}};

// Checksum, date and time hold.
struct KdsRule {
  static constexpr std::size_t kSize = kKdsChecksum + 1;
  static constexpr dump::RecordFamily kFamily = dump::kKdsRecords;
  static bool Valid(std::span<const std::uint8_t, kSize> r) {
    return ChecksumValid(r) && frames::BcdDateValid(r.subspan<kKdsDate, 3>()) &&
           frames::BcdTimeValid(r.subspan<kKdsTime, 3>());
  }
};

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

std::optional<JumpList> SearchKds(const DumpSource& source, const KdsConditions& conditions,
                                  const ProgressSink& progress = {});

std::string KdsSummary(std::string_view parameterName, std::string_view fromText,
                       std::string_view toText, std::size_t count);

// The result list, its count and the summary naming the chosen parameter; count and summary
// stay as they were when the file could not be read.
struct KdsSearchModel {
  JumpList found;
  std::optional<std::string> count;
  std::optional<std::string> summary;
};

template <typename Visit>
void VisitControls(const KdsSearchModel& m, Visit&& v) {
  v("ComboBox_KDS", m.found);
  v("Label_KDS_OtbZap", m.count);
  v("Label_MaxM2", m.summary);
}

// Whether a file of this recorder version keeps KDS records.
bool KdsRecordsKept(std::int8_t recorderVersion);

// What the page says of a file that keeps no KDS records; "" for one that does.
std::string KdsNote(std::int8_t recorderVersion);

// The search part of the page as it stands for a file that keeps no KDS records: an empty list,
// the count's design text and an empty summary.
KdsSearchModel EmptyKdsSearch();

// The page-turn command: a file that keeps no KDS records shows an empty page and reads nothing.
records::TablePage TurnKdsPage(const DumpSource& source, std::int8_t recorderVersion,
                              std::int64_t position, std::string_view separator, Host& host);

// The search command. Dates that cannot be read are refused with an error box; a file that
// keeps no KDS records is not searched (refused, the page as EmptyKdsSearch); a file that
// cannot be opened is reported once and leaves the list empty.
PassResult<KdsSearchModel> RunKdsSearch(const DumpSource& source, std::int8_t recorderVersion,
                                        const KdsFields& typed, Host& host,
                                        const PassHooks& hooks = {});

// The page as opening leaves it. A file that keeps no KDS records shows an empty table, an
// emptied search and a note that says why.
struct KdsPageModel {
  records::TablePage table;
  std::optional<KdsSearchModel> search;
  std::string note;  // "" for a file that keeps the records
};

template <typename Visit>
void VisitControls(const KdsPageModel& m, Visit&& v) {
  v(KdsTableLayout().grid, m.table.columns);
  if (m.search) VisitControls(*m.search, v);
  v("Label_KDS_Note", m.note);
}

// The page on its last table page, as opening the file shows it.
KdsPageModel OpenKdsPage(const DumpSource& source, std::int8_t recorderVersion,
                         std::string_view separator, Host& host);

inline constexpr std::string_view kKdsSearchRunningText = "Идет поиск параметров";

}  // namespace vertal::events
