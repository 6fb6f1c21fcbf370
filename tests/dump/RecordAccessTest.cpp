#include <gtest/gtest.h>

#include <array>
#include <fstream>

#include <sys/stat.h>

#include "dump/core/RecordAccess.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::dump {
namespace {

using testing::DumpBuilder;
using testing::FrameFields;
using testing::TempDir;

TEST(RecordAccess, RecordsOfEachFamilyLieWhereTheFileKeepsThem) {
  TempDir dir;
  DumpBuilder b;
  FrameFields f;
  f.faultCode = 77;
  b.Frame(1, f);
  const std::array<std::uint8_t, 10> overload = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
  b.OverloadRecord(0, overload).OverloadRecord(2599, overload).KdsRecord(149, overload);
  const auto path = dir.File("d.bin");
  b.Write(path);

  std::array<std::uint8_t, 32> frame{};
  EXPECT_EQ(ReadRecord(path, frame, 1, kFrames), RecordStatus::Valid);
  EXPECT_EQ(frame[30], 77);
  EXPECT_EQ(ReadRecord(path, frame, 0, kFrames), RecordStatus::Invalid);  // erased slot
  EXPECT_EQ(frame[0], 0xFF);

  std::array<std::uint8_t, 10> record{};
  EXPECT_EQ(ReadRecord(path, record, 0, kOverloadRecords), RecordStatus::Valid);
  EXPECT_EQ(record[0], 1);
  EXPECT_EQ(b.Bytes()[2020], 1);
  EXPECT_EQ(ReadRecord(path, record, 2599, kOverloadRecords), RecordStatus::Valid);
  EXPECT_EQ(b.Bytes()[28019], record[9]);
  EXPECT_EQ(ReadRecord(path, record, 149, kKdsRecords), RecordStatus::Valid);
  EXPECT_EQ(ReadRecord(path, frame, kFrameCount - 1, kFrames), RecordStatus::Invalid);
}

TEST(RecordAccess, UnreadableFilesLeaveTheBufferAlone) {
  TempDir dir;
  std::array<std::uint8_t, 32> frame{};
  frame.fill(0xAB);
  EXPECT_EQ(ReadRecord(dir.File("missing.bin"), frame, 0, kFrames), RecordStatus::Unreadable);
  EXPECT_EQ(ReadRecord(dir.Path().string(), frame, 0, kFrames), RecordStatus::Unreadable);
  EXPECT_EQ(ReadRecord("", frame, 0, kFrames), RecordStatus::Unreadable);
  const std::string pipe = dir.File("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(ReadRecord(pipe, frame, 0, kFrames), RecordStatus::Unreadable);  // does not hang
  EXPECT_EQ(frame[0], 0xAB);
  EXPECT_FALSE(ReadRecords(dir.Path().string(), kFrames, 0, 5).has_value());
}

TEST(RecordAccess, ARecordCutByTheEndOfTheFileIsInvalidAndZeroFilled) {
  TempDir dir;
  DumpBuilder b;
  // A frame whose first 31 bytes already sum to 255: zeros after them would pass the checksum.
  std::array<std::uint8_t, 32> frame{};
  frame[0] = 0x01;
  frame[1] = 0x01;
  frame[2] = 0x08;
  frame[5] = 0x12;
  frame[6] = static_cast<std::uint8_t>(255 - 0x01 - 0x01 - 0x08 - 0x12);
  b.FrameBytes(7, frame);
  const auto path = dir.File("short.bin");
  b.WriteTruncated(path, kFrames.Offset(7) + 31);

  std::array<std::uint8_t, 32> got{};
  got.fill(0xAB);
  EXPECT_EQ(ReadRecord(path, got, 7, kFrames), RecordStatus::Invalid);
  EXPECT_EQ(got[31], 0);
  EXPECT_EQ(got[6], frame[6]);
  EXPECT_EQ(ReadRecord(path, got, 9, kFrames), RecordStatus::Invalid);
  EXPECT_EQ(got, (std::array<std::uint8_t, 32>{}));
}

TEST(RecordAccess, ARunReadsConsecutiveRecordsInOnePiece) {
  TempDir dir;
  DumpBuilder b;
  for (int n = 10; n < 15; ++n) {
    FrameFields f;
    f.loadMoment = static_cast<std::uint8_t>(n);
    b.Frame(n, f);
  }
  b.DamageFrame(12);
  const auto path = dir.File("run.bin");
  b.WriteTruncated(path, kFrames.Offset(14) + 16);

  const auto run = ReadRecords(path, kFrames, 10, 5);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->Count(), 5);
  EXPECT_EQ(run->Record(1)[24], 11);
  EXPECT_TRUE(run->ChecksumOk(0));
  EXPECT_FALSE(run->ChecksumOk(2));  // damaged
  EXPECT_TRUE(run->Complete(3));
  EXPECT_FALSE(run->Complete(4));  // cut by the end of the file
  EXPECT_FALSE(run->ChecksumOk(4));
}

}  // namespace
}  // namespace vertal::dump
