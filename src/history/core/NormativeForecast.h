#pragma once
// When a crane reaches its normative characteristic number: the least-squares line of its
// characteristic number over the readout days of the readings since its last reset.

#include <cstdint>
#include <string_view>
#include <vector>

#include "history/core/CraneHistory.h"

namespace vertal::history {

// `readings` in readout order with their segments set; `normative` of the last reading.
Forecast NormativeForecast(const std::vector<HistoryReading>& readings, std::int32_t normative,
                           std::string_view separator);

}  // namespace vertal::history
