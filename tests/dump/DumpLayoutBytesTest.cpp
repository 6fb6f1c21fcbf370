// The long-term values and the operator trailer read from a dump laid out byte by byte at fixed
// offsets. Every field holds a distinct non-zero value and text fields fill their whole width,
// so a field read from the wrong place or with the wrong width shows a wrong value.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "dump/core/LongTermRecords.h"
#include "dump/core/DumpHead.h"
#include "dump/core/OperatorTrailer.h"
#include "support/RawBytes.h"
#include "support/TempDir.h"

namespace vertal::dump {
namespace {

using namespace vertal::testing;

DumpHead ReadImage(const RawImage& image) {
  TempDir dir;
  WriteImage(image, dir.File("d.bin"));
  auto head = ReadDumpHead(dir.File("d.bin"));
  if (!head) throw std::runtime_error("dump not readable");
  return *head;
}

// A value of the other bank that is smaller, so that the reader must not pick it.
constexpr std::int64_t Smaller(std::int64_t v) { return v / 3; }

TEST(DumpLayoutBytes, LongTermFieldsAndBankChoice) {
  RawImage image(32'768, 0x7E);  // unused bytes are non-zero too
  // Limiter identification, bank 0, bytes 0..93.
  PutText(image, 0, "LS-80417");              // serial, all 8 bytes
  PutBytes(image, 8, {23, 45, 200, 3, 31});   // modification, change, tables, sub-number, version
  PutText(image, 13, "Limiter Works Ural-7");  // maker, all 20 bytes
  CloseRecord(image, 0, 94);
  // Crane identification, bank 0, bytes 94..197.
  PutLe(image, 94, 12345, 2);                  // serial
  PutLe(image, 96, 2007, 2);                   // year
  PutBytes(image, 98, {5});                    // normative group
  PutText(image, 99, "KS-55713-5V 25t");       // model, all 15 bytes
  PutBytes(image, 114, {0x19, 0x06, 0x07});    // installation date
  PutText(image, 117, "Galich Crane Plant, Kostroma region, RU7");
  PutText(image, 157, "Uraltekhnadzor commissioning group No.41");
  CloseRecord(image, 94, 104);
  // Bank 1 (from 332) keeps the filler in its identification records, which are never shown.
  CloseRecord(image, 332, 94);
  CloseRecord(image, 426, 104);

  // Characteristic number: bank 0's is the larger.
  PutLe(image, 198, std::bit_cast<std::uint32_t>(3.75f), 4);
  PutLe(image, 530, std::bit_cast<std::uint32_t>(1.5f), 4);
  // Counters of load bins 1..15, three bytes each; odd bins are larger in bank 1 for load
  // cycles and in bank 0 for work cycles.
  std::array<std::uint32_t, 15> loadCycles{}, workCycles{};
  for (std::size_t b = 0; b < 15; ++b) {
    loadCycles[b] = static_cast<std::uint32_t>(70'000 + 4'099 * b);
    workCycles[b] = static_cast<std::uint32_t>(130'000 + 3'001 * b);
    const bool odd = b % 2 == 0;  // bin b + 1
    PutLe(image, (odd ? 535u : 203u) + 3 * b, loadCycles[b], 3);
    PutLe(image, (odd ? 203u : 535u) + 3 * b, Smaller(loadCycles[b]), 3);
    PutLe(image, (odd ? 253u : 585u) + 3 * b, workCycles[b], 3);
    PutLe(image, (odd ? 585u : 253u) + 3 * b, Smaller(workCycles[b]), 3);
  }
  // Mechanism times: hoist and length larger in bank 1, angle and slewing in bank 0.
  const std::array<std::int32_t, 4> seconds = {360'001, 72'002, 54'003, 180'004};
  for (std::size_t m = 0; m < 4; ++m) {
    const bool fromBank1 = m % 2 == 0;
    PutLe(image, (fromBank1 ? 631u : 299u) + 4 * m, seconds[m], 4);
    PutLe(image, (fromBank1 ? 299u : 631u) + 4 * m, Smaller(seconds[m]), 4);
  }
  PutLe(image, 316, 50'000, 3);      // engine minutes: bank 1's are larger
  PutLe(image, 648, 123'456, 3);
  PutLe(image, 320, 1'234'567, 4);   // lifted weight: bank 1's is larger
  PutLe(image, 652, 2'345'678, 4);
  for (const std::size_t bank : {0u, 332u}) {
    CloseRecord(image, bank + 198, 5);
    CloseRecord(image, bank + 203, 50);
    CloseRecord(image, bank + 253, 46);
    CloseRecord(image, bank + 299, 17);
    CloseRecord(image, bank + 316, 4);
  }
  CloseRecord(image, 1781, 8);
  PutLe(image, 1789, 987'654, 4);  // loaded operating time
  CloseRecord(image, 1789, 5);
  CloseRecord(image, 1794, 5);

  const DumpHead head = ReadImage(image);
  EXPECT_TRUE(CheckLongTermArea(head.longTerm).empty());
  const LongTermInfo info = ReadLongTermInfo(head.longTerm, true);
  EXPECT_EQ(info.limiterSerial, "LS-80417");
  EXPECT_EQ(info.modification, 23);
  EXPECT_EQ(info.changeNumber, 45);
  EXPECT_EQ(info.tablesVersion, -56);
  EXPECT_EQ(info.programSub, 3);
  EXPECT_EQ(info.recorderVersion, 31);
  EXPECT_EQ(info.limiterMaker, "Limiter Works Ural-7");
  EXPECT_EQ(info.craneSerial, 12345);
  EXPECT_EQ(info.craneYear, 2007);
  EXPECT_EQ(info.normativeGroup, 5);
  EXPECT_EQ(info.craneModel, "KS-55713-5V 25t");
  EXPECT_EQ(info.installDate, (std::array<std::uint8_t, 3>{0x19, 0x06, 0x07}));
  EXPECT_EQ(info.craneMaker, "Galich Crane Plant, Kostroma region, RU7");
  EXPECT_EQ(info.commissioning, "Uraltekhnadzor commissioning group No.41");
  EXPECT_EQ(info.charNumber, 3.75f);
  EXPECT_EQ(info.loadCycles, loadCycles);
  EXPECT_EQ(info.workCycles, workCycles);
  EXPECT_EQ(info.mechanismSeconds, seconds);
  EXPECT_EQ(info.poweredMinutes, 123'456);
  EXPECT_EQ(info.liftedWeight, 2'345'678);
  EXPECT_TRUE(info.weightFromBank1);
  EXPECT_EQ(info.loadedSeconds, 987'654);
}

TEST(DumpLayoutBytes, OperatorTrailer) {
  RawImage image(8'683'654, 0);
  constexpr std::size_t t = 8'683'520;  // after the 270,336 frames
  PutBytes(image, t + 0, {0x28, 0x02, 0x13});  // reading date: day, month, year
  PutText(image, t + 3, "Petrov Sergei Nikolaevich, service engr.");   // all 40 bytes
  PutText(image, t + 43, "Kranservis-Ural LLC, Ekaterinburg branch");  // all 40 bytes
  PutText(image, t + 83, "UD-0417-09");                                // all 10 bytes
  PutText(image, t + 93, "Stroimekhanizatsiya-5 JSC, Perm, yard 12");  // all 40 bytes
  CloseRecord(image, t, 134);

  const OperatorTrailer trailer = ReadOperatorTrailer(ReadImage(image).trailer);
  EXPECT_EQ(trailer.date, (std::array<std::uint8_t, 3>{0x28, 0x02, 0x13}));
  EXPECT_EQ(trailer.name, "Petrov Sergei Nikolaevich, service engr.");
  EXPECT_EQ(trailer.organisation, "Kranservis-Ural LLC, Ekaterinburg branch");
  EXPECT_EQ(trailer.certificate, "UD-0417-09");
  EXPECT_EQ(trailer.owner, "Stroimekhanizatsiya-5 JSC, Perm, yard 12");
}

}  // namespace
}  // namespace vertal::dump
