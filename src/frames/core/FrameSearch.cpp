#include "frames/core/FrameSearch.h"

#include <charconv>

#include "common/core/Bcd.h"
#include "frames/core/FrameRecord.h"
#include "frames/core/FrameTable.h"
#include "frames/core/RecordPass.h"

namespace vertal::frames {
namespace {

constexpr std::string_view kResultList = "ComboBox_Cikl";
constexpr std::string_view kResultCount = "Label_O_OtbZap";

// A limit that is both entered (high nibble) and triggered (low nibble).
bool LimitTriggered(std::uint8_t limits) {
  constexpr unsigned kEnteredShift = 4;
  return ((limits >> kEnteredShift) & limits & 0x0F) != 0;
}

}  // namespace

std::optional<int> ParseWholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::string NotWholeNumberMessage(std::string_view fieldCaption, std::string_view text) {
  return "\n Поле \"" + std::string(fieldCaption) + "\" должно содержать целое число, а не \"" +
         std::string(text) + "\".";
}

std::string NotDateMessage(std::string_view fieldCaption, std::string_view text) {
  return "\n Поле \"" + std::string(fieldCaption) +
         "\" должно содержать дату в виде дд.мм.гг, а не \"" + std::string(text) + "\".";
}

std::optional<JumpList> SearchFrames(const std::string& path, const FrameConditions& conditions,
                                     const ProgressSink& progress) {
  ResultCollector runs(true);
  const bool opened = ForEachValidRecord(
      path, FrameTableLayout(), progress, [&](std::int64_t n, ByteSpan record) {
        const FrameRecord f(record.first<kFrameSize>());
        const bool selected = f.LoadMoment() >= conditions.threshold ||
                              (conditions.limits && LimitTriggered(f.Limits())) ||
                              (conditions.faults && f.FaultCode() != kFaultNone);
        runs.Offer(n, selected,
                   [&] { return std::to_string(n) + "-й кадр, дата " + BcdDateText(f.Date()); });
      });
  if (!opened) return std::nullopt;
  return runs.Take();
}

void ClearFrameSearchList(ControlSink& controls) {
  controls.SetList(kResultList, JumpList{});
}

void ShowFrameSearch(const JumpList& found, ControlSink& controls) {
  controls.SetList(kResultList, found);
  controls.SetText(kResultCount, std::to_string(found.Count()));
}

}  // namespace vertal::frames
