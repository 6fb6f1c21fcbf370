#include "graphs/core/Overview.h"

#include <algorithm>

#include "frames/core/FrameRecord.h"
#include "records/core/RecordPass.h"
#include "graphs/core/RingOrder.h"

namespace vertal::graphs {

std::optional<Overview> ReadOverview(const std::string& path) {
  Overview overview;
  overview.columns.resize(static_cast<std::size_t>(kOverviewColumns));
  NewestFrame newest;
  const bool read = records::ForEachValidRecord<frames::FrameRule>(
      path, {}, [&](std::int64_t n, frames::FrameBytes record) {
        const frames::FrameRecord frame(record);
        OverviewColumn& column = overview.columns[static_cast<std::size_t>(n / kFramesPerColumn)];
        const std::uint8_t moment = frame.LoadMoment();
        if (!column.recorded) {
          column.recorded = true;
          column.lowMoment = column.highMoment = moment;
        }
        column.lowMoment = std::min(column.lowMoment, moment);
        column.highMoment = std::max(column.highMoment, moment);
        column.limits |= frame.Limits();
        newest.Offer(n, MomentKey(frame.Date(), frame.Time()));
      });
  if (!read) return std::nullopt;
  overview.newest = newest.Frame();
  return overview;
}

Overview OpenOverview(const std::string& path,
                      const std::array<const JumpList*, kEpisodeListCount>& lists) {
  Overview overview = ReadOverview(path).value_or(Overview{});
  if (overview.columns.empty()) return overview;
  // Thousands of items fall into one column; the strip marks a column, not every item.
  for (std::size_t list = 0; list < kEpisodeListCount; ++list) {
    for (const std::int64_t frame : lists[list]->Numbers()) {
      if (frame < 0 || frame >= dump::kFrameCount) continue;
      overview.columns[static_cast<std::size_t>(frame / kFramesPerColumn)].episodes |=
          static_cast<std::uint8_t>(1U << list);
    }
  }
  return overview;
}

}  // namespace vertal::graphs
