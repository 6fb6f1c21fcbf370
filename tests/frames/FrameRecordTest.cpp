#include <gtest/gtest.h>

#include <array>

#include "frames/core/FrameRecord.h"
#include "support/DumpBuilder.h"

namespace vertal::frames {
namespace {

using testing::EncodeFrame;
using testing::FrameFields;

using Texts = std::array<std::string, kFrameFieldCount>;

TEST(FrameValid, NeedsChecksumDateAndTime) {
  FrameFields f;
  auto frame = EncodeFrame(f);
  EXPECT_TRUE(FrameValid(frame));

  auto badSum = frame;
  badSum[kFrameFaultCode] ^= 1;
  EXPECT_FALSE(FrameValid(badSum));

  f.date = {0x00, 0x05, 0x09};
  EXPECT_FALSE(FrameValid(EncodeFrame(f)));
  f.date = {0x01, 0x01, 0x08};
  f.time = {0x00, 0x00, 0x24};
  EXPECT_FALSE(FrameValid(EncodeFrame(f)));

  std::array<std::uint8_t, 32> erased{};
  erased.fill(0xFF);
  EXPECT_FALSE(FrameValid(erased));
  EXPECT_FALSE(FrameValid(std::array<std::uint8_t, 32>{}));
}

// Passes test the six date and time bytes of a frame at once: each byte's bounds must be those
// of the date and time tests.
TEST(FrameValid, EachDateAndTimeByteAtItsBoundsAgreesWithTheDateAndTimeTests) {
  const std::uint8_t edges[] = {0x00, 0x01, 0x12, 0x13, 0x23, 0x24, 0x31, 0x32,
                                0x37, 0x38, 0x59, 0x5A, 0x7F, 0x80, 0xFF};
  for (std::size_t at = kFrameDate; at < kFrameTime + 3; ++at) {
    for (const std::uint8_t edge : edges) {
      auto frame = EncodeFrame(FrameFields{});
      frame[at] = edge;
      CloseRecord(frame);
      const FrameRecord f(frame);
      EXPECT_EQ(FrameValid(frame), BcdDateValid(f.Date()) && BcdTimeValid(f.Time()))
          << "byte " << at << " = " << int(edge);
    }
  }
}

TEST(FrameFieldTexts, AnErasedFrameShowsItsRawBytes) {
  std::array<std::uint8_t, 32> erased{};
  erased.fill(0xFF);
  const Texts t = FrameFieldTexts(erased, ".");
  const Texts expected = {"FF.FF.FF", "FF:FF:FF", "-0.01",    "655.35",   "655.35",
                          "-0.1",     "-0.01",    "6554",     "655.35",   "11111111",
                          "-1",       "255 255",  "255",      "11111111", "11111111",
                          "11111111", "11111111", "11111111", "255"};
  EXPECT_EQ(t, expected);
}

TEST(FrameFieldTexts, EveryFieldInItsShownForm) {
  FrameFields f;
  f.date = {0x18, 0x09, 0x08};
  f.time = {0x05, 0x30, 0x12};
  f.angle = -150;
  f.length = 2150;
  f.radius = 1234;
  f.pressure = -253;
  f.load = 1234;
  f.azimuth = 3594;
  f.wind = 7;
  f.kos = 0x8B;
  f.temperature = -10;
  f.reeving = 4;
  f.mode = 2;
  f.loadMoment = 112;
  f.relays = 0x0F;
  f.limits = 0x88;
  f.inputs1 = 0x01;
  f.inputs2 = 0x80;
  f.inputs3 = 0x00;
  f.faultCode = 101;
  const Texts expected = {"18.09.08", "12:30:05", "-1,50", "21,50",    "12,34",    "-25,3",   "12,34",
                          "359",      "0,07",     "10001011", "-10",  "4 2",      "112",     "00001111",
                          "10001000", "00000001", "10000000", "00000000", "101"};
  EXPECT_EQ(FrameFieldTexts(EncodeFrame(f), ","), expected);
}

TEST(FrameFieldTexts, AzimuthRoundsToWholeDegrees) {
  FrameFields f;
  for (const auto& [stored, shown] : {std::pair{3594, "359"}, {3596, "360"}, {3595, "360"},
                                      {3600, "360"}, {4, "0"}, {5, "1"}}) {
    f.azimuth = static_cast<std::uint16_t>(stored);
    const auto bytes = EncodeFrame(f);
    EXPECT_EQ(FrameFieldText(FrameRecord(bytes), FrameField::Azimuth, "."), shown) << stored;
  }
}

TEST(FrameRecord, MarksAndTemperatureByte) {
  EXPECT_EQ(records::RecordMark(true), "НОРМА");
  EXPECT_EQ(records::RecordMark(false), "БРАК");
  std::array<std::uint8_t, 32> bytes{};
  bytes[kFrameTemperature] = 0xF6;
  EXPECT_EQ(FrameFieldText(FrameRecord(bytes), FrameField::Temperature, "."), "-10");
}

}  // namespace
}  // namespace vertal::frames
