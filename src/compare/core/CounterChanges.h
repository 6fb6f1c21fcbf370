#pragma once
// The lifetime counters of two readings side by side: the texts the service and load spectrum
// pages show for each reading and the change between them, in the same units.

#include <string_view>
#include <vector>

#include "compare/core/Reading.h"
#include "compare/core/ReadingDiff.h"

namespace vertal::compare {

// Work cycles and load cycles per load range, their totals, the mechanism and operating times,
// the lifted weight, the overload counts and the characteristic number; the rows that the
// later reading's version hides are left out.
std::vector<CounterChange> CounterChanges(const Reading& older, const Reading& newer,
                                          std::string_view separator);

// What a reading's counters are read from: its pages as shown and its decoded counters.
struct CounterSource {
  const dump::ServicePages& pages;
  const dump::LongTermInfo& info;
};
std::vector<CounterChange> CounterChanges(const CounterSource& older, const CounterSource& newer,
                                          std::string_view separator);

}  // namespace vertal::compare
