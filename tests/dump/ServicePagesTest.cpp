#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "common/core/ControlSnapshot.h"
#include "dump/core/ServicePages.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

namespace vertal::dump {
namespace {

using testing::CraneIdent;
using testing::DumpBuilder;
using testing::FakeHost;
using testing::LimiterIdent;
using testing::TempDir;

DumpBuilder Crane(std::int8_t version) {
  DumpBuilder b;
  b.Limiter(0, LimiterIdent{"0412", 5, 3, static_cast<std::int8_t>(200), 2, version, "Вертал"});
  b.Crane(0, CraneIdent{1187, 2006, 4, "КС-55713", {0x14, 0x03, 0x07}, "Завод", "Наладка"});
  OperatorTrailer t;
  t.date = {0x18, 0x09, 0x08};
  t.name = "Петров";
  t.organisation = "Крансервис";
  t.certificate = "12-07";
  t.owner = "Стройтранс";
  b.Trailer(t);
  return b;
}

// Both pages' controls, and the rows they hide.
ControlSnapshot Snapshot(const ServicePages& pages) {
  ControlSnapshot controls;
  controls.Add(pages.service).Add(pages.load);
  VisitHiddenControls(pages.service, [&](std::string_view name) { controls.Hide(name); });
  return controls;
}

class ServicePage : public ::testing::Test {
 protected:
  ServicePages Present(const DumpBuilder& b, std::string_view separator = ".") {
    b.Write(dir.File("d.bin"));
    const auto head = OpenDumpHead(dir.File("d.bin"), host);
    EXPECT_TRUE(head.has_value());
    return head ? PresentServicePages(*head, separator) : ServicePages{};
  }
  ControlSnapshot Open(const DumpBuilder& b, std::string_view separator = ".") {
    return Snapshot(Present(b, separator));
  }
  TempDir dir;
  FakeHost host;
};

TEST_F(ServicePage, IdentificationAndOperatorTexts) {
  const ControlSnapshot c = Open(Crane(31));
  const std::pair<const char*, const char*> expected[] = {
      {"Label_ModVERTAL", "VERTAL-5"}, {"Label_NVERTAL", "0412"},  {"Label_Prog", "5.2"},
      {"Label_NumIzmen", "3"},         {"Label_VTabl", "-56"},     {"Label_VRP", "31"},
      {"Label_IzgotVERTAL", "Вертал"}, {"Label_MKran", "КС-55713"}, {"Label_NKran", "1187"},
      {"Label_IzgotKran", "Завод"},    {"Label_GodIzgot", "2006 г."}, {"Label_GrRegNag", "A4"},
      {"L_GRKr", "A4"},                {"Label_NalOrg", "Наладка"}, {"Label_DataUst", "14.03.07"},
      {"Label_Name", "Петров"},        {"Label_Org", "Крансервис"}, {"Label_NUd", "12-07"},
      {"Label_DataSch", "18.09.08"},   {"Label_VladKran", "Стройтранс"},
      {"Label_NHarch", "63000"},
  };
  for (const auto& [name, text] : expected) EXPECT_EQ(c.Text(name), text) << name;
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ServicePage, CountersTimesAndWeight) {
  DumpBuilder b = Crane(31);
  b.CharNumber(0, 1520.755f).MechanismSeconds(0, 0, 59).MechanismSeconds(1, 1, 3725);
  b.MechanismSeconds(0, 2, 360000).MechanismSeconds(0, 3, 0).PoweredMinutes(1, 61).LoadedSeconds(7322);
  b.LiftedWeight(0, 123456).LiftedWeight(1, 100);
  const ControlSnapshot c = Open(b, ",");
  EXPECT_EQ(c.Text("Label_HarCh"), "1520,76");
  EXPECT_EQ(c.Text("E_LEsec"), "0:00:59");
  EXPECT_EQ(c.Text("E_ALsec"), "1:02:05");
  EXPECT_EQ(c.Text("E_Lsec"), "100:00:00");
  EXPECT_EQ(c.Text("E_GAsec"), "0:00:00");
  EXPECT_EQ(c.Text("L_TimeAll"), "1:01:00");
  EXPECT_EQ(c.Text("Label_N_N_L"), "2:02:02");
  EXPECT_EQ(c.Text("Label_Sum_Q"), "1234");

  b.LiftedWeight(0, 100).LiftedWeight(1, 123456);
  EXPECT_EQ(Open(b).Text("Label_Sum_Q"), "1234т");
}

TEST_F(ServicePage, LoadSpectrumTotalsBarsAndOverloadCounts) {
  DumpBuilder b = Crane(31);
  // Ranges 11 to 15 (100 % and more) hold 1, 2, 4, 8 and 16, so every sum names its ranges.
  const std::uint32_t load[15] = {100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 4, 8, 16};
  for (int k = 1; k <= 15; ++k) b.LoadCycles(0, k, load[k - 1]);
  b.WorkCycles(0, 1, 10).WorkCycles(0, 2, 20).WorkCycles(0, 3, 30);
  const ControlSnapshot c = Open(b);
  EXPECT_EQ(c.Text("Edit_N_10"), "100");
  EXPECT_EQ(c.Text("Edit_N_b140"), "16");
  EXPECT_EQ(c.Text("Edit_ON_30"), "30");
  EXPECT_EQ(c.Text("Edit_ON_140"), "0");
  EXPECT_EQ(c.Text("Edit_K_C_N"), "131");
  EXPECT_EQ(c.Text("Edit_K_R_C"), "60");
  EXPECT_EQ(c.Position("CGauge_10"), 33);
  EXPECT_EQ(c.Position("CGauge_20"), 66);
  EXPECT_EQ(c.Position("CGauge_30"), 100);
  EXPECT_EQ(c.Position("CGauge_b140"), 0);
  EXPECT_EQ(c.Text("Label67"), "Диаграмма нагрузки в рабочих циклах");
  EXPECT_EQ(c.Text("Label_K_C_PO_P"), "31");     // ranges 11 to 15
  EXPECT_EQ(c.Text("Label_K_P_110_125"), "6");   // ranges 12 and 13: 110-120 %, 120-125 %
  EXPECT_EQ(c.Text("Label_K_P_125"), "24");      // ranges 14 and 15: above 125 %
}

TEST_F(ServicePage, ClassificationTexts) {
  DumpBuilder b = Crane(31);
  b.LoadCycles(0, 1, 16000).CharNumber(0, 2000.0f);
  const ControlSnapshot c = Open(b);
  EXPECT_EQ(c.Text("Label_KIspU"), "U1");
  EXPECT_EQ(c.Text("Label_KNag"), "0.125");
  EXPECT_EQ(c.Text("Label_RezhQ"), "Q1");
  EXPECT_EQ(c.Text("Label_RezhA"), "A1");

  DumpBuilder group9 = Crane(31);
  group9.Crane(0, CraneIdent{1, 2000, 9, "", {0x01, 0x01, 0x08}, "", ""});
  const ControlSnapshot g = Open(group9);
  EXPECT_EQ(g.Text("L_GRKr"), "A9");
  EXPECT_EQ(g.Text("Label_NHarch"), "0");
}

TEST_F(ServicePage, CaptionsAndVisibilityFollowTheRecorderVersion) {
  const ControlSnapshot v30 = Open(Crane(30));
  EXPECT_EQ(v30.Text("Label81"), "120% < M < 130%");
  EXPECT_EQ(v30.Text("Label83"), "130% < M < 140%");
  EXPECT_EQ(v30.Text("Label44"), "Версия программы:");
  EXPECT_EQ(v30.HiddenNames(), (std::set<std::string>{"Label38", "Label39", "Label40", "Label_K_P_110_125",
                                                "Label_K_P_125", "Label_N_N_L"}));
  EXPECT_FALSE(v30.Written("Label_N_N_L"));
  EXPECT_EQ(v30.Text("Label_Prog"), "5");

  const ControlSnapshot v31 = Open(Crane(31));
  EXPECT_EQ(v31.Text("Label81"), "120% < M < 125%");
  EXPECT_EQ(v31.Text("Label83"), "125% < M < 140%");
  EXPECT_EQ(v31.Text("Label44"), "Номер изменения:");
  EXPECT_TRUE(v31.HiddenNames().empty());

  const ControlSnapshot other = Open(Crane(32));
  EXPECT_FALSE(other.Written("Label81"));
  EXPECT_FALSE(other.Written("Label44"));
  EXPECT_FALSE(other.Written("Label_N_N_L"));
  EXPECT_TRUE(other.HiddenNames().empty());
}

// A reset overwrites everything opening wrote, so that nothing of the previous file stays on
// the pages, but keeps the captions, the diagram title and the visibility of the rows.
TEST_F(ServicePage, AResetEmptiesEveryValueOpeningWroteAndKeepsTheCaptions) {
  DumpBuilder b = Crane(31);
  b.LoadCycles(0, 14, 7).WorkCycles(0, 1, 10).LoadedSeconds(60);
  const ControlSnapshot opened = Open(b);
  const ControlSnapshot reset = Snapshot(EmptyServicePages());
  const std::set<std::string> kept = {"Label44", "Label67", "Label81", "Label83"};
  for (const auto& [name, value] : opened.Values()) {
    if (kept.count(name) > 0) {
      EXPECT_FALSE(reset.Written(name)) << name;
      continue;
    }
    ASSERT_TRUE(reset.Written(name)) << name;
    EXPECT_EQ(reset.Text(name), "") << name;
    EXPECT_EQ(reset.Position(name), 0) << name;
  }
  EXPECT_EQ(reset.Values().size(), opened.Values().size() - kept.size());
  EXPECT_TRUE(reset.HiddenNames().empty());
}

// Opening over an earlier file writes every value a reset would, so that none of it stays.
TEST_F(ServicePage, OpeningOverAnEarlierFileLeavesNothingOfIt) {
  const ControlSnapshot reset = Snapshot(EmptyServicePages());
  for (const std::int8_t version : {std::int8_t{30}, std::int8_t{31}, std::int8_t{32}}) {
    const ControlSnapshot shown = Snapshot(OverStartTexts(Present(Crane(version))));
    for (const auto& [name, value] : reset.Values())
      EXPECT_TRUE(shown.Written(name)) << name << ", version " << int{version};
    if (version != 31) {
      EXPECT_EQ(shown.Text("Label_N_N_L"), "");
    }
  }
}

}  // namespace
}  // namespace vertal::dump
