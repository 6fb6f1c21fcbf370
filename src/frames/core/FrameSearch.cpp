#include "frames/core/FrameSearch.h"

#include "frames/core/FrameRecord.h"
#include "records/core/RecordPass.h"
#include "records/core/SearchCommand.h"
#include "records/core/TypedInput.h"

namespace vertal::frames {
namespace {

constexpr std::string_view kThresholdCaption = "Загрузка M%";

// A limit that is both entered (high nibble) and triggered (low nibble).
bool LimitTriggered(std::uint8_t limits) {
  constexpr unsigned kEnteredShift = 4;
  return ((limits >> kEnteredShift) & limits & 0x0F) != 0;
}

}  // namespace

std::variant<FrameConditions, std::string> ReadFrameConditions(const FrameSearchFields& typed) {
  const std::optional<int> threshold = records::ParseWholeNumber(typed.threshold);
  if (!threshold) return records::NotWholeNumberMessage(kThresholdCaption, typed.threshold);
  return FrameConditions{*threshold, typed.limits, typed.faults};
}

std::optional<JumpList> SearchFrames(const DumpSource& source, const FrameConditions& conditions,
                                     const ProgressSink& progress) {
  records::ResultCollector runs(true, ItemWording::Date, FrameRule::kFamily.count);
  const bool opened = records::ForEachValidRecord<FrameRule>(
      source, progress, [&](std::int64_t n, FrameBytes record) {
        const FrameRecord f(record);
        const bool selected = f.LoadMoment() >= conditions.threshold ||
                              (conditions.limits && LimitTriggered(f.Limits())) ||
                              (conditions.faults && f.FaultCode() != kFaultNone);
        runs.Offer(n, selected, f.Date());
      });
  if (!opened) return std::nullopt;
  return runs.Take();
}

PassResult<FrameSearchModel> RunFrameSearch(const DumpSource& source, const FrameSearchFields& typed,
                                            Host& host, const PassHooks& hooks) {
  return records::RunSearchCommand<FrameSearchModel>(
      ReadFrameConditions(typed), host, hooks,
      [&source](const FrameConditions& c, const ProgressSink& progress) {
        return SearchFrames(source, c, progress);
      },
      [](JumpList found) {
        FrameSearchModel model;
        model.count = std::to_string(found.Count());
        model.found = std::move(found);
        return model;
      });
}

}  // namespace vertal::frames
