#pragma once
// One dump of a fleet run: the row that describes the file and its crane, and its recorded
// events already written as rows of the events table, all read by the same core the window
// opens a file with.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "dump/core/Classification.h"
#include "dump/core/DumpHead.h"
#include "dump/core/LongTermRecords.h"
#include "dump/core/ServicePages.h"
#include "frames/core/PeriodScan.h"
#include "recording/core/FrameIndex.h"

namespace vertal::fleet {

// The four episode lists of the period scan, in the order of the table's columns.
enum class Episodes : std::size_t { Overload, Tuning, Mzon, SwitchOn, Count };
inline constexpr std::size_t kEpisodeListCount = static_cast<std::size_t>(Episodes::Count);

struct CraneRow {
  std::string file;  // as found or named
  std::string sha256;
  std::int64_t sizeBytes = 0;
  bool complete = false;  // of the full size of a readout
  // The message the window would give for a file that could not be read; "" when it was read,
  // and then the fields below hold the file's contents.
  std::string error;

  std::int8_t recorderVersion = 0;
  dump::ServicePageModel shown;  // the service page's texts, numbers with a decimal point
  std::string loadCycleTotal, workCycleTotal;
  dump::LongTermInfo info;
  dump::CraneClassification classification;
  frames::BcdBytes readoutDate{};  // from the operator's record at the end of the file
  frames::Moment6 first, last;      // the recording period
  std::array<std::size_t, kEpisodeListCount> episodes{};
  std::size_t overloadRecords = 0, kdsRecords = 0;  // valid records
  std::size_t damagedLongTermRecords = 0;
  std::size_t invalidFrames = 0;  // written slots whose checksum, date or time is wrong

  bool Read() const { return error.empty(); }
};

struct FleetDump {
  CraneRow row;
  std::string events;  // rows of the events table, in the machine dialect
  std::size_t eventCount = 0;
  // The service pages as the window shows them, for the information card; only when asked.
  std::optional<dump::ServicePages> cardPages;
};

struct FleetReading {
  // The decimal separator of the card's texts; no card pages when nothing.
  std::optional<std::string> cardSeparator;
};

// A dump file opened as a fleet run opens it: its head and its recording read and indexed.
struct OpenedFleetDump {
  std::optional<dump::DumpHead> head;
  std::optional<recording::IndexedRecording> indexed;  // also for a file without a byte
  std::size_t damagedLongTermRecords = 0;
  // The message the window would give for a file that cannot be read (one that cannot be
  // opened, or holds no byte), on one line; "" when it was read.
  std::string error;

  bool Read() const { return error.empty(); }
};
OpenedFleetDump OpenFleetDump(const std::string& path, recording::Digest digest);

// Reads one file. A file that cannot be opened, or holds no byte, gives a row with its error.
FleetDump ReadFleetDump(const std::string& path, const FleetReading& reading = {});

}  // namespace vertal::fleet
