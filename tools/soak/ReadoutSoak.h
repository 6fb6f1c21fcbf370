#pragma once
// Many readouts from a simulated unit, each with something going wrong at a random moment: the
// unit falls silent, answers a page wrongly or with an error, the user stops the readout, or
// the disk fills up. Every outcome is checked: either the whole dump (the unit's memory and the
// operator's trailer) under the chosen name, or the earlier file there unchanged and what was
// read kept where the notice says.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vertal::soak {

struct SoakFigures {
  int runs = 0;
  int failures = 0;
  std::map<std::string, int> runsByKind;
  std::vector<std::string> failureNotes;  // the first few, one line each
};

// Writes a unit's memory of random bytes to `source`.
void WriteRandomSource(const std::string& source, std::uint32_t seed);

// Runs `runs` readouts of the unit played from `source` into files in `folder` (emptied before
// each run). Run n's mishap is of kind n modulo the kinds; its page, room and code are random.
SoakFigures RunReadoutSoak(const std::string& source, const std::string& folder, int runs,
                           std::uint32_t seed);

}  // namespace vertal::soak
