#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dump/core/LongTermRecords.h"
#include "support/DumpBuilder.h"
#include "support/LongTermMessages.h"

namespace vertal::dump {
namespace {

using testing::CraneIdent;
using testing::DumpBuilder;
using testing::LimiterIdent;
using testing::LongTermRecord;

LongTermArea Area(const DumpBuilder& b) {
  return LongTermArea(b.Bytes().data(), static_cast<std::size_t>(kLongTermAreaSize));
}

const std::vector<std::string> kAllMessages(testing::kRecordMessages.begin(), testing::kRecordMessages.end());

TEST(CheckLongTermArea, SoundRecordsGiveNoMessage) {
  EXPECT_TRUE(CheckLongTermArea(Area(DumpBuilder())).empty());
}

TEST(CheckLongTermArea, EachDamagedRecordGivesItsOwnMessage) {
  for (int r = 0; r < testing::kLongTermRecordCount; ++r) {
    DumpBuilder b;
    b.Damage(static_cast<LongTermRecord>(r));
    EXPECT_EQ(CheckLongTermArea(Area(b)), std::vector<std::string>{kAllMessages[static_cast<std::size_t>(r)]}) << r;
  }
}

TEST(CheckLongTermArea, AllDamagedGiveSeventeenMessagesInOrder) {
  DumpBuilder b;
  for (int r = testing::kLongTermRecordCount - 1; r >= 0; --r) b.Damage(static_cast<LongTermRecord>(r));
  EXPECT_EQ(CheckLongTermArea(Area(b)), kAllMessages);
  // A zeroed area fails every record: a zero sum is not 255.
  std::vector<std::uint8_t> zeros(static_cast<std::size_t>(kLongTermAreaSize), 0);
  EXPECT_EQ(CheckLongTermArea(LongTermArea(zeros.data(), zeros.size())), kAllMessages);
}

TEST(CheckLongTermArea, TheWeightHasNoChecksum) {
  DumpBuilder b;
  b.LiftedWeight(0, 123456).LiftedWeight(1, -5);
  EXPECT_TRUE(CheckLongTermArea(Area(b)).empty());
}

TEST(ReadLongTermInfo, IdentificationComesFromBankZeroAsSignedValues) {
  DumpBuilder b;
  b.Limiter(0, LimiterIdent{"12345678", 5, -3, static_cast<std::int8_t>(200), 2, 31,
                            "Изготовитель ровно 20"});
  b.Limiter(1, LimiterIdent{"BANK1", 9, 9, 9, 9, 30, "other"});
  b.Crane(0, CraneIdent{-2, 2007, 9, "КС-45717К-1Р ок", {0x14, 0x03, 0x07},
                        std::string(40, 'M'), std::string(40, 'C')});
  b.Crane(1, CraneIdent{77, 1999, 3, "other", {}, "other", "other"});
  const LongTermInfo info = ReadLongTermInfo(Area(b), false);
  EXPECT_EQ(info.limiterSerial, "12345678");
  EXPECT_EQ(info.modification, 5);
  EXPECT_EQ(info.changeNumber, -3);
  EXPECT_EQ(info.tablesVersion, -56);
  EXPECT_EQ(info.programSub, 2);
  EXPECT_EQ(info.recorderVersion, 31);
  EXPECT_EQ(info.limiterMaker, "Изготовитель ровно 2");  // 20 bytes, no terminator
  EXPECT_EQ(info.craneSerial, -2);
  EXPECT_EQ(info.craneYear, 2007);
  EXPECT_EQ(info.normativeGroup, 9);
  EXPECT_EQ(info.craneModel, "КС-45717К-1Р ок");
  EXPECT_EQ(info.installDate, (std::array<std::uint8_t, 3>{0x14, 0x03, 0x07}));
  EXPECT_EQ(info.craneMaker, std::string(40, 'M'));
  EXPECT_EQ(info.commissioning, std::string(40, 'C'));
}

// Each counter-like value takes bank 1's value only when it is strictly greater.
TEST(ReadLongTermInfo, BankSelectionTakesTheGreaterValueFieldByField) {
  struct Row {
    std::int32_t bank0, bank1, expected;
  };
  const Row rows[] = {{5, 7, 7}, {7, 5, 7}, {6, 6, 6}, {0, 0, 0}};
  for (const Row& r : rows) {
    DumpBuilder b;
    b.LoadCycles(0, 4, static_cast<std::uint32_t>(r.bank0)).LoadCycles(1, 4, static_cast<std::uint32_t>(r.bank1));
    b.WorkCycles(0, 15, static_cast<std::uint32_t>(r.bank0)).WorkCycles(1, 15, static_cast<std::uint32_t>(r.bank1));
    b.MechanismSeconds(0, 3, r.bank0).MechanismSeconds(1, 3, r.bank1);
    b.PoweredMinutes(0, static_cast<std::uint32_t>(r.bank0)).PoweredMinutes(1, static_cast<std::uint32_t>(r.bank1));
    b.LiftedWeight(0, r.bank0).LiftedWeight(1, r.bank1);
    const LongTermInfo info = ReadLongTermInfo(Area(b), false);
    EXPECT_EQ(info.loadCycles[3], static_cast<std::uint32_t>(r.expected));
    EXPECT_EQ(info.workCycles[14], static_cast<std::uint32_t>(r.expected));
    EXPECT_EQ(info.mechanismSeconds[3], r.expected);
    EXPECT_EQ(info.poweredMinutes, r.expected);
    EXPECT_EQ(info.liftedWeight, r.expected);
    EXPECT_EQ(info.weightFromBank1, r.bank1 > r.bank0);
  }
}

TEST(ReadLongTermInfo, ABankMaySupplySomeCountersAndNotOthers) {
  DumpBuilder b;
  for (int k = 1; k <= 15; ++k) b.LoadCycles(0, k, 100u + static_cast<std::uint32_t>(k)).LoadCycles(1, k, 50);
  b.LoadCycles(1, 7, 999);
  const LongTermInfo info = ReadLongTermInfo(Area(b), false);
  for (int k = 1; k <= 15; ++k)
    EXPECT_EQ(info.loadCycles[static_cast<std::size_t>(k - 1)], k == 7 ? 999u : 100u + static_cast<std::uint32_t>(k));
}

TEST(ReadLongTermInfo, CountersAreThreeByteUnsigned) {
  DumpBuilder b;
  b.LoadCycles(0, 1, 0xFFFFFF).WorkCycles(1, 2, 0x800000).PoweredMinutes(0, 0xFFFFFF);
  const LongTermInfo info = ReadLongTermInfo(Area(b), false);
  EXPECT_EQ(info.loadCycles[0], 16777215u);
  EXPECT_EQ(info.workCycles[1], 8388608u);
  EXPECT_EQ(info.poweredMinutes, 16777215);
}

TEST(ReadLongTermInfo, MechanismTimesAndWeightMayBeNegative) {
  DumpBuilder b;
  b.MechanismSeconds(0, 0, -10).MechanismSeconds(1, 0, -20).LiftedWeight(0, -300).LiftedWeight(1, -400);
  const LongTermInfo info = ReadLongTermInfo(Area(b), false);
  EXPECT_EQ(info.mechanismSeconds[0], -10);
  EXPECT_EQ(info.liftedWeight, -300);
  EXPECT_FALSE(info.weightFromBank1);
}

TEST(ReadLongTermInfo, CharacteristicNumberIsTheGreaterOfTheBanks) {
  const float pairs[][2] = {{0.0f, 2.5f}, {2.5f, 0.0f}, {2.5f, 2.5f}};
  for (const auto& p : pairs) {
    DumpBuilder b;
    b.CharNumber(0, p[0]).CharNumber(1, p[1]);
    EXPECT_EQ(ReadLongTermInfo(Area(b), false).charNumber, 2.5f);
  }
}

TEST(ReadLongTermInfo, ChecksumsPlayNoPartInTheChoice) {
  DumpBuilder b;
  b.LoadCycles(0, 1, 10).LoadCycles(1, 1, 20).CharNumber(1, 7.0f);
  b.Damage(LongTermRecord::LoadCycles1).Damage(LongTermRecord::CharNumber1);
  const LongTermInfo info = ReadLongTermInfo(Area(b), false);
  EXPECT_EQ(info.loadCycles[0], 20u);
  EXPECT_EQ(info.charNumber, 7.0f);
}

TEST(ReadLongTermInfo, LoadedTimeIsReadOnlyWhenAsked) {
  DumpBuilder b;
  b.LoadedSeconds(3725);
  EXPECT_FALSE(ReadLongTermInfo(Area(b), false).loadedSeconds.has_value());
  EXPECT_EQ(ReadLongTermInfo(Area(b), true).loadedSeconds, 3725);
}

}  // namespace
}  // namespace vertal::dump
