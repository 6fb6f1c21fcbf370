#include "compare/core/RecordMatch.h"

#include <algorithm>
#include <array>
#include <vector>

#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "frames/core/PeriodScan.h"

namespace vertal::compare {
namespace {

using frames::EpisodeList;
using frames::FrameBytes;

template <std::size_t N>
using Key = std::array<std::uint8_t, N>;

template <std::size_t N>
Key<N> KeyOf(std::span<const std::uint8_t> bytes) {
  Key<N> key{};
  std::copy_n(bytes.begin(), N, key.begin());
  return key;
}

std::vector<Key<frames::kFrameSize>> ValidFrames(const Reading& r) {
  const recording::FrameIndex& index = r.recording.index;
  std::vector<Key<frames::kFrameSize>> keys;
  keys.reserve(index.ringOrder.size());
  for (const std::int64_t n : index.ringOrder)
    keys.push_back(KeyOf<frames::kFrameSize>(r.recording.image.Frame(n)));
  std::sort(keys.begin(), keys.end());
  return keys;
}

// Every valid record of a family in the file, by number.
template <typename Visit>
void VisitValidRecords(const Reading& r, const records::TableLayout& layout, Visit&& visit) {
  const dump::RecordFamily& family = layout.family;
  const auto bytes = r.recording.image.Bytes();
  const auto size = static_cast<std::size_t>(family.size);
  for (std::int64_t k = 0; k < family.count; ++k) {
    const std::int64_t offset = family.Offset(k);
    const ByteSpan record = bytes.subspan(static_cast<std::size_t>(offset), size);
    if (records::RecordValid(layout, record, offset + family.size <= r.recording.image.fileSize))
      visit(k, record);
  }
}

// Records of the later file beyond the copies the earlier file holds, with their table rows.
template <std::size_t N, typename AddItem>
NewRecords NewInFamily(const Reading& older, const Reading& newer, const records::TableLayout& layout,
                       ItemWording wording, std::string_view separator, AddItem&& addItem) {
  std::vector<Key<N>> known;
  VisitValidRecords(older, layout, [&](std::int64_t, ByteSpan r) { known.push_back(KeyOf<N>(r)); });
  std::sort(known.begin(), known.end());
  std::vector<bool> matched(known.size(), false);
  NewRecords found{JumpList(wording), {}};
  VisitValidRecords(newer, layout, [&](std::int64_t k, ByteSpan r) {
    const Key<N> key = KeyOf<N>(r);
    const auto [first, last] = std::equal_range(known.begin(), known.end(), key);
    for (auto it = first; it != last; ++it) {
      const auto i = static_cast<std::size_t>(it - known.begin());
      if (!matched[i]) {
        matched[i] = true;
        return;
      }
    }
    addItem(found.items, k, r);
    found.fields.push_back(layout.fields(r, separator));
  });
  return found;
}

}  // namespace

NewEpisodes FindNewEpisodes(const Reading& older, const Reading& newer) {
  const std::vector<Key<frames::kFrameSize>> known = ValidFrames(older);
  NewEpisodes found{JumpList(frames::kOverloadWording), JumpList(frames::kTuningWording),
                    JumpList(frames::kMzonWording), JumpList(frames::kSwitchOnWording)};
  const recording::RecordingImage& image = newer.recording.image;
  const recording::FrameIndex& index = newer.recording.index;
  // In slot order, as the page lists them.
  for (std::int64_t n = 0; n < static_cast<std::int64_t>(index.kinds.size()); ++n) {
    if (!index.Valid(n)) continue;
    const std::uint8_t opened = recording::OpenedItems(image, index, n);
    if (opened == 0) continue;
    const FrameBytes frame = image.Frame(n);
    if (std::binary_search(known.begin(), known.end(), KeyOf<frames::kFrameSize>(frame))) continue;
    const frames::FrameRecord f(frame);
    const auto add = [&](JumpList& list, EpisodeList which) {
      if (frames::Has(opened, which)) list.Add(n, f.Date(), f.Time());
    };
    add(found.overloads, EpisodeList::Overload);
    add(found.tuning, EpisodeList::Tuning);
    add(found.mzon, EpisodeList::Mzon);
    add(found.switchOns, EpisodeList::SwitchOn);
  }
  return found;
}

NewRecords FindNewOverloads(const Reading& older, const Reading& newer, std::string_view separator) {
  return NewInFamily<static_cast<std::size_t>(dump::kOverloadRecords.size)>(
      older, newer, events::OverloadTableLayout(), ItemWording::Date, separator,
      [](JumpList& list, std::int64_t k, ByteSpan r) {
        list.Add(k, r.subspan<events::kOverloadDate, 3>());
      });
}

NewRecords FindNewKds(const Reading& older, const Reading& newer, std::string_view separator) {
  if (!events::KdsRecordsKept(older.head.RecorderVersion()) ||
      !events::KdsRecordsKept(newer.head.RecorderVersion()))
    return {JumpList(ItemWording::DateAndTime), {}};
  return NewInFamily<static_cast<std::size_t>(dump::kKdsRecords.size)>(
      older, newer, events::KdsTableLayout(), ItemWording::DateAndTime, separator,
      [](JumpList& list, std::int64_t k, ByteSpan r) {
        list.Add(k, r.subspan<events::kKdsDate, 3>(), r.subspan<events::kKdsTime, 3>());
      });
}

}  // namespace vertal::compare
