#include "events/core/KdsRecords.h"

#include "common/core/Bcd.h"
#include "common/core/NumberFormat.h"
#include "dump/core/RecordAccess.h"
#include "records/core/RecordPass.h"
#include "records/core/RecordRule.h"
#include "records/core/SearchCommand.h"
#include "records/core/TypedInput.h"

namespace vertal::events {

const std::array<std::string_view, kKdsParameterCount> kKdsParameterNames = {
    "Температура РЖГ", "Температура ДВ",     "Давление масла в ДВ", "Уровень масла",
    "Уровень топлива", "Датчик оборотов ДВ", "Напряжение БС"};

namespace {

struct KdsParameter {
  std::string_view shortName;
  int storedDecimals;  // the value counts tenths for the pressure and the voltage
  std::string_view pattern;
  std::string_view unit;
};

constexpr std::array<KdsParameter, kKdsParameterCount> kParameters = {{
    {"Тем. РЖГ град.", 0, "#0", "C°"},  // Latin C
    {"Тем. ДВ град.", 0, "#0", "C°"},
    {"Дав. м. в ДВ атм.", 1, "#0.00", "Атм"},
    {"Ур. М %", 0, "#0", "%"},
    {"Ур. Т %", 0, "#0", "%"},
    {"ДОД об./мин.", 0, "#0", "об/мин"},
    {"Нап. БС В", 1, "#0.00", "В"},
}};

const KdsParameter* Parameter(int code) {
  return code >= 1 && code <= kKdsParameterCount ? &kParameters[static_cast<std::size_t>(code - 1)] : nullptr;
}

using frames::Bcd3;

Bcd3 KdsDateOf(ByteSpan r) { return r.subspan<kKdsDate, 3>(); }
Bcd3 KdsTimeOf(ByteSpan r) { return r.subspan<kKdsTime, 3>(); }

// The fields as their refusals name them.
constexpr std::string_view kKdsFromCaption = "Дата с";
constexpr std::string_view kKdsToCaption = "Дата по";

constexpr std::string_view kCountDesignText = "0000";

}  // namespace

std::string FormatKdsParameter(int code) {
  const KdsParameter* p = Parameter(code);
  return p ? std::string(p->shortName) : "XXXX";
}

std::string FormatKdsNumber(int code, std::int16_t value, std::string_view sep) {
  const KdsParameter* p = Parameter(code);
  if (!p) return "##.##";
  return FormatScaled(value, p->storedDecimals, p->pattern, sep);
}

std::string_view KdsUnit(int code) {
  const KdsParameter* p = Parameter(code);
  return p ? p->unit : std::string_view();
}

std::string FormatKdsValue(int code, std::int16_t value, std::string_view sep) {
  return FormatKdsNumber(code, value, sep) + std::string(KdsUnit(code));
}

const TableLayout& KdsTableLayout() {
  static const TableLayout layout{
      dump::kKdsRecords,
      "StringGrid_KDS_Otbor",
      kKdsTableColumns,
      kKdsTableRows,
      [](ByteSpan r, std::string_view sep) {
        return std::vector<std::string>{
            FormatKdsValue(r[kKdsCode], lei16(&r[kKdsValue]), sep),
            FormatKdsParameter(r[kKdsCode]),
            BcdDateText(KdsDateOf(r)),
            BcdTimeText(KdsTimeOf(r)),
        };
      },
      &records::RuleValid<KdsRule>,
  };
  return layout;
}

std::variant<KdsConditions, std::string> ReadKdsConditions(const KdsFields& typed) {
  const std::optional<BcdBytes> from = frames::DateTextToBcd(typed.from);
  if (!from) return records::NotDateMessage(kKdsFromCaption, typed.from);
  const std::optional<BcdBytes> to = frames::DateTextToBcd(typed.to);
  if (!to) return records::NotDateMessage(kKdsToCaption, typed.to);
  return KdsConditions{typed.parameter, *from, *to};
}

std::optional<JumpList> SearchKds(const DumpSource& source, const KdsConditions& c,
                                  const ProgressSink& progress) {
  records::ResultCollector items(false, ItemWording::DateAndTime, KdsRule::kFamily.count);
  const bool opened = records::ForEachValidRecord<KdsRule>(
      source, progress, [&](std::int64_t k, ByteSpan r) {
        const bool matches = frames::DateInRange(KdsDateOf(r), c.from, c.to) && r[kKdsCode] == c.code;
        items.Offer(k, matches, KdsDateOf(r), KdsTimeOf(r));
      });
  if (!opened) return std::nullopt;
  return items.Take();
}

std::string KdsSummary(std::string_view parameterName, std::string_view fromText,
                       std::string_view toText, std::size_t count) {
  return "Количество превышенных параметров ( " + std::string(parameterName) + " ) с " +
         std::string(fromText) + " по " + std::string(toText) + " составляет " +
         std::to_string(count);
}

bool KdsRecordsKept(std::int8_t recorderVersion) {
  return recorderVersion == kKdsRecorderVersion;
}

std::string KdsNote(std::int8_t recorderVersion) {
  if (KdsRecordsKept(recorderVersion)) return {};
  return "Записи КДС есть только в файлах версии " +
         std::to_string(static_cast<int>(kKdsRecorderVersion)) +
         "; версия этого файла: " + std::to_string(static_cast<int>(recorderVersion));
}

KdsSearchModel EmptyKdsSearch() {
  return {JumpList{}, std::string(kCountDesignText), std::string()};
}

records::TablePage TurnKdsPage(const DumpSource& source, std::int8_t recorderVersion,
                              std::int64_t position, std::string_view separator, Host& host) {
  if (!KdsRecordsKept(recorderVersion)) return records::EmptyTablePage(KdsTableLayout(), position);
  return records::TurnPage(source, KdsTableLayout(), position, separator, host);
}

KdsPageModel OpenKdsPage(const DumpSource& source, std::int8_t version, std::string_view separator,
                         Host& host) {
  KdsPageModel page;
  page.table = TurnKdsPage(source, version, KdsTableLayout().MaxPosition(), separator, host);
  if (!KdsRecordsKept(version)) page.search = EmptyKdsSearch();
  page.note = KdsNote(version);
  return page;
}

PassResult<KdsSearchModel> RunKdsSearch(const DumpSource& source, std::int8_t recorderVersion,
                                        const KdsFields& typed, Host& host, const PassHooks& hooks) {
  const auto read = ReadKdsConditions(typed);
  // Dates that cannot be read are refused first, whatever the file keeps.
  if (std::holds_alternative<KdsConditions>(read) && !KdsRecordsKept(recorderVersion))
    return {PassEnd::Refused, EmptyKdsSearch()};
  return records::RunSearchCommand<KdsSearchModel>(
      read, host, hooks,
      [&source](const KdsConditions& c, const ProgressSink& progress) {
        return SearchKds(source, c, progress);
      },
      [&typed](JumpList found) {
        const bool listed = typed.parameter >= 1 && typed.parameter <= kKdsParameterCount;
        const std::string_view name =
            listed ? kKdsParameterNames[static_cast<std::size_t>(typed.parameter - 1)] : "";
        KdsSearchModel model;
        model.count = std::to_string(found.Count());
        model.summary = KdsSummary(name, typed.from, typed.to, found.Count());
        model.found = std::move(found);
        return model;
      });
}

}  // namespace vertal::events
