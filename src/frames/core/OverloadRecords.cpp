#include "frames/core/OverloadRecords.h"

#include "common/core/Bcd.h"
#include "common/core/NumberFormat.h"
#include "frames/core/FrameSearch.h"
#include "frames/core/RecordPass.h"

namespace vertal::frames {
namespace {

Bcd3 DateOf(ByteSpan r) { return r.subspan<kOverloadDate, 3>(); }

// The fields as their refusals name them.
constexpr std::string_view kThresholdCaption = "Загрузка M%";
constexpr std::string_view kFromCaption = "Дата перегрузки с";
constexpr std::string_view kToCaption = "Дата перегрузки по";

constexpr std::string_view kResultList = "ComboBox_Per";
constexpr std::string_view kResultCount = "Label_Per_OtbZap";
constexpr std::string_view kSummary = "Label_MaxM1";

}  // namespace

const TableLayout& OverloadTableLayout() {
  static const TableLayout layout{
      dump::kOverloadRecords,
      kOverloadTableColumns,
      [](ByteSpan r, std::string_view sep) {
        return std::vector<std::string>{
            FormatScaled(le16(&r[kOverloadRadius]), kOverloadRadiusDecimals, "#0.00", sep),
            FormatScaled(le16(&r[kOverloadCapacity]), kOverloadCapacityDecimals, "#0.00", sep),
            std::to_string(r[kOverloadPercent]),
            BcdDateText(DateOf(r)),
            std::to_string(r[kOverloadMode]),
        };
      },
      [](ByteSpan r) { return BcdDateValid(DateOf(r)); },
  };
  return layout;
}

std::variant<OverloadConditions, std::string> ReadOverloadConditions(const OverloadFields& typed) {
  const std::optional<int> threshold = ParseWholeNumber(typed.threshold);
  if (!threshold) return NotWholeNumberMessage(kThresholdCaption, typed.threshold);
  const std::optional<BcdBytes> from = DateTextToBcd(typed.from);
  if (!from) return NotDateMessage(kFromCaption, typed.from);
  const std::optional<BcdBytes> to = DateTextToBcd(typed.to);
  if (!to) return NotDateMessage(kToCaption, typed.to);
  return OverloadConditions{*threshold, *from, *to};
}

std::optional<JumpList> SearchOverloads(const std::string& path, const OverloadConditions& c,
                                        const ProgressSink& progress) {
  ResultCollector items(false);
  const bool opened = ForEachValidRecord(
      path, OverloadTableLayout(), progress, [&](std::int64_t k, ByteSpan r) {
        const bool matches = DateInRange(DateOf(r), c.from, c.to) && r[kOverloadPercent] >= c.threshold;
        items.Offer(k, matches, [&] { return std::to_string(k) + "-й кадр, дата " + BcdDateText(DateOf(r)); });
      });
  if (!opened) return std::nullopt;
  return items.Take();
}

std::string OverloadSummary(std::string_view thresholdText, std::string_view fromText,
                            std::string_view toText, std::size_t count) {
  return "Количество перегрузок больше " + std::string(thresholdText) + "% с " +
         std::string(fromText) + " по " + std::string(toText) + " составляет " +
         std::to_string(count);
}

void ClearOverloadSearchList(ControlSink& controls) {
  controls.SetList(kResultList, JumpList{});
}

void ShowOverloadSearch(const JumpList& found, const OverloadFields& typed, ControlSink& controls) {
  controls.SetList(kResultList, found);
  controls.SetText(kResultCount, std::to_string(found.Count()));
  controls.SetText(kSummary, OverloadSummary(typed.threshold, typed.from, typed.to, found.Count()));
}

}  // namespace vertal::frames
