#pragma once
// Classification of a crane as a whole by its load cycles and characteristic number: class of
// use U, load spectrum factor Kp, load spectrum class Q and group A (ISO 4301/1-85).

#include <array>
#include <cstdint>
#include <string_view>

#include "dump/core/LongTermLayout.h"

namespace vertal::dump {

struct CraneClassification {
  std::int32_t totalCycles = 0;  // C, the sum of the load-cycle counters
  int classOfUse = 0;            // U, 0..9
  float spectrumFactor = 0.0f;   // Kp
  int spectrumClass = 1;         // Q, 1..4
  int group = 1;                 // A, 1..8
  std::int32_t normativeNumber = 0;  // N, 0 for a group text other than A1..A8
};

// The normative characteristic number of a group text such as "A5"; 0 for any other text.
std::int32_t NormativeNumber(std::string_view groupText);

// `groupText` is the normative group as the service page shows it ("A" and the number).
CraneClassification Classify(const std::array<std::uint32_t, kLoadBinCount>& loadCycles,
                             float charNumber, std::string_view groupText);

}  // namespace vertal::dump
