#include "dump/core/Classification.h"

#include <iterator>

namespace vertal::dump {
namespace {

constexpr std::array<std::int32_t, 9> kClassOfUseThresholds = {
    16000, 32000, 63000, 125000, 250000, 500000, 1000000, 2000000, 4000000};

constexpr std::array<float, 4> kSpectrumClassBounds = {0.125f, 0.25f, 0.5f, 1.0f};

// Group by load spectrum class (rows Q1..Q4) and class of use (columns U0..U9).
constexpr int kGroups[4][10] = {
    {1, 1, 1, 2, 3, 4, 5, 6, 7, 8},
    {1, 1, 2, 3, 4, 5, 6, 7, 8, 8},
    {1, 2, 3, 4, 5, 6, 7, 8, 8, 8},
    {2, 3, 4, 5, 6, 7, 8, 8, 8, 8},
};

struct NormativeGroup {
  std::string_view text;
  std::int32_t number;
};
constexpr std::array<NormativeGroup, 8> kNormativeNumbers = {{
    {"A1", 8000}, {"A2", 16000}, {"A3", 32000}, {"A4", 63000},
    {"A5", 125000}, {"A6", 250000}, {"A7", 500000}, {"A8", 1000000},
}};

}  // namespace

std::int32_t NormativeNumber(std::string_view groupText) {
  for (const auto& g : kNormativeNumbers)
    if (g.text == groupText) return g.number;
  return 0;
}

CraneClassification Classify(const std::array<std::uint32_t, kLoadBinCount>& loadCycles,
                             float charNumber, std::string_view groupText) {
  CraneClassification c;
  c.normativeNumber = NormativeNumber(groupText);
  std::uint32_t total = 0;
  for (const std::uint32_t n : loadCycles) total += n;
  c.totalCycles = static_cast<std::int32_t>(total);  // 15 three-byte counters fit

  c.classOfUse = 0;
  for (const std::int32_t threshold : kClassOfUseThresholds)
    if (c.totalCycles >= threshold) ++c.classOfUse;

  const std::int32_t divisor = c.totalCycles == 0 ? 1 : c.totalCycles;
  c.spectrumFactor = charNumber / static_cast<float>(divisor);

  // A factor above the heaviest bound (or no number at all) is the heaviest class: taking the
  // lightest would understate the crane's wear.
  c.spectrumClass = static_cast<int>(std::size(kSpectrumClassBounds));
  for (std::size_t q = 0; q < kSpectrumClassBounds.size(); ++q) {
    if (c.spectrumFactor <= kSpectrumClassBounds[q]) {
      c.spectrumClass = static_cast<int>(q) + 1;
      break;
    }
  }
  c.group = kGroups[c.spectrumClass - 1][c.classOfUse];
  return c;
}

}  // namespace vertal::dump
