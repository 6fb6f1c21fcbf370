#include "history/core/ReadingSummary.h"

#include <algorithm>
#include <exception>

#include "compare/core/WearForecast.h"
#include "dump/core/OperatorTrailer.h"
#include "events/core/OverloadRecords.h"
#include "fleet/core/FleetDump.h"
#include "recording/core/AuditChecks.h"

namespace vertal::history {
namespace {

std::vector<OverloadKey> HeavyOverloads(const recording::RecordingImage& image) {
  constexpr dump::RecordFamily family = dump::kOverloadRecords;
  const auto bytes = image.Bytes();
  std::vector<OverloadKey> keys;
  for (std::int64_t k = 0; k < family.count; ++k) {
    // Only records that lie wholly in the file can be valid.
    if (family.Offset(k) + family.size > image.fileSize) break;
    const auto record = bytes.subspan(static_cast<std::size_t>(family.Offset(k)))
                            .first<events::OverloadRule::kSize>();
    if (!events::OverloadRule::Valid(record) ||
        record[events::kOverloadPercent] <= kHeavyOverloadPercent)
      continue;
    OverloadKey key{};
    std::copy(record.begin(), record.end(), key.begin());
    keys.push_back(key);
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

std::vector<std::string> ClockFindings(const recording::IndexedRecording& indexed) {
  recording::FindingList list;
  recording::CheckClock(indexed.image, indexed.index, list);
  std::vector<std::string> texts;
  for (recording::Finding& f : list.Take()) texts.push_back(std::move(f.text));
  return texts;
}

ReadingSummary Summarise(const std::string& path, std::string_view separator) {
  ReadingSummary r;
  r.file = path;
  const fleet::OpenedFleetDump opened = fleet::OpenFleetDump(path, recording::Digest::Skip);
  if (!opened.Read()) {
    r.error = opened.error;
    return r;
  }
  const dump::DumpHead& head = *opened.head;
  r.pages = dump::PresentServicePages(head, separator);
  // The loaded time is read where the service page shows it.
  r.info = dump::ReadLongTermInfo(head.longTerm, r.pages.service.loadedTime.has_value());
  r.day = compare::ReadoutDay(dump::ReadOperatorTrailer(head.trailer).date);
  r.heavyOverloads = HeavyOverloads(opened.indexed->image);
  r.clockFindings = ClockFindings(*opened.indexed);
  return r;
}

}  // namespace

ReadingSummary SummariseReading(const std::string& path, std::string_view separator) {
  try {
    return Summarise(path, separator);
  } catch (const std::exception& e) {
    ReadingSummary failed;
    failed.file = path;
    failed.error = e.what();
    return failed;
  }
}

std::size_t NewRecordCount(const std::vector<OverloadKey>& older,
                           const std::vector<OverloadKey>& newer) {
  std::size_t count = 0;
  auto known = older.begin();
  for (const OverloadKey& key : newer) {
    while (known != older.end() && *known < key) ++known;
    if (known != older.end() && *known == key)
      ++known;
    else
      ++count;
  }
  return count;
}

}  // namespace vertal::history
