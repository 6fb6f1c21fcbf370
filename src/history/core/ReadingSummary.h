#pragma once
// One reading as a crane's history keeps it: what its service pages show, its decoded counters,
// its readout day, its overload records above 125 % and what the clock checks of its audit
// find; never the recording itself, so that a history of many readings stays small.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dump/core/DumpLayout.h"
#include "dump/core/LongTermRecords.h"
#include "dump/core/ServicePages.h"

namespace vertal::history {

// An overload record's bytes: records are matched between readings by their bytes.
using OverloadKey = std::array<std::uint8_t, static_cast<std::size_t>(dump::kOverloadRecords.size)>;

// A record above this load counts as an overload above 125 %.
inline constexpr int kHeavyOverloadPercent = 125;

struct ReadingSummary {
  std::string file;
  std::string error;  // as the fleet run gives it; "" when the file was read
  dump::ServicePages pages;
  dump::LongTermInfo info;
  std::optional<std::chrono::sys_days> day;  // the readout date; nothing when it is no date
  std::vector<OverloadKey> heavyOverloads;   // valid records above 125 %, sorted
  std::vector<std::string> clockFindings;    // the texts of the clock checks' findings

  bool Read() const { return error.empty(); }
};

// Reads one file; numbers with `separator`. A fault while reading gives the summary its text.
ReadingSummary SummariseReading(const std::string& path, std::string_view separator);

// How many of `newer` the sorted `older` does not hold: a record held k times in `older`
// counts as new from its (k+1)-th copy on.
std::size_t NewRecordCount(const std::vector<OverloadKey>& older,
                           const std::vector<OverloadKey>& newer);

}  // namespace vertal::history
