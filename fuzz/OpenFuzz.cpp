// Fuzzes the Open command and the commands a user runs afterwards, on a dump file on disk: the
// page turns of the three tables, the three searches and the moves of both graphs.
//
// The interesting bytes of a dump lie anywhere in its 8,683,654 bytes, so a small input is
// mapped onto a full-size dump: the demo recording, built in memory once, with the input's
// patches applied.
// Input layout (missing bytes are zero, so the empty input is the demo dump as it is):
//   byte 0     bits 0-1: the file's length: 0 the whole dump, 1 cut to the length parameter,
//              2 lengthened by it (zeros), 3 the bytes after the header alone (no dump);
//              bit 2: recorder version 30 (no KDS records); bit 3: "," as the decimal separator
//   bytes 1-3  the length parameter (little-endian)
//   bytes 4-7  where the page turns and the graph moves go
//   then patches: 3 bytes offset (little-endian, taken modulo the file's length), 1 byte whose
//   low 7 bits are the count of bytes that follow and whose high bit closes the checksum of
//   the record the patch starts in, so that changed records can still pass as valid.

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "FuzzCheck.h"
#include "app/core/OpenDump.h"
#include "dump/core/Checksum.h"
#include "common/core/ControlSnapshot.h"
#include "dump/core/DumpLayout.h"
#include "dump/core/LongTermLayout.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "frames/core/FrameSearch.h"
#include "frames/core/FrameTable.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "tools/demo/DemoRecording.h"

namespace {

namespace app = vertal::app;
namespace dump = vertal::dump;
namespace events = vertal::events;
namespace frames = vertal::frames;
namespace graphs = vertal::graphs;
namespace records = vertal::records;
using vertal::ControlSnapshot;
using vertal::GridColumns;
using vertal::JumpList;
using vertal::Message;
using vertal::MessageKind;
using vertal::PassEnd;
using vertal::ValidUtf8;
using vertal::testing::FakeHost;

constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kPatchHeaderSize = 4;
constexpr std::size_t kMaxFileSize = 9 * 1024 * 1024;
constexpr auto kDumpSize = static_cast<std::size_t>(dump::kDumpFileSize);
constexpr std::uint8_t kCloseRecord = 0x80;
constexpr std::uint8_t kPatchLengthMask = 0x7F;

enum LengthMode : std::uint8_t { kWhole = 0, kCut = 1, kLengthened = 2, kRaw = 3 };
constexpr std::uint8_t kLengthModeMask = 0x03;
constexpr std::uint8_t kVersion30Flag = 0x04;
constexpr std::uint8_t kCommaFlag = 0x08;

// The records whose checksum a patch may close: every place of the long-term area, the event
// records, the frames and the trailer.
struct Place {
  std::int64_t offset;
  std::int64_t size;
};

std::optional<Place> RecordAt(std::int64_t offset) {
  using namespace vertal::dump;
  for (const RecordFamily& f : {kOverloadRecords, kKdsRecords, kFrames}) {
    if (offset < f.Offset(0) || offset >= f.Offset(f.count)) continue;
    const std::int64_t n = (offset - f.Offset(0)) / f.size;
    return Place{f.Offset(n), f.size};
  }
  if (offset >= kTrailerOffset && offset < kDumpFileSize) return Place{kTrailerOffset, kTrailerSize};
  for (const std::int64_t bank : kBankOffset)
    for (const RecordPlace& p : {kLimiterIdent, kCraneIdent, kCharNumber, kLoadCycles, kWorkCycles,
                                 kMechanismTimes, kEngineHours})
      if (offset >= bank + p.offset && offset < bank + p.offset + p.size) return Place{bank + p.offset, p.size};
  for (const RecordPlace& p : {kUnitService1, kLoadedTime, kUnitService2})
    if (offset >= p.offset && offset < p.offset + p.size) return Place{p.offset, p.size};
  return std::nullopt;
}

const std::vector<std::uint8_t>& DemoImage() {
  static const std::vector<std::uint8_t> image = [] {
    vertal::testing::DumpBuilder builder;
    vertal::demo::BuildDemo(builder);
    return builder.Bytes();
  }();
  return image;
}

// The scratch file, removed when the fuzzer ends. The path outlives the static objects, whose
// destructors run before the exit handler.
const std::string& ScratchPath() {
  static const std::string* const path = [] {
    const auto* p = new std::string((std::filesystem::temp_directory_path() /
                                     ("vertal-fuzz-open-" + std::to_string(::getpid()) + ".bin"))
                                        .string());
    std::atexit([] { ::unlink(ScratchPath().c_str()); });
    return p;
  }();
  return *path;
}

std::uint32_t Le(std::span<const std::uint8_t> bytes) {
  std::uint32_t v = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) v = v << 8 | bytes[i];
  return v;
}

struct Input {
  std::vector<std::uint8_t> file;
  std::string separator;
  std::uint32_t positions = 0;
};

