#pragma once
// The load spectrum page: counters per load range, totals, and a bar diagram of one kind of
// counter relative to its largest range.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "dump/core/LongTermLayout.h"

namespace vertal::dump {

inline constexpr std::string_view kWorkCycleDiagramTitle = "Диаграмма нагрузки в рабочих циклах";
inline constexpr std::string_view kLoadCycleDiagramTitle = "Диаграмма нагрузки циклов нагружения";
inline constexpr int kGaugeMax = 100;

using Counters = std::array<std::int64_t, kLoadBinCount>;
using Bars = std::array<int, kLoadBinCount>;

// Each bar as a whole percentage of the largest counter (the first counter counts only when it
// is at least 1); all bars 0 when every counter is 0. Bars stay within 0..100.
Bars DiagramBars(const Counters& counters);

struct DiagramState {
  std::string title;
  Bars bars{};
};

// What a click on the diagram title shows: the other kind of counter and its title. The
// counters are those shown in the fields; an empty or unreadable field counts as 0.
DiagramState ToggleDiagram(std::string_view currentTitle,
                           const std::array<std::string, kLoadBinCount>& workCycleTexts,
                           const std::array<std::string, kLoadBinCount>& loadCycleTexts);

// A field's count; 0 for an empty or unreadable text.
std::int64_t CountFromText(std::string_view text);

}  // namespace vertal::dump
