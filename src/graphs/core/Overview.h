#pragma once
// The overview under each graph: every frame slot of the recording at once. When a file opens,
// the slots are reduced to a fixed number of columns of consecutive slots: per column the
// lowest and highest load moment and the limit bits of its valid frames (a column without a
// valid frame is a gap), which of the four episode lists of the period scan have an item in it,
// and the ring's newest frame. The strip maps the columns onto its pixels.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/core/JumpList.h"
#include "dump/core/DumpLayout.h"

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

// The columns and the newest frame; nothing when the file cannot be opened.
std::optional<Overview> ReadOverview(const std::string& path);

// The overview as opening the file shows it, with the frames of the episode lists (overloads,
// tuning, МЗОН, switch-ons); empty columns when the file cannot be opened.
Overview OpenOverview(const std::string& path,
                      const std::array<const JumpList*, kEpisodeListCount>& lists);

}  // namespace vertal::graphs
