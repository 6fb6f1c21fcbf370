// Fuzzes the decoding of the long-term area and of the operator trailer.
// Input layout: bytes 0 .. 32,767 are the long-term area, the bytes after them the trailer; an
// input no longer than the area also serves, from its start, as the trailer. Missing bytes are
// zero, as they read from a short dump file.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "dump/core/Checksum.h"
#include "dump/core/DumpLayout.h"
#include "dump/core/LongTermRecords.h"
#include "dump/core/OperatorTrailer.h"

namespace {

using vertal::ValidUtf8;
namespace dump = vertal::dump;

constexpr std::uint32_t kCounterLimit = 1u << 24;  // counters are 3 bytes wide

void CheckInfo(const dump::LongTermInfo& info, bool readLoadedTime) {
  FUZZ_CHECK(info.loadedSeconds.has_value() == readLoadedTime);
  for (std::size_t k = 0; k < info.loadCycles.size(); ++k) {
    FUZZ_CHECK(info.loadCycles[k] < kCounterLimit);
    FUZZ_CHECK(info.workCycles[k] < kCounterLimit);
  }
  for (const auto* text : {&info.limiterSerial, &info.limiterMaker, &info.craneModel,
                           &info.craneMaker, &info.commissioning})
    FUZZ_CHECK(ValidUtf8(*text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  constexpr auto kAreaSize = static_cast<std::size_t>(dump::kLongTermAreaSize);

  static std::array<std::uint8_t, kAreaSize> area;
  area.fill(0);
  std::copy_n(input.begin(), std::min(size, kAreaSize), area.begin());

  const auto messages = dump::CheckLongTermArea(area);
  FUZZ_CHECK(messages.size() <= 17);

  const dump::LongTermInfo withLoaded = dump::ReadLongTermInfo(area, true);
  const dump::LongTermInfo without = dump::ReadLongTermInfo(area, false);
  CheckInfo(withLoaded, true);
  CheckInfo(without, false);
  // The loaded time is the only difference that the flag makes.
  FUZZ_CHECK(withLoaded.loadCycles == without.loadCycles);
  FUZZ_CHECK(withLoaded.liftedWeight == without.liftedWeight);
  FUZZ_CHECK(withLoaded.weightFromBank1 == without.weightFromBank1);

  const std::span<const std::uint8_t> trailerSource =
      size > kAreaSize ? input.subspan(kAreaSize) : input;
  dump::TrailerBytes trailerBytes{};
  std::copy_n(trailerSource.begin(), std::min(trailerSource.size(), trailerBytes.size()),
              trailerBytes.begin());
  const dump::OperatorTrailer trailer = dump::ReadOperatorTrailer(trailerBytes);
  for (const auto* text : {&trailer.name, &trailer.organisation, &trailer.certificate, &trailer.owner})
    FUZZ_CHECK(ValidUtf8(*text));

  // Writing back what was read gives a closed record that reads back to the same date.
  const dump::TrailerBytes rewritten = dump::WriteOperatorTrailer(trailer);
  FUZZ_CHECK(vertal::ChecksumValid(rewritten));
  FUZZ_CHECK(dump::ReadOperatorTrailer(rewritten).date == trailer.date);
  return 0;
}