Input MakeInput(std::span<const std::uint8_t> data) {
  std::array<std::uint8_t, kHeaderSize> header{};
  std::copy_n(data.begin(), std::min(data.size(), kHeaderSize), header.begin());
  const std::span<const std::uint8_t> body = data.subspan(std::min(data.size(), kHeaderSize));
  const std::uint32_t lengthParameter = Le(std::span(header).subspan(1, 3));

  Input in;
  in.separator = (header[0] & kCommaFlag) ? "," : ".";
  in.positions = Le(std::span(header).subspan(4, 4));
  const auto mode = static_cast<LengthMode>(header[0] & kLengthModeMask);
  if (mode == kRaw) {
    in.file.assign(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(std::min(body.size(), kMaxFileSize)));
    return in;
  }
  in.file = DemoImage();
  if (header[0] & kVersion30Flag) {
    for (const std::int64_t bank : dump::kBankOffset) {
      const auto at = static_cast<std::size_t>(bank + dump::kLimiterIdent.offset);
      in.file[at + static_cast<std::size_t>(dump::kLimRecorderVersion)] = 30;
      vertal::CloseRecord(std::span(in.file).subspan(at, static_cast<std::size_t>(dump::kLimiterIdent.size)));
    }
  }
  if (mode == kCut) in.file.resize(lengthParameter % (kDumpSize + 1));
  if (mode == kLengthened) in.file.resize(kDumpSize + lengthParameter % (kMaxFileSize - kDumpSize + 1));
  if (in.file.empty()) return in;

  std::size_t at = 0;
  while (at + kPatchHeaderSize <= body.size()) {
    const std::size_t offset = Le(body.subspan(at, 3)) % in.file.size();
    const std::uint8_t control = body[at + 3];
    at += kPatchHeaderSize;
    const std::size_t count = std::min<std::size_t>({static_cast<std::size_t>(control & kPatchLengthMask), body.size() - at,
                                                     in.file.size() - offset});
    std::copy_n(body.begin() + static_cast<std::ptrdiff_t>(at), count, in.file.begin() + static_cast<std::ptrdiff_t>(offset));
    at += count;
    if (!(control & kCloseRecord)) continue;
    if (const auto place = RecordAt(static_cast<std::int64_t>(offset));
        place && static_cast<std::size_t>(place->offset + place->size) <= in.file.size())
      vertal::CloseRecord(std::span(in.file).subspan(static_cast<std::size_t>(place->offset),
                                                     static_cast<std::size_t>(place->size)));
  }
  return in;
}

void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  FUZZ_CHECK(out.good());
}

// A result list: one number per item, in record order, each a record of the family.
void CheckList(const JumpList& list, std::int64_t count) {
  const std::vector<std::int64_t>& numbers = list.Numbers();
  FUZZ_CHECK(list.Count() == numbers.size());
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    FUZZ_CHECK(numbers[i] >= 0 && numbers[i] < count);
    if (i > 0) FUZZ_CHECK(numbers[i] > numbers[i - 1]);
    FUZZ_CHECK(ValidUtf8(list.Text(i)));
  }
}

void CheckGrid(const GridColumns& grid) {
  for (const auto& column : grid)
    for (const auto& cell : column) FUZZ_CHECK(ValidUtf8(cell));
}

// Every text of the models is UTF-8 and every list in record order.
template <typename... Models>
void CheckControls(std::int64_t listCount, const Models&... models) {
  ControlSnapshot snapshot;
  (snapshot.Add(models), ...);
  for (const auto& [name, value] : snapshot.Values()) {
    std::visit(
        [&](const auto& v) {
          using T = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<T, std::string>) FUZZ_CHECK(ValidUtf8(v));
          if constexpr (std::is_same_v<T, JumpList>) CheckList(v, listCount);
          if constexpr (std::is_same_v<T, GridColumns>) CheckGrid(v);
        },
        value);
  }
}

// A table page at the clamped position with the layout's shape: the record numbers in the first
// row and a mark in the last, or every cell empty.
void CheckPage(const records::TablePage& page, const records::TableLayout& layout, std::int64_t asked,
               bool empty) {
  FUZZ_CHECK(page.position == records::ClampPosition(layout, asked));
  FUZZ_CHECK(page.position >= 0 && page.position <= layout.MaxPosition());
  FUZZ_CHECK(page.columns.size() == static_cast<std::size_t>(layout.columns));
  FUZZ_CHECK(!page.unreadable);
  for (std::size_t c = 0; c < page.columns.size(); ++c) {
    const auto& column = page.columns[c];
    FUZZ_CHECK(column.size() == static_cast<std::size_t>(layout.rows));
    if (empty) {
      for (const auto& cell : column) FUZZ_CHECK(cell.empty());
      continue;
    }
    FUZZ_CHECK(column.front() == std::to_string(page.position + static_cast<std::int64_t>(c)));
    FUZZ_CHECK(column.back() == "НОРМА" || column.back() == "БРАК");
  }
  CheckGrid(page.columns);
}

