#pragma once
// A simulated crane that fills a dump the way a processing unit would: identification and
// lifetime counters, several weeks of working days in the operative memory (a ring buffer that
// has wrapped), overload records and parameter exceedances of the engine.

#include <cstdint>

#include "support/DumpBuilder.h"

namespace vertal::demo {

struct DemoOptions {
  std::uint32_t seed = 20080918;
  int firstDay = 1;  // September 2008
  int days = 21;
  std::int8_t recorderVersion = 31;
  // 0 is the demo crane; other numbers give other cranes of the same fleet (identification,
  // owner and lifetime counters differ).
  int crane = 0;
  // A later reading of the same crane: the crane works this many more days after the first
  // reading, so its counters, overload and exceedance records grow and the ring moves on.
  int laterDays = 0;
};

// Fills every part of the dump.
void BuildDemo(testing::DumpBuilder& builder, const DemoOptions& options = {});

}  // namespace vertal::demo
