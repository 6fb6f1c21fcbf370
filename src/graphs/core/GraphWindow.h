#pragma once
// The two graphs over windows of 2,048 consecutive frame slots: the parameter graph (load
// moment, load, radius, boom length, azimuth, a zero line and the 110 % limit marking the
// overload episodes) and the relay graph (coordinate limits set and triggered as bars).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/DumpSource.h"
#include "common/core/JumpList.h"
#include "dump/core/DumpLayout.h"

namespace vertal::graphs {

inline constexpr std::int64_t kWindowFrames = 2048;
// The last window ends with the last frame slot.
inline constexpr std::int64_t kMaxPosition = dump::kFrameCount - kWindowFrames;
static_assert(kMaxPosition == 268'288);
// Opening shows the last window.
inline constexpr std::int64_t kOpeningPosition = kMaxPosition;
inline constexpr double kLimitPercent = 110.0;

struct SeriesPoints {
  std::vector<double> x;
  std::vector<double> y;
  std::size_t Size() const { return x.size(); }
  void Add(double px, double py) {
    x.push_back(px);
    y.push_back(py);
  }
  bool operator==(const SeriesPoints&) const = default;
};

struct AxisRange {
  double min = 0;
  double max = 0;
  bool operator==(const AxisRange&) const = default;
};

// The bottom axis for a window at `position`.
AxisRange WindowAxis(std::int64_t position);

std::int64_t ClampGraphPosition(std::int64_t position);

// Series of the parameter graph that a window fill rebuilds, in the order they are filled.
enum class ParamSeries { Moment, Load, Radius, Length, Azimuth, Zero };
inline constexpr std::size_t kParamSeriesCount = 6;
extern const std::array<std::string_view, kParamSeriesCount> kParamSeriesNames;  // "Series2"...

inline constexpr std::size_t kRelaySeriesCount = 8;
extern const std::array<std::string_view, kRelaySeriesCount> kRelaySeriesNames;  // "Series6"...

struct GraphWindow {
  std::int64_t position = 0;
  bool unreadable = false;  // the file could not be opened
  bool anyValid = false;    // a valid frame was met: the titles are set
  std::vector<SeriesPoints> series;
};

// The points of the frames position .. position + 2047 that pass the frame tests, read in one
// piece.
GraphWindow ReadParamWindow(const DumpSource& source, std::int64_t position);
GraphWindow ReadRelayWindow(const DumpSource& source, std::int64_t position);

// The limit line of the parameter graph: one point (first frame of the episode, 110) for every
// overload episode of the period scan, in frame order; no episode, no point.
SeriesPoints LimitSeries(const JumpList& overloads);

// Chart titles; the opening fill writes them without a blank after "№".
std::string ParamTitle(std::string_view crane, std::string_view craneNumber,
                       std::string_view limiterNumber, bool atOpening);
std::string RelayTitle(std::string_view crane, std::string_view craneNumber,
                       std::string_view limiterNumber, bool atOpening);

inline constexpr std::string_view kFramesAxisTitle = "Кадры";

}  // namespace vertal::graphs
