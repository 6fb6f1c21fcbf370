#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "dump/core/LongTermLayout.h"
#include "frames/core/FrameLayout.h"
#include "recording/core/RecordingAudit.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"
#include "tools/demo/DemoRecording.h"

namespace vertal::recording {
namespace {

using testing::DumpBuilder;
using testing::FrameFields;

constexpr int kFrames = 100;  // written from slot 0, two seconds apart, from 08:00:00
constexpr std::array<std::uint8_t, 3> kDay = {0x10, 0x09, 0x08};

FrameFields At(int second, std::array<std::uint8_t, 3> date = kDay) {
  auto bcd = [](int v) { return static_cast<std::uint8_t>((v / 10) << 4 | (v % 10)); };
  FrameFields f;
  f.date = date;
  f.time = {bcd(second % 60), bcd(second / 60 % 60), bcd(8 + second / 3600)};
  f.kos = frames::kKosWorkMode;
  f.loadMoment = static_cast<std::uint8_t>(second % 40);
  return f;
}

// A sound recording: a switch-on and then a frame every two seconds, the rest of the ring
// erased, read on 22.09.08 from a recorder installed on 14.03.07.
constexpr std::array<std::uint8_t, 3> kInstalled = {0x14, 0x03, 0x07};

testing::CraneIdent Crane(std::array<std::uint8_t, 3> installed, std::string model = "КС-4571") {
  testing::CraneIdent crane;
  crane.installDate = installed;
  crane.model = std::move(model);
  return crane;
}

DumpBuilder Sound() {
  DumpBuilder b;
  for (int bank = 0; bank < 2; ++bank) {
    b.Limiter(bank, testing::LimiterIdent{"0412", 5, 3, 12, 2, 31, "Вертал"});
    testing::CraneIdent crane = Crane(kInstalled);
    crane.commissioning = bank == 0 ? "Кранналадка" : "";  // a readout rewrites it in one bank
    b.Crane(bank, crane);
    b.PoweredMinutes(bank, 100'000);
  }
  dump::OperatorTrailer trailer;
  trailer.date = {0x22, 0x09, 0x08};
  b.Trailer(trailer);
  for (int n = 0; n < kFrames; ++n) {
    FrameFields f = At(2 * n);
    f.faultCode = n == 0 ? frames::kFaultSwitchOn : 0;
    b.Frame(n, f);
  }
  return b;
}

class Audit : public ::testing::Test {
 protected:
  AuditReport Run(const DumpBuilder& b, std::int64_t size = dump::kDumpFileSize) {
    b.WriteTruncated(path, size);
    auto report = AuditRecording(path);
    EXPECT_TRUE(report.has_value());
    return report ? *report : AuditReport{};
  }
  // What a check finds wrong: its findings other than plain information.
  static std::vector<Finding> Problems(const AuditReport& r, std::string_view check) {
    std::vector<Finding> out;
    for (const Finding& f : Of(r, check))
      if (f.severity != Severity::Info) out.push_back(f);
    return out;
  }
  static std::vector<Finding> Of(const AuditReport& r, std::string_view check) {
    std::vector<Finding> out;
    for (const Finding& f : r.findings)
      if (f.check == check) out.push_back(f);
    return out;
  }
  testing::TempDir dir;
  std::string path = dir.File("d.bin");
};

// Each defect, made on the sound recording, is found by its check at its frame; the near miss
// beside it is not.
TEST_F(Audit, EachDefectIsFoundAndItsNearMissIsNot) {
  using Edit = std::function<void(DumpBuilder&)>;
  auto frame = [](int n, std::function<void(FrameFields&)> change) -> Edit {
    return [=](DumpBuilder& b) {
      FrameFields f = At(2 * n);
      change(f);
      b.Frame(n, f);
    };
  };
  const struct Case {
    std::string_view check;
    Edit defect;
    std::optional<std::int64_t> frame;
    Edit nearMiss;
  } kCases[] = {
      {check::kVersion, [](DumpBuilder& b) { b.RecorderVersion(5); }, std::nullopt,
       [](DumpBuilder& b) { b.RecorderVersion(30); }},
      {check::kTrailerChecksum,
       [](DumpBuilder& b) { b.Poke(dump::kTrailerOffset + dump::kTrailerName, 'A'); }, std::nullopt,
       [](DumpBuilder&) {}},
      {check::kReadoutDate, [](DumpBuilder& b) { b.Trailer({}); }, std::nullopt, [](DumpBuilder&) {}},
      {check::kInstallDate, [](DumpBuilder& b) { b.Crane(0, Crane({0x00, 0x03, 0x07})); },
       std::nullopt, [](DumpBuilder& b) { b.Crane(0, Crane({0x01, 0x03, 0x07})); }},
      {check::kDamaged, [](DumpBuilder& b) { b.DamageFrame(5).DamageFrame(6); }, 5,
       [](DumpBuilder&) {}},
      {check::kClockBackwards, frame(50, [](FrameFields& f) { f.time[2] = 0x07; }), 50,
       [](DumpBuilder&) {}},
      {check::kClockJump, frame(50, [](FrameFields& f) { f.time[2] = 0x10; }), 50,
       frame(50, [](FrameFields& f) { f.time[2] = 0x10; f.faultCode = frames::kFaultSwitchOn; })},
      {check::kAfterReadout, frame(99, [](FrameFields& f) { f.date = {0x23, 0x09, 0x08}; }), 99,
       frame(99, [](FrameFields& f) { f.date = {0x22, 0x09, 0x08}; })},
      {check::kBeforeInstall, frame(0, [](FrameFields& f) { f.date = {0x13, 0x03, 0x07}; }), 0,
       frame(0, [](FrameFields& f) { f.date = {0x14, 0x03, 0x07}; })},
      {check::kDuplicateTime, frame(50, [](FrameFields& f) { f.time = At(2 * 49).time; }), 49,
       [](DumpBuilder&) {}},
      {check::kIdenticalFrames,
       [](DumpBuilder& b) { for (int n = 40; n < 45; ++n) b.Frame(n, At(80)); }, 40,
       [](DumpBuilder& b) { for (int n = 41; n < 45; ++n) b.Frame(n, At(82)); }},
      {check::kBanks,
       [](DumpBuilder& b) { b.Crane(1, Crane(kInstalled, "КС-3577")); },
       std::nullopt, [](DumpBuilder& b) { b.PoweredMinutes(1, 5); b.LoadCycles(1, 3, 7); }},
      // 99 gaps of 2 s are 198 s; one minute each is allowed for the switch-on and the rest.
      {check::kPoweredTime, [](DumpBuilder& b) { b.PoweredMinutes(0, 1).PoweredMinutes(1, 1); },
       std::nullopt, [](DumpBuilder& b) { b.PoweredMinutes(0, 2).PoweredMinutes(1, 1); }},
  };
  for (const Finding& f : Run(Sound()).findings) EXPECT_EQ(f.severity, Severity::Info) << f.text;
  for (const Case& c : kCases) {
    DumpBuilder defect = Sound();
    c.defect(defect);
    const auto found = Problems(Run(defect), c.check);
    ASSERT_EQ(found.size(), 1u) << c.check;
    EXPECT_EQ(found[0].frame, c.frame) << c.check;

    DumpBuilder nearMiss = Sound();
    c.nearMiss(nearMiss);
    EXPECT_TRUE(Problems(Run(nearMiss), c.check).empty()) << c.check;
  }
}

TEST_F(Audit, FourIdenticalFramesAreRepeatedMomentsAndTheRunIsNamed) {
  DumpBuilder b = Sound();
  for (int n = 41; n < 45; ++n) b.Frame(n, At(82));
  const auto found = Of(Run(b), check::kDuplicateTime);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].text,
            "Кадры подряд с одинаковыми датой и временем (10.09.08 08:01:22): с 41-го по 44-й, "
            "всего 4.");
}

TEST_F(Audit, FileSizeAndTheFirstFrameAShortFileLacks) {
  const DumpBuilder b = Sound();
  EXPECT_EQ(Of(Run(b), check::kSize)[0].severity, Severity::Info);
  const auto shortFile = Of(Run(b, dump::kFrames.Offset(1000) + 10), check::kSize);
  EXPECT_EQ(shortFile[0].severity, Severity::Error);
  EXPECT_EQ(shortFile[0].frame, 1000);

  b.Write(path);
  std::ofstream(path, std::ios::app).put('x');
  const auto report = AuditRecording(path);
  ASSERT_TRUE(report);
  EXPECT_EQ(Of(*report, check::kSize)[0].severity, Severity::Warning);
  EXPECT_EQ(report->fileSize, dump::kDumpFileSize + 1);
}

TEST_F(Audit, RingEndsAtTheNewestFrameAndItsWrapIsNoStepBack) {
  DumpBuilder b = Sound();
  for (int n = 0; n < 10; ++n) b.Frame(n, At(2 * n, {0x11, 0x09, 0x08}));  // written over
  const AuditReport r = Run(b);
  const auto ring = Of(r, check::kRing);
  ASSERT_EQ(ring.size(), 1u);
  EXPECT_EQ(ring[0].frame, 9);
  EXPECT_EQ(ring[0].text, "Последний записанный кадр — 9-й (11.09.08 08:00:18); запись по кольцу "
                          "продолжается с 10-го кадра.");
  EXPECT_TRUE(Of(r, check::kClockBackwards).empty());
  EXPECT_EQ(Of(r, check::kErased)[0].text, "Стёртые кадры: с 100-го по 270335-й, всего 270236.");
}

TEST_F(Audit, EmptyRecordingHasNoFrames) {
  const auto found = Of(Run(DumpBuilder()), check::kNoFrames);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].severity, Severity::Error);
}

TEST_F(Audit, ManyPlacesOfOneCheckAreCappedWithACount) {
  DumpBuilder b = Sound();
  for (int n = 1; n < 60; n += 2) b.DamageFrame(n);  // 30 single damaged frames
  const auto found = Of(Run(b), check::kDamaged);
  ASSERT_EQ(found.size(), kPlacesPerCheck + 1);
  EXPECT_EQ(found.back().text, "Таких мест ещё 10.");
}

TEST_F(Audit, DemoRecordingHasNoClockFinding) {
  DumpBuilder b;
  demo::BuildDemo(b);
  const AuditReport r = Run(b);
  for (const std::string_view check :
       {check::kClockBackwards, check::kClockJump, check::kAfterReadout, check::kBeforeInstall,
        check::kDuplicateTime, check::kIdenticalFrames, check::kBanks, check::kPoweredTime})
    EXPECT_TRUE(Of(r, check).empty()) << check;
}

}  // namespace
}  // namespace vertal::recording
