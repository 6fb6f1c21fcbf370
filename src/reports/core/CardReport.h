#pragma once
// The information card: the service page, the load spectrum and the summaries of the last
// overload and KDS searches, as the window shows them, laid out on two A4 pages. The card
// reads nothing from the dump file.

#include <cstdint>
#include <optional>
#include <string>

#include "dump/core/ServicePages.h"
#include "reports/core/ReportLayout.h"

namespace vertal::reports {

struct CardInputs {
  dump::ServicePages shown;     // the texts of both pages as the window shows them
  std::int8_t recorderVersion = 0;
  // The texts of the two search summaries; nothing while the label is hidden.
  std::optional<std::string> overloadSummary;
  std::optional<std::string> kdsSummary;
};

Report BuildCard(const CardInputs& inputs);

}  // namespace vertal::reports
