#include "graphs/core/Overview.h"

#include "records/core/RecordPass.h"

namespace vertal::graphs {

std::optional<Overview> ReadOverview(const DumpSource& source) {
  OverviewReader reader;
  const bool read = records::ForEachValidRecord<frames::FrameRule>(
      source, {}, [&reader](std::int64_t n, frames::FrameBytes record) { reader.Offer(n, record); });
  if (!read) return std::nullopt;
  return reader.Finish();
}

Overview MarkEpisodes(std::optional<Overview> read,
                      const std::array<const JumpList*, kEpisodeListCount>& lists) {
  Overview overview = std::move(read).value_or(Overview{});
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

Overview OpenOverview(const DumpSource& source,
                      const std::array<const JumpList*, kEpisodeListCount>& lists) {
  return MarkEpisodes(ReadOverview(source), lists);
}

}  // namespace vertal::graphs
