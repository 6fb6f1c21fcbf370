#include "dump/core/LoadDistribution.h"

#include <algorithm>
#include <charconv>

namespace vertal::dump {

Bars DiagramBars(const Counters& x) {
  std::int64_t scale = x[0] >= 1 ? x[0] : 0;
  for (std::size_t k = 1; k < x.size(); ++k)
    if (x[k] > scale) scale = x[k];
  if (scale == 0) scale = 1;
  Bars bars{};
  for (std::size_t k = 0; k < x.size(); ++k)
    bars[k] = static_cast<int>(std::clamp<std::int64_t>(x[k] * kGaugeMax / scale, 0, kGaugeMax));
  return bars;
}

std::int64_t CountFromText(std::string_view text) {
  std::int32_t value = 0;  // counters are 32-bit; a longer number is unreadable
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc{} && end == text.data() + text.size() ? value : 0;
}

DiagramState ToggleDiagram(std::string_view currentTitle,
                           const std::array<std::string, kLoadBinCount>& workCycleTexts,
                           const std::array<std::string, kLoadBinCount>& loadCycleTexts) {
  const bool showLoadCycles = currentTitle == kWorkCycleDiagramTitle;
  const auto& texts = showLoadCycles ? loadCycleTexts : workCycleTexts;
  Counters counters{};
  for (std::size_t k = 0; k < texts.size(); ++k) counters[k] = CountFromText(texts[k]);
  return {std::string(showLoadCycles ? kLoadCycleDiagramTitle : kWorkCycleDiagramTitle),
          DiagramBars(counters)};
}

}  // namespace vertal::dump
