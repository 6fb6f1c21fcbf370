#include "graphs/core/GraphWindow.h"

#include <algorithm>

#include "common/core/Bytes.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/FrameRecord.h"

namespace vertal::graphs {

const std::array<std::string_view, kParamSeriesCount> kParamSeriesNames = {
    "Series2", "Series3", "Series4", "Series5", "Series16", "Series18"};
const std::array<std::string_view, kRelaySeriesCount> kRelaySeriesNames = {
    "Series6", "Series7", "Series8", "Series9", "Series10", "Series11", "Series12", "Series13"};

namespace {

// Divided rather than multiplied by 0.01: the quotient is the double nearest the decimal value,
// so 1234 shows as 12.34 wherever the number is printed in full.
constexpr double kHundred = 100.0;
constexpr double kTen = 10.0;
constexpr int kLimitLevels = 4;  // heights 1..4: ceiling, wall, slew right, slew left

// Calls visit(n, frame) for every valid frame of the window.
template <typename Visit>
GraphWindow ReadWindow(const DumpSource& source, std::int64_t position, std::size_t seriesCount,
                       Visit visit) {
  GraphWindow window;
  window.position = ClampGraphPosition(position);
  window.series.resize(seriesCount);
  const auto run = dump::ReadRecords(source, dump::kFrames, window.position, kWindowFrames);
  if (!run) {
    window.unreadable = true;
    return window;
  }
  for (std::int64_t i = 0; i < run->Count(); ++i) {
    const frames::FrameBytes frame = run->Record(i).first<frames::kFrameSize>();
    if (!run->Complete(i) || !frames::FrameValid(frame)) continue;
    window.anyValid = true;
    visit(static_cast<double>(window.position + i), frames::FrameRecord(frame), window.series);
  }
  return window;
}

std::string Title(std::string_view lead, std::string_view crane, std::string_view craneNumber,
                  std::string_view limiterNumber, bool atOpening) {
  const std::string number = atOpening ? " №" : " № ";
  return std::string(lead) + std::string(crane) + number + std::string(craneNumber) +
         " по данным РП VERTAL" + number + std::string(limiterNumber) + " (по кадрам)";
}

}  // namespace

AxisRange WindowAxis(std::int64_t position) {
  const auto p = static_cast<double>(position);
  return {p, p + static_cast<double>(kWindowFrames)};
}

std::int64_t ClampGraphPosition(std::int64_t position) {
  return std::clamp<std::int64_t>(position, 0, kMaxPosition);
}

GraphWindow ReadParamWindow(const DumpSource& source, std::int64_t position) {
  return ReadWindow(source, position, kParamSeriesCount,
                    [](double x, const frames::FrameRecord& f, std::vector<SeriesPoints>& s) {
                      s[0].Add(x, f.LoadMoment());
                      s[1].Add(x, f.Load() / kHundred);
                      s[2].Add(x, f.Radius() / kHundred);
                      s[3].Add(x, f.Length() / kHundred);
                      s[4].Add(x, f.Azimuth() / kTen);
                      s[5].Add(x, 0.0);
                    });
}

GraphWindow ReadRelayWindow(const DumpSource& source, std::int64_t position) {
  return ReadWindow(source, position, kRelaySeriesCount,
                    [](double x, const frames::FrameRecord& f, std::vector<SeriesPoints>& s) {
                      for (int k = 0; k < 2 * kLimitLevels; ++k)
                        if (f.Limits() & (0x80u >> k))
                          s[static_cast<std::size_t>(k)].Add(x, k % kLimitLevels + 1);
                    });
}

SeriesPoints LimitSeries(const JumpList& overloads) {
  SeriesPoints limit;
  limit.x.assign(overloads.Numbers().begin(), overloads.Numbers().end());
  // A list in ring order is sorted only where it wraps; most are in order already.
  if (!std::is_sorted(limit.x.begin(), limit.x.end())) std::sort(limit.x.begin(), limit.x.end());
  limit.y.assign(limit.x.size(), kLimitPercent);
  return limit;
}

std::string ParamTitle(std::string_view crane, std::string_view craneNumber,
                       std::string_view limiterNumber, bool atOpening) {
  return Title("График параметров работы стрелового крана ", crane, craneNumber, limiterNumber, atOpening);
}

std::string RelayTitle(std::string_view crane, std::string_view craneNumber,
                       std::string_view limiterNumber, bool atOpening) {
  return Title("График работы дискр. входов и выходных реле стрелового крана ", crane, craneNumber,
               limiterNumber, atOpening);
}

}  // namespace vertal::graphs
