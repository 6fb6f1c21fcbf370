#include "frames/core/KdsRecords.h"

#include "common/core/Bcd.h"
#include "common/core/NumberFormat.h"
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

}  // namespace vertal::frames
