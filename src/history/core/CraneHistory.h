#pragma once
// The history of each crane over all its readings: the readings of one limiter on one crane in
// the order they were read out, every lifetime counter at each reading and its change since the
// reading before, the design life used per period, the overloads above 125 % recorded per
// period, what looks odd across the readings, and the day the crane reaches its normative
// characteristic number by a least-squares line over the readings since the last reset.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/ProgressSink.h"
#include "compare/core/ReadingDiff.h"

namespace vertal::history {

using compare::Estimate;

// One lifetime counter at one reading: the text the page shows and its change since the
// reading before ("+12", "-0:01:00", "0"); no change at a crane's first reading.
struct CounterValue {
  std::string value;
  std::optional<std::string> change;
};

struct HistoryReading {
  std::string file;                          // as found or named
  std::string dateText;                      // the readout date as the service page shows it
  std::optional<std::chrono::sys_days> day;  // nothing when the file holds no valid date
  double charNumber = 0.0;
  std::string charNumberText;  // as the service page shows it ("#0.00")
  double liftedWeight = 0.0;   // tonnes
  std::string liftedWeightText;  // whole tonnes, without the service page's mark of the bank
  // The weight lifted since the reading before (tonnes); nothing at the first reading and
  // after a reset.
  std::optional<double> liftedInPeriod;
  std::string liftedInPeriodText;  // whole tonnes as the service page counts them; "" when none
  std::string owner;
  std::vector<CounterValue> counters;  // in the order of CraneHistory::counterNames
  // The share of the normative characteristic number used since the reading before; no value
  // at the first reading, after a reset or without a normative group (the text says why).
  Estimate lifeUsed;
  std::optional<double> lifeUsedPercent;
  // Overload records above 125 % that this reading holds and the reading before does not;
  // nothing at the first reading.
  std::optional<std::size_t> overloadsAbove125;
  std::size_t clockFindings = 0;  // findings of the audit's clock checks
  std::size_t segment = 0;        // the fit segment: how many resets come before this reading
};

// What looks odd across the readings of a crane.
enum class FindingKind {
  CounterLower,   // a counter lower than at the reading before: the limiter replaced or reset
  SameDay,        // two readings of the same day
  ClockFindings,  // the audit of a reading finds faults of the frames' clock
  GroupChanged,   // the normative group differs from the reading before
};

// "counter_lower", "same_day", "clock", "group_changed".
std::string_view FindingKindName(FindingKind kind);

struct HistoryFinding {
  FindingKind kind = FindingKind::CounterLower;
  std::vector<std::size_t> readings;  // indices into CraneHistory::readings
  std::string text;                   // a sentence
};

// The least-squares line: characteristic number = valueAtOrigin + perDay * (day - origin).
struct FitLine {
  std::chrono::sys_days origin;
  double valueAtOrigin = 0.0;
  double perDay = 0.0;
};

struct Forecast {
  std::optional<std::chrono::sys_days> day;  // when the date below is given
  Estimate date;             // "dd.mm.yyyy" with its sentence, or the sentence why there is none
  std::size_t readings = 0;  // how many readings the fit rests on
  std::optional<std::chrono::sys_days> from, to;  // the span of their readout dates
  std::string spanText;                           // "dd.mm.yy – dd.mm.yy"; "" without readings
  std::optional<FitLine> line;                    // nothing with fewer than two dated readings
};

struct CraneHistory {
  // The identification as the last reading's service page shows it.
  std::string limiterSerial, crane, craneSerial, owner;
  std::string identification;  // "ограничитель зав. № 0412, кран КС-4571-Н № 1187"
  std::string normativeGroup;             // as the last reading shows it
  std::int32_t normativeNumber = 0;       // 0 when the group is not one of A1..A8
  std::vector<std::string> counterNames;  // the captions of the counters, once per crane
  std::vector<HistoryReading> readings;   // by readout date
  std::vector<HistoryFinding> findings;
  Forecast forecast;
  // The share of the normative characteristic number the last reading has used.
  Estimate lifeUsed;
  std::optional<double> lifeUsedPercent;
};

// A file that could not be read, with the fault's text as the fleet run gives it.
struct FailedFile {
  std::string file;
  std::string error;
};

struct FleetHistory {
  std::vector<CraneHistory> cranes;  // by limiter serial, crane model and crane serial
  std::vector<FailedFile> failed;    // in the order of the files
};

// The cranes, the most worn first: by the design life used, falling; cranes without a
// normative number last, in the order given.
std::vector<const CraneHistory*> ByLifeUsed(const std::vector<CraneHistory>& cranes);

// What is said when the paths hold no dump file.
inline constexpr std::string_view kNoDumpFilesText =
    "По указанным путям нет файлов считываний (.bin)";

struct HistoryRun {
  std::vector<std::string> files;  // see fleet::CollectDumpFiles
  unsigned jobs = 1;
  std::string separator = ".";  // of the numbers' texts
};

// Reads every file on `jobs` threads and builds the history of each crane. Only a summary of
// each reading is kept. `progress` counts the files read.
FleetHistory ReadHistory(const HistoryRun& run, const ProgressSink& progress = {});

struct FileHistory {
  std::optional<CraneHistory> crane;  // the crane of the file; nothing when it cannot be read
  std::vector<FailedFile> failed;     // the file itself first when it cannot be read
};

// The history of the crane of `file` over the dump files in `folder` (searched through) and
// the file itself.
FileHistory HistoryOfFile(const std::string& file, const std::string& folder, unsigned jobs,
                          std::string_view separator, const ProgressSink& progress = {});

}  // namespace vertal::history