void CheckGraph(const graphs::GraphModel& model, std::optional<std::int64_t> asked) {
  const graphs::GraphView& view = model.View();
  if (asked) FUZZ_CHECK(view.position == graphs::ClampGraphPosition(*asked));
  FUZZ_CHECK(view.position >= 0 && view.position <= graphs::kMaxPosition);
  FUZZ_CHECK(view.axis == graphs::WindowAxis(view.position));
  FUZZ_CHECK(ValidUtf8(view.title) && ValidUtf8(view.axisTitle));
  FUZZ_CHECK(view.series.size() == model.SeriesNames().size());
  for (const auto& series : view.series) {
    FUZZ_CHECK(series.x.size() == series.y.size());
    for (const double x : series.x)
      FUZZ_CHECK(x >= static_cast<double>(view.position) &&
                 x < static_cast<double>(view.position + graphs::kWindowFrames));
  }
  FUZZ_CHECK(view.limit.x.size() == view.limit.y.size());
}

// Positions a little beyond both ends of each range, as a scroll bar never gives them.
std::int64_t Spread(std::uint32_t value, std::int64_t count) {
  constexpr std::int64_t kBeyond = 64;
  return static_cast<std::int64_t>(value % static_cast<std::uint32_t>(count + 2 * kBeyond)) - kBeyond;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Input in = MakeInput(std::span(data, size));
  const std::string& path = ScratchPath();
  Write(path, in.file);

  FakeHost host;
  const std::optional<app::OpenedDump> opened = app::OpenDump(path, host, in.separator);
  // The file is there: only the checksum messages of the long-term records can show.
  FUZZ_CHECK(opened.has_value());
  FUZZ_CHECK(host.messages.size() <= 17);
  for (const Message& m : host.messages) FUZZ_CHECK(m.kind == MessageKind::Plain && ValidUtf8(m.text));
  const app::OpenedDump& o = *opened;
  FUZZ_CHECK(o.fileSize == static_cast<std::int64_t>(in.file.size()));

  const std::int8_t version = o.recorderVersion;
  const bool kdsKept = events::KdsRecordsKept(version);
  CheckControls(dump::kFrameCount, o.service.service, o.service.load, o.period.model);
  FUZZ_CHECK(o.period.end == PassEnd::Done);
  CheckPage(o.overloadTable, events::OverloadTableLayout(), dump::kOverloadRecords.count, false);
  CheckPage(o.kds.table, events::KdsTableLayout(), dump::kKdsRecords.count, !kdsKept);
  CheckPage(o.frameTable, frames::FrameTableLayout(), dump::kFrameCount, false);
  FUZZ_CHECK(o.kds.search.has_value() == !kdsKept);
  FUZZ_CHECK(o.kds.note.empty() == kdsKept);
  FUZZ_CHECK(ValidUtf8(o.kds.note));
  CheckGraph(o.param, std::nullopt);
  CheckGraph(o.relay, std::nullopt);

  // Page turns.
  const std::uint32_t p = in.positions;
  const std::int64_t framePosition = Spread(p, dump::kFrameCount);
  const std::int64_t overloadPosition = Spread(p >> 8, dump::kOverloadRecords.count);
  const std::int64_t kdsPosition = Spread(p >> 16, dump::kKdsRecords.count);
  CheckPage(records::TurnPage(path, frames::FrameTableLayout(), framePosition, in.separator, host),
            frames::FrameTableLayout(), framePosition, false);
  CheckPage(records::TurnPage(path, events::OverloadTableLayout(), overloadPosition, in.separator, host),
            events::OverloadTableLayout(), overloadPosition, false);
  CheckPage(events::TurnKdsPage(path, version, kdsPosition, in.separator, host),
            events::KdsTableLayout(), kdsPosition, !kdsKept);

  // The searches, with fields that are always accepted.
  const auto found = frames::RunFrameSearch(path, {"110", true, true}, host);
  FUZZ_CHECK(found.end == PassEnd::Done);
  FUZZ_CHECK(found.model.count == std::to_string(found.model.found.Count()));
  CheckControls(dump::kFrameCount, found.model);

  const auto overloads = events::RunOverloadSearch(path, {"0", "01.01.00", "31.12.99"}, host);
  FUZZ_CHECK(overloads.end == PassEnd::Done);
  FUZZ_CHECK(overloads.model.count == std::to_string(overloads.model.found.Count()));
  CheckControls(dump::kOverloadRecords.count, overloads.model);

  const auto kds = events::RunKdsSearch(path, version, {5, "10.09.08", "20.09.08"}, host);
  FUZZ_CHECK(kds.end == (kdsKept ? PassEnd::Done : PassEnd::Refused));
  CheckControls(dump::kKdsRecords.count, kds.model);

  // Both graphs moved.
  graphs::GraphModel param = o.param;
  graphs::GraphModel relay = o.relay;
  const std::int64_t graphPosition = Spread(p * 2654435761u, dump::kFrameCount);
  param.MoveTo(path, graphPosition, host);
  relay.MoveTo(path, graphPosition, host);
  CheckGraph(param, graphPosition);
  CheckGraph(relay, graphPosition);

  // Nothing after the opening showed a message: the file stayed readable and the fields valid.
  for (const Message& m : host.messages) FUZZ_CHECK(m.kind == MessageKind::Plain);
  return 0;
}
