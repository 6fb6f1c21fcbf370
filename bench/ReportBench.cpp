// The longest report the user can ask for: every frame of a recording as the operative
// information table (270,336 lines of twenty columns, A4 landscape), written as a PDF file.
// Against reading the frames' bytes and summing them. Run under QT_QPA_PLATFORM=offscreen.

#include <sys/resource.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <filesystem>

#include "BenchSupport.h"
#include "dump/core/DumpLayout.h"
#include "reports/core/ReportLayout.h"
#include "reports/ui/ReportPdf.h"

namespace vertal::bench {
namespace {

constexpr int kColumns = 20;
// The column widths of the operative table in millimetres; they fill the landscape body.
constexpr std::array<double, kColumns> kWidths = {16, 16, 16, 14, 13, 13, 14, 13, 14, 12,
                                                  16, 10, 12, 10, 15, 15, 15, 15, 15, 13};
constexpr double kHeaderHeight = 11.9;
constexpr double kFooterHeight = 10.6;
constexpr double kBodyHeight = 166.7;
constexpr double kLineFontPx = 11;
constexpr double kFooterRulePx = 2;
constexpr double kKiBPerMiB = 1024;

std::string Number(std::int64_t value) {
  std::array<char, 24> text{};
  auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
  return {text.data(), end};
}

// A line shaped like a frame's: a number, a date, a time, decimals, bit strings.
void FillRow(std::int64_t n, std::vector<std::string>& cells) {
  const std::string hundredths =
      Number(n % 10000 / 100) + "," + Number(n % 100 / 10) + Number(n % 10);
  cells[0] = Number(n);
  cells[1] = "12.03.24";
  cells[2] = "13:" + Number(10 + n % 50) + ":" + Number(10 + n % 49);
  for (int c = 3; c < 10; ++c) cells[static_cast<std::size_t>(c)] = hundredths;
  cells[10] = "01011010";
  cells[11] = Number(n % 40 - 10);
  cells[12] = "2 5";
  cells[13] = Number(n % 120);
  for (int c = 14; c < 19; ++c) cells[static_cast<std::size_t>(c)] = "10100101";
  cells[19] = Number(n % 7);
}

reports::Report OperativeLikeReport() {
  using namespace reports;
  Report report;
  report.title = "Оперативная информация о работе крана";
  report.page.orientation = Orientation::Landscape;
  report.header.height = kHeaderHeight;
  report.footer.height = kFooterHeight;
  ColumnsBand lines;
  lines.minHeight = kBodyHeight;
  lines.font.sizePx = kLineFontPx;
  double x = 0;
  for (double width : kWidths) {
    report.header.texts.push_back(
        {x, 0, width, kHeaderHeight / 2, "Дискр.", {kLineFontPx, true}, Align::Center});
    report.header.texts.push_back({x,
                                   kHeaderHeight / 2,
                                   width,
                                   kHeaderHeight / 2,
                                   "вх. 1",
                                   {kLineFontPx, true},
                                   Align::Center});
    lines.columns.push_back({x, width, Align::Center});
    x += width;
  }
  report.footer.rules.push_back({0, 0, report.page.InnerWidth(), 0, kFooterRulePx});
  report.footer.texts.push_back(
      {0, 0, x / 2, kFooterHeight, report.title, {kLineFontPx, true, true}});
  report.footer.texts.push_back(
      {x / 2, 0, x / 2, kFooterHeight, "Страница ", {}, Align::Right, true});
  lines.rows = [n = std::int64_t{0}](std::vector<std::string>& cells) mutable {
    if (n == dump::kFrameCount) return false;
    FillRow(n++, cells);
    return true;
  };
  report.body.push_back(std::move(lines));
  return report;
}

double PeakRssMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / kKiBPerMiB;
}

void BM_OperativeReportPdf(benchmark::State& state) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "vertal-bench-operative.pdf").string();
  FloorReport report(state, ReadAndSumMs(DemoDump(), dump::kFrames.Offset(0),
                                         dump::kFrameCount * dump::kFrameSize));
  reports::PdfWritten written;
  double seconds = 0;
  for (auto _ : state) {
    reports::Report operative = OperativeLikeReport();
    const auto start = std::chrono::steady_clock::now();
    report.Start();
    written = reports::WriteReportPdf(operative, path);
    report.Stop();
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  if (!written.error.empty()) state.SkipWithError(written.error.c_str());
  state.counters["pages"] = written.pages;
  state.counters["pages_per_s"] = written.pages * static_cast<double>(state.iterations()) / seconds;
  state.counters["peak_rss_MiB"] = PeakRssMiB();
  state.counters["pdf_MiB"] =
      static_cast<double>(std::filesystem::file_size(path)) / kKiBPerMiB / kKiBPerMiB;
  std::filesystem::remove(path);
}
BENCHMARK(BM_OperativeReportPdf)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace vertal::bench
