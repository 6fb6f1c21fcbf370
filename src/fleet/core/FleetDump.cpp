#include "fleet/core/FleetDump.h"

#include <algorithm>
#include <sstream>

#include "common/core/Bcd.h"
#include "common/core/Bytes.h"
#include "common/core/CollectingHost.h"
#include "dump/core/DumpHead.h"
#include "dump/core/RecordAccess.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "fleet/core/FleetTables.h"
#include "records/core/RecordPass.h"
#include "recording/core/FrameIndex.h"

namespace vertal::fleet {
namespace {

constexpr std::string_view kDecimalPoint = ".";
constexpr std::string_view kBlanks = " \t\r\n";

// The fields of the overload table, in the order of its rows.
enum class OverloadField : std::size_t { Radius, Capacity, Percent, Date, Mode };

// A message box's text on one line.
std::string OneLine(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  std::string line(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
  std::replace_if(line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return line;
}

// The lists of the period scan in the order of Episodes.
std::array<const JumpList*, kEpisodeListCount> ListsOf(const frames::PeriodScanResult& period) {
  return {&period.overloads, &period.tuning, &period.mzon, &period.switchOns};
}

class EventTable {
 public:
  EventTable(const CraneRow& row)
      : owner_{row.sha256, row.shown.limiterSerial, row.shown.craneSerial},
        csv_(text_, MachineDialect()) {}

  void Add(const EventRow& event) { WriteEventRow(csv_, owner_, event); }
  std::size_t Count() const { return static_cast<std::size_t>(csv_.Rows()); }
  std::string Take() {
    csv_.Flush();
    return std::move(text_).str();
  }

 private:
  EventOwner owner_;
  std::ostringstream text_;
  CsvWriter csv_;
};

void AddEpisodes(const frames::PeriodScanResult& period, const recording::RecordingImage& image,
                 CraneRow& row, EventTable& events) {
  const auto lists = ListsOf(period);
  for (std::size_t k = 0; k < kEpisodeListCount; ++k) {
    row.episodes[k] = lists[k]->Count();
    for (const std::int64_t n : lists[k]->Numbers()) {
      const frames::FrameRecord f(image.Frame(n));
      EventRow e;
      e.kind = kEpisodeKind;
      e.list = EpisodeListName(static_cast<Episodes>(k));
      e.frame = std::to_string(n);
      e.date = BcdDateText(f.Date());
      e.time = BcdTimeText(f.Time());
      e.loadPercent = std::to_string(f.LoadMoment());
      events.Add(e);
    }
  }
}

void AddOverloadRecords(const std::string& path, CraneRow& row, EventTable& events) {
  const auto& layout = events::OverloadTableLayout();
  records::ForEachValidRecord<events::OverloadRule>(path, {}, [&](std::int64_t k, ByteSpan r) {
    const std::vector<std::string> fields = layout.fields(r, kDecimalPoint);
    const auto field = [&fields](OverloadField f) { return fields[static_cast<std::size_t>(f)]; };
    EventRow e;
    e.kind = kOverloadKind;
    e.record = std::to_string(k);
    e.date = field(OverloadField::Date);
    e.loadPercent = field(OverloadField::Percent);
    e.radius = field(OverloadField::Radius);
    e.capacity = field(OverloadField::Capacity);
    e.mode = field(OverloadField::Mode);
    events.Add(e);
    ++row.overloadRecords;
  });
}

void AddKdsRecords(const std::string& path, CraneRow& row, EventTable& events) {
  if (!events::KdsRecordsKept(row.recorderVersion)) return;
  records::ForEachValidRecord<events::KdsRule>(path, {}, [&](std::int64_t k, ByteSpan r) {
    const int code = r[events::kKdsCode];
    const std::int16_t value = lei16(&r[events::kKdsValue]);
    EventRow e;
    e.kind = kKdsKind;
    e.record = std::to_string(k);
    e.date = BcdDateText(r.subspan<events::kKdsDate, 3>());
    e.time = BcdTimeText(r.subspan<events::kKdsTime, 3>());
    e.parameterCode = std::to_string(code);
    e.parameter = events::FormatKdsParameter(code);
    e.value = events::FormatKdsNumber(code, value, kDecimalPoint);
    e.unit = events::KdsUnit(code);
    events.Add(e);
    ++row.kdsRecords;
  });
}

}  // namespace

OpenedFleetDump OpenFleetDump(const std::string& path, recording::Digest digest) {
  OpenedFleetDump opened;
  CollectingHost host;
  opened.head = dump::OpenDumpHead(path, host);
  if (!opened.head) {
    opened.error = host.Messages().empty() ? OneLine(dump::kOpenFailedText)
                                           : OneLine(host.Messages().front().text);
    return opened;
  }
  opened.damagedLongTermRecords = host.Messages().size();
  opened.indexed = recording::ReadIndexed(path, digest);
  if (!opened.indexed) {
    opened.error = OneLine(dump::kOpenFailedText);
    return opened;
  }
  // A file without a byte holds no recording: it is told as the window tells a short file.
  if (opened.indexed->image.fileSize == 0)
    opened.error = OneLine(dump::FileSizeNotice(opened.indexed->image.fileSize));
  return opened;
}

FleetDump ReadFleetDump(const std::string& path, const FleetReading& reading) {
  FleetDump result;
  CraneRow& row = result.row;
  row.file = path;
  const auto unreadable = [&row] { row.error = OneLine(dump::kOpenFailedText); };

  const OpenedFleetDump opened = OpenFleetDump(path, recording::Digest::Compute);
  if (!opened.indexed) {
    row.error = opened.error;
    return result;
  }
  const dump::DumpHead& head = *opened.head;
  const recording::IndexedRecording& indexed = *opened.indexed;
  const recording::RecordingImage& image = indexed.image;
  row.sha256 = recording::DigestHex(*image.digest);
  row.sizeBytes = image.fileSize;
  row.complete = image.fileSize == dump::kDumpFileSize;
  if (!opened.Read()) {
    row.error = opened.error;
    return result;
  }

  const std::optional<frames::PeriodScanResult> period = frames::ScanRecordingPeriod(path);
  if (!period) {
    unreadable();
    return result;
  }
  row.damagedLongTermRecords = opened.damagedLongTermRecords;
  row.recorderVersion = head.RecorderVersion();
  const dump::ServicePages pages = dump::PresentServicePages(head, kDecimalPoint);
  row.shown = pages.service;
  row.loadCycleTotal = pages.load.loadCycleTotal;
  row.workCycleTotal = pages.load.workCycleTotal;
  // The loaded time is read where the service page shows it.
  row.info = dump::ReadLongTermInfo(head.longTerm, row.shown.loadedTime.has_value());
  row.classification =
      dump::Classify(row.info.loadCycles, row.info.charNumber, row.shown.normativeGroup);
  row.readoutDate = dump::ReadOperatorTrailer(head.trailer).date;
  row.first = period->earliest;
  row.last = period->latest;
  row.invalidFrames = static_cast<std::size_t>(std::count(
      indexed.index.kinds.begin(), indexed.index.kinds.end(), recording::SlotKind::Damaged));

  EventTable events(row);
  AddEpisodes(*period, image, row, events);
  AddOverloadRecords(path, row, events);
  AddKdsRecords(path, row, events);
  result.eventCount = events.Count();
  result.events = events.Take();

  if (reading.cardSeparator) result.cardPages = dump::PresentServicePages(head, *reading.cardSeparator);
  return result;
}

}  // namespace vertal::fleet
