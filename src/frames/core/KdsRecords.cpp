#include "frames/core/KdsRecords.h"

#include "common/core/Bcd.h"
#include "common/core/NumberFormat.h"
#include "frames/core/FrameSearch.h"
#include "frames/core/RecordPass.h"

namespace vertal::frames {

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

Bcd3 DateOf(ByteSpan r) { return r.subspan<kKdsDate, 3>(); }
Bcd3 TimeOf(ByteSpan r) { return r.subspan<kKdsTime, 3>(); }

// The fields as their refusals name them.
constexpr std::string_view kFromCaption = "Дата с";
constexpr std::string_view kToCaption = "Дата по";

constexpr std::string_view kResultList = "ComboBox_KDS";
constexpr std::string_view kResultCount = "Label_KDS_OtbZap";
constexpr std::string_view kSummary = "Label_MaxM2";


}  // namespace

std::string FormatKdsParameter(int code) {
  const KdsParameter* p = Parameter(code);
  return p ? std::string(p->shortName) : "XXXX";
}

std::string FormatKdsValue(int code, std::int16_t value, std::string_view sep) {
  const KdsParameter* p = Parameter(code);
  if (!p) return "##.##";
  return FormatScaled(value, p->storedDecimals, p->pattern, sep) + std::string(p->unit);
}

const TableLayout& KdsTableLayout() {
  static const TableLayout layout{
      dump::kKdsRecords,
      kKdsTableColumns,
      [](ByteSpan r, std::string_view sep) {
        return std::vector<std::string>{
            FormatKdsValue(r[kKdsCode], lei16(&r[kKdsValue]), sep),
            FormatKdsParameter(r[kKdsCode]),
            BcdDateText(DateOf(r)),
            BcdTimeText(TimeOf(r)),
        };
      },
      [](ByteSpan r) { return BcdDateValid(DateOf(r)) && BcdTimeValid(TimeOf(r)); },
  };
  return layout;
}

std::variant<KdsConditions, std::string> ReadKdsConditions(const KdsFields& typed) {
  const std::optional<BcdBytes> from = DateTextToBcd(typed.from);
  if (!from) return NotDateMessage(kFromCaption, typed.from);
  const std::optional<BcdBytes> to = DateTextToBcd(typed.to);
  if (!to) return NotDateMessage(kToCaption, typed.to);
  return KdsConditions{typed.parameter, *from, *to};
}

std::optional<JumpList> SearchKds(const std::string& path, const KdsConditions& c,
                                  const ProgressSink& progress) {
  ResultCollector items(false);
  const bool opened = ForEachValidRecord(
      path, KdsTableLayout(), progress, [&](std::int64_t k, ByteSpan r) {
        const bool matches = DateInRange(DateOf(r), c.from, c.to) && r[kKdsCode] == c.code;
        items.Offer(k, matches, [&] {
          return std::to_string(k) + "-й кадр, дата: " + BcdDateText(DateOf(r)) + " в " +
                 BcdTimeText(TimeOf(r));
        });
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

void ClearKdsSearchList(ControlSink& controls) {
  controls.SetList(kResultList, JumpList{});
}

void ShowKdsSearch(const JumpList& found, const KdsFields& typed, ControlSink& controls) {
  const bool listed = typed.parameter >= 1 && typed.parameter <= kKdsParameterCount;
  const std::string_view name =
      listed ? kKdsParameterNames[static_cast<std::size_t>(typed.parameter - 1)] : "";
  controls.SetList(kResultList, found);
  controls.SetText(kResultCount, std::to_string(found.Count()));
  controls.SetText(kSummary, KdsSummary(name, typed.from, typed.to, found.Count()));
}

}  // namespace vertal::frames
