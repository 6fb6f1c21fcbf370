#pragma once
// The overview under each graph: every frame slot of the recording at once. When a file opens,
// the slots are reduced to a fixed number of columns of consecutive slots: per column the
// lowest and highest load moment and the limit bits of its valid frames (a column without a
// valid frame is a gap), which of the four episode lists of the period scan have an item in it,
// and the ring's newest frame. The strip maps the columns onto its pixels.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/core/DumpSource.h"
#include "common/core/JumpList.h"
#include "dump/core/DumpLayout.h"
#include "frames/core/FrameMoment.h"
#include "frames/core/FrameRecord.h"

namespace vertal::graphs {

inline constexpr std::int64_t kOverviewColumns = 2048;
inline constexpr std::int64_t kFramesPerColumn = dump::kFrameCount / kOverviewColumns;
static_assert(kFramesPerColumn * kOverviewColumns == dump::kFrameCount);

struct OverviewColumn {
  bool recorded = false;       // a valid frame lies in the column; otherwise it is a gap
  std::uint8_t lowMoment = 0;  // load moment, percent
  std::uint8_t highMoment = 0;
  std::uint8_t limits = 0;  // the limit bits (set and triggered) of its valid frames together
  std::uint8_t episodes = 0;  // bit k: an item of episode list k starts in the column
  bool operator==(const OverviewColumn&) const = default;
};

// The episode lists of the period scan, in the order of the strip's legend.
enum class EpisodeList { Overloads, Tuning, Mzon, SwitchOns };
inline constexpr std::size_t kEpisodeListCount = 4;

struct Overview {
  std::vector<OverviewColumn> columns;  // kOverviewColumns of them, none before a file is read
  std::optional<std::int64_t> newest;   // the ring's newest frame
};

// Whether an item of episode list `list` starts in `column`.
inline bool HasEpisode(const OverviewColumn& column, std::size_t list) {
  return (column.episodes >> list) & 1U;
}

// The columns and the newest frame, offered the valid frames of a pass one by one, so that
// it shares the pass of the period scan. Inline: every frame of a pass is offered.
class OverviewReader {
 public:
  OverviewReader() { overview_.columns.resize(static_cast<std::size_t>(kOverviewColumns)); }

  void Offer(std::int64_t n, frames::FrameBytes record) {
    const frames::FrameRecord frame(record);
    OverviewColumn& column = overview_.columns[static_cast<std::size_t>(n / kFramesPerColumn)];
    const std::uint8_t moment = frame.LoadMoment();
    if (!column.recorded) {
      column.recorded = true;
      column.lowMoment = column.highMoment = moment;
    }
    column.lowMoment = std::min(column.lowMoment, moment);
    column.highMoment = std::max(column.highMoment, moment);
    column.limits |= frame.Limits();
    newest_.Offer(n, frames::MomentKey(record));
  }

  Overview Finish() {
    overview_.newest = newest_.Frame();
    return std::move(overview_);
  }

 private:
  Overview overview_;
  frames::NewestFrame newest_;
};

// The columns and the newest frame; nothing when the file cannot be opened.
std::optional<Overview> ReadOverview(const DumpSource& source);

// The overview as opening the file shows it, with the frames of the episode lists (overloads,
// tuning, МЗОН, switch-ons) marked; empty columns when the file could not be read (nothing).
Overview MarkEpisodes(std::optional<Overview> read,
                      const std::array<const JumpList*, kEpisodeListCount>& lists);

// The same read from the file: its own pass over the frames.
Overview OpenOverview(const DumpSource& source,
                      const std::array<const JumpList*, kEpisodeListCount>& lists);

}  // namespace vertal::graphs
