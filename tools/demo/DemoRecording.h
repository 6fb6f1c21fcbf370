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
};

// Fills every part of the dump.
void BuildDemo(testing::DumpBuilder& builder, const DemoOptions& options = {});

}  // namespace vertal::demo
