// vertal-cli report: each kind written as a PDF and read back as text, the page counts, the
// refused frame range and the KDS report that a version-30 file does not have.

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>

#include "CliProcess.h"
#include "support/DumpBuilder.h"

namespace vertal::testing {
namespace {

using nlohmann::json;

// Whether `texts` occur in `text` in this order.
::testing::AssertionResult InOrder(const std::string& text, std::initializer_list<std::string> texts) {
  std::size_t at = 0;
  for (const std::string& t : texts) {
    const std::size_t found = text.find(t, at);
    if (found == std::string::npos)
      return ::testing::AssertionFailure() << "\"" << t << "\" missing after offset " << at << " in\n" << text;
    at = found + t.size();
  }
  return ::testing::AssertionSuccess();
}

class ReportCommand : public CliCommandTest {
 protected:
  // The report's document; its PDF as text in `text`.
  json Report(const std::vector<std::string>& options, int status = 0) {
    std::vector<std::string> args{"report", path, "--pdf", pdf};
    args.insert(args.end(), options.begin(), options.end());
    const json document = Run(args, status);
    if (std::filesystem::exists(pdf)) text = PdfText(pdf);
    return document;
  }
  std::string pdf = dir.File("r.pdf");
  std::string text;
};

TEST_F(ReportCommand, TheCardFollowsTheRecorderVersion) {
  DumpBuilder b;
  CraneIdent crane;
  crane.serial = 77;
  crane.model = "КС-45717";
  b.Crane(0, crane);
  b.CharNumber(0, 12.34f);
  Write(b);
  const json card = Report({"--kind", "card"});
  EXPECT_EQ(card["pages"], 2);
  EXPECT_EQ(card["messages"], json::array());
  EXPECT_TRUE(InOrder(text, {"Информационная карта", "на кран КС-45717 № 77",
                             "2. Идентификация ограничиля", "Номер изменения:",
                             "Грурппа режима работы:", "12.34/", "Страница 1",
                             "5.3 Таблица нарабоки крана по степени загрузки", "0% < M < 10%",
                             "120% < M < 125%", "125% < M < 140%", "140% < M", "Страница 2"}));

  b.RecorderVersion(30);
  Write(b);
  Report({"--kind", "card"});
  EXPECT_TRUE(InOrder(text, {"Версия программы:", "120% < M < 130%", "130% < M < 140%"}));
}

TEST_F(ReportCommand, TheOperativeReportPrintsTheValidFramesOfTheRange) {
  DumpBuilder b;
  FrameFields frame;
  frame.pressure = 1000;
  frame.temperature = -10;
  frame.reeving = 2;
  frame.mode = 5;
  b.Frame(0, frame);
  FrameFields loaded;
  loaded.load = 250;
  b.Frame(2, loaded);
  b.Frame(201, FrameFields{});  // past the range
  Write(b);
  const json oper = Report({"--kind", "oper"});
  EXPECT_EQ(oper["pages"], 1);
  EXPECT_TRUE(InOrder(text, {"№", "Error", "0", "01.01.08", "12:00:00", "10.00", "-10", "2 5", "2",
                             "2.50", "Оперативная информация о работе крана ", "Страница 1"}));
  EXPECT_EQ(text.find("201"), std::string::npos);

  for (const auto& [first, last] : {std::pair{"10", "10"}, std::pair{"20", "10"}}) {
    const CliRun refused = RunCli({"report", path, "--kind", "oper", "--pdf", pdf, "--first",
                                   first, "--last", last});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("Неправильный диапазон!"), std::string::npos);
  }
}

TEST_F(ReportCommand, TheOverloadReportSaysWhenThereWereNone) {
  DumpBuilder b;
  b.OverloadRecord(4, EncodeOverload(130, {0x15, 0x09, 0x08}));
  Write(b);
  Report({"--kind", "per", "--threshold", "150"});
  EXPECT_TRUE(InOrder(text, {"Перегрузок более 150% с 10.09.08 по 20.09.08 не было!",
                             "Таблица перегрузок крана "}));
  EXPECT_EQ(Report({"--kind", "per"})["pages"], 1);
  EXPECT_TRUE(InOrder(text, {"№ кадра", "4", "15.09.08", "130", "8.25", "15.05"}));
}

TEST_F(ReportCommand, KdsIsBuiltForVersion31Only) {
  DumpBuilder b;
  b.RecorderVersion(30);
  Write(b);
  EXPECT_EQ(Report({"--kind", "kds"})["pages"], 0);
  EXPECT_FALSE(std::filesystem::exists(pdf));
  b.RecorderVersion(31);
  Write(b);
  EXPECT_EQ(Report({"--kind", "kds"})["pages"], 1);
  EXPECT_NE(text.find("Превышений параметров КДС не было!"), std::string::npos);
}

TEST_F(ReportCommand, AGraphPrintsOnALandscapePage) {
  Write(DumpBuilder());
  EXPECT_EQ(Report({"--kind", "graph-param", "--at", "100"})["pages"], 1);
  const CliRun info = RunProgram("/usr/bin/pdfinfo", {pdf});
  EXPECT_NE(info.out.find("842 x 595 pts"), std::string::npos) << info.out;
}

// The analysis commands start without the painting libraries; the painting ones hand over to
// the painting program, and a copy of vertal-cli without it says so instead of failing quietly.
TEST_F(ReportCommand, OnlyThePaintingProgramLoadsTheGuiLibraries) {
  Write(DumpBuilder());
  const CliRun loaded = RunCli({"info", path}, {"LD_TRACE_LOADED_OBJECTS=1"});
  ASSERT_NE(loaded.out.find("libstdc++"), std::string::npos) << loaded.out;
  for (const char* library : {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport", "QCustomPlot"})
    EXPECT_EQ(loaded.out.find(library), std::string::npos) << library;

  const std::string alone = dir.File("vertal-cli");
  std::filesystem::copy_file(CliPath(), alone);
  const CliRun report = RunProgram(alone, {"report", path, "--kind", "card", "--pdf", pdf});
  EXPECT_EQ(report.exitCode, 3);
  EXPECT_NE(report.err.find("cannot start the painting program"), std::string::npos) << report.err;
  EXPECT_EQ(report.out, "");
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

}  // namespace
}  // namespace vertal::testing
