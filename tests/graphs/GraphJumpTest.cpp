#include <gtest/gtest.h>

#include "graphs/core/GraphJump.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

namespace vertal::graphs {
namespace {

using testing::DumpBuilder;
using testing::FakeHost;
using testing::FrameFields;
using testing::TempDir;

FrameFields At(std::uint8_t minutes, std::uint8_t seconds) {
  FrameFields f;
  f.date = {0x14, 0x03, 0x08};
  f.time = {seconds, minutes, 0x12};
  return f;
}

class MomentJump : public ::testing::Test {
 protected:
  void SetUp() override {
    DumpBuilder b;
    // The ring was written up to slot 1,002; slots 270,000 and 5 hold the same older moment,
    // and 270,000 was written first.
    b.Frame(270000, At(0x00, 0x00)).Frame(5, At(0x00, 0x00));
    b.Frame(1000, At(0x10, 0x00)).Frame(1001, At(0x10, 0x05)).Frame(1002, At(0x10, 0x10));
    b.Write(path_);
  }
  TempDir dir_;
  std::string path_ = dir_.File("d.bin");
  FakeHost host_;
};

TEST_F(MomentJump, FirstFrameAtOrAfterTheTypedMoment) {
  struct Row {
    const char* typed;
    std::optional<std::int64_t> frame;
  };
  const Row rows[] = {
      {"14.03.08 12:10:05", 1001},  // exact
      {"14.03.08 12:10:03", 1001},  // between two frames
      {" 14.03.08 12:05:00 ", 1000},
      {"14.03.08", 270000},  // midnight: the oldest frames, first in ring order
      {"01.01.00 00:00:00", 270000},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TypedMomentFrame(path_, row.typed, host_), row.frame) << row.typed;
  }
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(MomentJump, AfterTheLastFrameOrBadTextGivesAMessage) {
  EXPECT_EQ(TypedMomentFrame(path_, "14.03.08 12:10:11", host_), std::nullopt);
  EXPECT_EQ(TypedMomentFrame(path_, "14.3.08 12:10", host_), std::nullopt);
  EXPECT_EQ(TypedMomentFrame(path_, "31.02.08 25:00:00", host_), std::nullopt);
  EXPECT_EQ(TypedMomentFrame(dir_.File("gone.bin"), "14.03.08", host_), std::nullopt);
  EXPECT_EQ(host_.Texts(), (std::vector<std::string>{
                               "\n Нет кадров, записанных 14.03.08 12:10:11 или позже."
                               "\n Последний кадр записан 14.03.08 в 12:10:10.",
                               "\n Поле \"Дата и время\" должно содержать дату и время в виде "
                               "дд.мм.гг чч:мм:сс, а не \"14.3.08 12:10\".",
                               "\n Поле \"Дата и время\" должно содержать дату и время в виде "
                               "дд.мм.гг чч:мм:сс, а не \"31.02.08 25:00:00\".",
                               "\n Файл не удалось открыть!",
                           }));
}

TEST(FrameField, TypedFrameNumbers) {
  FakeHost host;
  EXPECT_EQ(TypedFrame(" 270335 ", host), 270335);
  EXPECT_EQ(TypedFrame("270336", host), std::nullopt);
  EXPECT_EQ(TypedFrame("пять", host), std::nullopt);
  EXPECT_EQ(host.Texts(),
            (std::vector<std::string>{
                "\n Поле \"Кадр\" должно содержать номер кадра от 0 до 270335, а не \"270336\".",
                "\n Поле \"Кадр\" должно содержать целое число, а не \"пять\".",
            }));
}

}  // namespace
}  // namespace vertal::graphs
