#pragma once
// The two tables of a fleet run in the machine dialect: cranes (one row per dump file) and
// events (one row per episode of the period scan, per overload record and per KDS record).
// Every event row carries the file's SHA-256, so the tables join on it.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/core/CsvWriter.h"
#include "fleet/core/FleetDump.h"

namespace vertal::fleet {

inline constexpr std::string_view kCranesTable = "cranes.csv";
inline constexpr std::string_view kEventsTable = "events.csv";

// What an event row is: an episode of one of the period scan's lists, an overload record or a
// KDS record. The episode's list is the `list` column.
inline constexpr std::string_view kEpisodeKind = "episode";
inline constexpr std::string_view kOverloadKind = "overload";
inline constexpr std::string_view kKdsKind = "kds";

// The name of an episode list in the `list` column: overload, tuning, mzon, switch_on.
std::string_view EpisodeListName(Episodes list);

void WriteCraneHeader(CsvWriter& out);
void WriteCraneRow(CsvWriter& out, const CraneRow& row);

// One event; fields that do not apply to its kind stay empty.
struct EventRow {
  std::string_view kind, list;
  std::string frame, record;
  std::string date, time;  // as shown: dd.mm.yy and hh:mm:ss
  std::string loadPercent, radius, capacity, mode;  // frames and overload records
  std::string parameterCode, parameter, value, unit;  // KDS records
};

// The identification that every event row of one dump repeats.
struct EventOwner {
  std::string_view sha256, limiterSerial, craneSerial;
};

void WriteEventHeader(CsvWriter& out);
void WriteEventRow(CsvWriter& out, const EventOwner& owner, const EventRow& event);

}  // namespace vertal::fleet
