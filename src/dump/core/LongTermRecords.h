#pragma once
// The long-term records: the checksum pass over them and the values shown after choosing, field
// by field, between the two banks.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "dump/core/DumpLayout.h"
#include "dump/core/LongTermLayout.h"

namespace vertal::dump {

using LongTermArea = std::span<const std::uint8_t, static_cast<std::size_t>(kLongTermAreaSize)>;

// Messages of the failed checks, in the order the records are checked.
std::vector<std::string> CheckLongTermArea(LongTermArea area);

struct LongTermInfo {
  // Limiter identification, bank 0.
  std::string limiterSerial;
  std::int8_t modification = 0;
  std::int8_t changeNumber = 0;
  std::int8_t tablesVersion = 0;
  std::int8_t programSub = 0;
  std::int8_t recorderVersion = 0;
  std::string limiterMaker;
  // Crane identification, bank 0.
  std::int16_t craneSerial = 0;
  std::int16_t craneYear = 0;
  std::int8_t normativeGroup = 0;
  std::string craneModel;
  std::array<std::uint8_t, 3> installDate{};
  std::string craneMaker;
  std::string commissioning;
  // Chosen between the banks.
  float charNumber = 0.0f;
  std::array<std::uint32_t, kLoadBinCount> loadCycles{};
  std::array<std::uint32_t, kLoadBinCount> workCycles{};
  std::array<std::int32_t, kMechanismCount> mechanismSeconds{};  // hoist, angle, length, slewing
  std::int32_t poweredMinutes = 0;
  std::int32_t liftedWeight = 0;  // hundredths of a tonne
  bool weightFromBank1 = false;
  std::optional<std::int32_t> loadedSeconds;  // read only for files of version 31
};

// Reads the shown values; the loaded operating time only when `readLoadedTime`.
LongTermInfo ReadLongTermInfo(LongTermArea area, bool readLoadedTime);

}  // namespace vertal::dump
