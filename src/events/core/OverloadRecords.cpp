#include "events/core/OverloadRecords.h"

#include "common/core/Bcd.h"
#include "common/core/NumberFormat.h"
#include "records/core/RecordPass.h"
#include "records/core/RecordRule.h"
#include "records/core/SearchCommand.h"
#include "records/core/TypedInput.h"

namespace vertal::events {
namespace {

using frames::Bcd3;

Bcd3 OverloadDateOf(ByteSpan r) { return r.subspan<kOverloadDate, 3>(); }

// The fields as their refusals name them.
constexpr std::string_view kThresholdCaption = "Загрузка M%";
constexpr std::string_view kOverloadFromCaption = "Дата перегрузки с";
constexpr std::string_view kOverloadToCaption = "Дата перегрузки по";

}  // namespace

const TableLayout& OverloadTableLayout() {
  static const TableLayout layout{
      dump::kOverloadRecords,
      "StringGrid_Per_Otb",
      kOverloadTableColumns,
      kOverloadTableRows,
      [](ByteSpan r, std::string_view sep) {
        return std::vector<std::string>{
            FormatScaled(le16(&r[kOverloadRadius]), kOverloadRadiusDecimals, "#0.00", sep),
            FormatScaled(le16(&r[kOverloadCapacity]), kOverloadCapacityDecimals, "#0.00", sep),
            std::to_string(r[kOverloadPercent]),
            BcdDateText(OverloadDateOf(r)),
            std::to_string(r[kOverloadMode]),
        };
      },
      &records::RuleValid<OverloadRule>,
  };
  return layout;
}

std::variant<OverloadConditions, std::string> ReadOverloadConditions(const OverloadFields& typed) {
  const std::optional<int> threshold = records::ParseWholeNumber(typed.threshold);
  if (!threshold) return records::NotWholeNumberMessage(kThresholdCaption, typed.threshold);
  const std::optional<BcdBytes> from = frames::DateTextToBcd(typed.from);
  if (!from) return records::NotDateMessage(kOverloadFromCaption, typed.from);
  const std::optional<BcdBytes> to = frames::DateTextToBcd(typed.to);
  if (!to) return records::NotDateMessage(kOverloadToCaption, typed.to);
  return OverloadConditions{*threshold, *from, *to};
}

std::optional<JumpList> SearchOverloads(const DumpSource& source, const OverloadConditions& c,
                                        const ProgressSink& progress) {
  records::ResultCollector items(false, ItemWording::Date, OverloadRule::kFamily.count);
  const bool opened = records::ForEachValidRecord<OverloadRule>(
      source, progress, [&](std::int64_t k, ByteSpan r) {
        const bool matches =
            frames::DateInRange(OverloadDateOf(r), c.from, c.to) && r[kOverloadPercent] >= c.threshold;
        items.Offer(k, matches, OverloadDateOf(r));
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

PassResult<OverloadSearchModel> RunOverloadSearch(const DumpSource& source, const OverloadFields& typed,
                                                  Host& host, const PassHooks& hooks) {
  return records::RunSearchCommand<OverloadSearchModel>(
      ReadOverloadConditions(typed), host, hooks,
      [&source](const OverloadConditions& c, const ProgressSink& progress) {
        return SearchOverloads(source, c, progress);
      },
      [&typed](JumpList found) {
        OverloadSearchModel model;
        model.count = std::to_string(found.Count());
        model.summary = OverloadSummary(typed.threshold, typed.from, typed.to, found.Count());
        model.found = std::move(found);
        return model;
      });
}

}  // namespace vertal::events
