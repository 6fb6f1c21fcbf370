#include "frames/core/OverloadRecords.h"

#include "common/core/Bcd.h"
#include "common/core/NumberFormat.h"
#include "frames/core/RecordPass.h"

namespace vertal::frames {
namespace {

Bcd3 DateOf(ByteSpan r) { return r.subspan<kOverloadDate, 3>(); }


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

}  // namespace vertal::frames
