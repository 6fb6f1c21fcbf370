#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "dump/core/DumpHead.h"
#include "dump/core/RecordAccess.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

namespace vertal::dump {
namespace {

using testing::DumpBuilder;
using testing::FakeHost;
using testing::LongTermRecord;
using testing::TempDir;

TEST(OpenDumpHead, AFileThatCannotBeOpenedGivesOneErrorAndNoHead) {
  TempDir dir;
  for (const std::string& path : {dir.File("missing.bin"), dir.Path().string(), std::string()}) {
    FakeHost host;
    EXPECT_FALSE(OpenDumpHead(path, host).has_value()) << path;
    EXPECT_EQ(host.messages, (std::vector<Message>{{MessageKind::Error, std::string(kOpenFailedText)}}))
        << path;
  }
}

TEST(OpenDumpHead, KeepsTheVersionAndReportsDamagedRecordsInOrder) {
  TempDir dir;
  DumpBuilder b;
  b.RecorderVersion(30).Damage(LongTermRecord::LoadedTime).Damage(LongTermRecord::CraneIdent0);
  b.Write(dir.File("d.bin"));
  FakeHost host;
  const auto head = OpenDumpHead(dir.File("d.bin"), host);
  ASSERT_TRUE(head.has_value());
  EXPECT_EQ(head->RecorderVersion(), 30);
  EXPECT_EQ(head->fileSize, kDumpFileSize);
  EXPECT_EQ(host.messages,
            (std::vector<Message>{
                {MessageKind::Plain, "Ошибка контольной суммы идентификации крана в Банке-0!"},
                {MessageKind::Plain,
                 "Ошибка контольной суммы служебной информации БОИ, cчетчика моточасов нагруженой стрелы!"}}));
}

TEST(OpenDumpHead, TheTrailerIsReadFromTheEndOfTheFullLayout) {
  TempDir dir;
  OperatorTrailer t;
  t.name = "Петров";
  DumpBuilder b;
  b.Trailer(t).Write(dir.File("d.bin"));
  const auto head = ReadDumpHead(dir.File("d.bin"));
  ASSERT_TRUE(head.has_value());
  EXPECT_EQ(ReadOperatorTrailer(head->trailer).name, "Петров");
  // A file cut inside the trailer reads its missing part as zeros.
  b.WriteTruncated(dir.File("cut.bin"), kTrailerOffset + 2);
  const auto cut = ReadDumpHead(dir.File("cut.bin"));
  ASSERT_TRUE(cut.has_value());
  EXPECT_EQ(cut->fileSize, kTrailerOffset + 2);
  EXPECT_EQ(ReadOperatorTrailer(cut->trailer).name, "");
}

TEST(OpenDumpHead, ShortEmptyAndRandomFilesAreReadAsFarAsTheyGo) {
  TempDir dir;
  DumpBuilder b;
  b.RecorderVersion(-56);
  b.WriteTruncated(dir.File("short.bin"), 100);
  std::ofstream(dir.File("empty.bin")).flush();
  std::mt19937 random(7);
  std::vector<char> noise(20 * 1024 * 1024);
  for (char& c : noise) c = static_cast<char>(random());
  std::ofstream(dir.File("noise.bin"), std::ios::binary)
      .write(noise.data(), static_cast<std::streamsize>(noise.size()));

  struct Case {
    std::string file;
    std::int8_t version;
    std::size_t messages;
  };
  const Case cases[] = {
      // Only the first record lies wholly in the 100 bytes; the rest read as zeros and fail.
      {"short.bin", -56, 16},
      {"empty.bin", 0, 17},
      {"noise.bin", static_cast<std::int8_t>(noise[12]), 17},
  };
  for (const Case& c : cases) {
    FakeHost host;
    const auto head = OpenDumpHead(dir.File(c.file), host);
    ASSERT_TRUE(head.has_value()) << c.file;
    EXPECT_EQ(head->RecorderVersion(), c.version) << c.file;
    EXPECT_EQ(host.messages.size(), c.messages) << c.file;
    for (const Message& m : host.messages) EXPECT_EQ(m.kind, MessageKind::Plain) << c.file;
  }
}

TEST(FileSizeNotice, SaysHowFarAFileIsFromAFullReadout) {
  EXPECT_EQ(FileSizeNotice(8'683'654), "");
  EXPECT_EQ(FileSizeNotice(5'000'000),
            "Файл неполный: в нём 5 000 000 байт из 8 683 654. Записи за концом файла показаны "
            "как \"БРАК\".");
  EXPECT_EQ(FileSizeNotice(0),
            "Файл неполный: в нём 0 байт из 8 683 654. Записи за концом файла показаны как "
            "\"БРАК\".");
  EXPECT_EQ(FileSizeNotice(9'000'000),
            "Файл длиннее файла регистратора: в нём 9 000 000 байт вместо 8 683 654. Байты после "
            "8 683 654-го не читаются.");
}

}  // namespace
}  // namespace vertal::dump
