#pragma once
// The information card: the service page, the load spectrum and the summaries of the last
// overload and KDS searches, as the window shows them, laid out on two A4 pages. The card
// reads nothing from the dump file.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// A caption and its value as the card prints them.
struct CaptionedValue {
  std::string_view caption;
  std::string value;
};

// The caption and value rows of the card's sections 1 to 5.2, in print order.
std::vector<CaptionedValue> CardRows(const CardInputs& inputs);

// The headings of the load table's columns: the range, the work cycles, the load cycles.
inline constexpr std::array<std::string_view, 3> kLoadTableHeadings = {
    "Диапазоны нагрузок", "Число рабочих циклов", "Число циклов нагружения"};

// The captions of the load ranges, which follow the recorder version.
std::array<std::string_view, dump::kLoadBinCount> LoadRangeCaptions(std::int8_t recorderVersion);

}  // namespace vertal::reports
