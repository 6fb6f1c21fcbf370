// Reports as the user meets them: the information card, the operative information of the
// proposed 200 frames and an overload table of 2,600 lines opened in the print preview, and the
// longest report there is, every frame of a recording (270,336 lines of twenty columns), written
// as a PDF file. Each against reading the same bytes and checking them. Run under
// QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QDialog>
#include <ctime>
#include <filesystem>
#include <numeric>

#include "BenchSupport.h"
#include "app/core/OpenDump.h"
#include "dump/core/DumpLayout.h"
#include "reports/core/CardReport.h"
#include "reports/core/TableReports.h"
#include "reports/pdf/ReportPdf.h"
#include "reports/ui/PageView.h"
#include "reports/ui/ReportPreview.h"

namespace vertal::bench {
namespace {

constexpr double kKiBPerMiB = 1024;
constexpr double kMsPerS = 1000;
constexpr std::int64_t kProposedLastFrame = 200;
constexpr std::int64_t kOverloadLines = 2600;
// Paging through the longest preview shows every this many'th page.
constexpr int kPagingStride = 25;

// The demo opened as the window opens it, for the texts of the card and the titles.
const app::OpenedDump& OpenedDemo() {
  static const app::OpenedDump opened = [] {
    BenchHost host;
    return *app::OpenDump(DemoDump(), host, ".");
  }();
  return opened;
}

reports::TableSource DemoSource(const std::string& path) {
  return {path, ".", OpenedDemo().service.service};
}

// Opens the preview of `build` as the window does (every page laid out and painted when the
// dialog shows) and closes it again.
void OpenPreview(benchmark::State& state, const reports::ReportBuilder& build, Timing floor) {
  BenchHost host;
  FloorReport report(state, floor);
  for (auto _ : state) {
    report.Start();
    reports::ReportPreview preview(build, host, nullptr);
    preview.Dialog()->show();
    QApplication::processEvents();
    preview.Dialog()->close();
    report.Stop();
  }
}

// Pages through the preview from its first page to its last, every page shown in turn.
void PageThrough(reports::ReportPreview& preview) {
  for (int page = 0; page < preview.PageCount(); page += kPagingStride) {
    preview.View()->ShowPage(page);
    preview.View()->viewport()->repaint();
  }
  preview.View()->ShowPage(preview.PageCount() - 1);
  preview.View()->viewport()->repaint();
}

void BM_PreviewCard(benchmark::State& state) {
  const reports::CardInputs card{OpenedDemo().service, OpenedDemo().recorderVersion, "", ""};
  OpenPreview(state, [card] { return reports::BuildCard(card); },
              ReadAndCheckMs(DemoDump(), 0, dump::kFrames.Offset(0)));
}
BENCHMARK(BM_PreviewCard)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(5));

void BM_PreviewOperative200(benchmark::State& state) {
  BenchHost host;
  const auto build =
      reports::OperativeReport(DemoSource(DemoDump()), {0, kProposedLastFrame}, host);
  OpenPreview(state, build,
              ReadAndCheckMs(DemoDump(), dump::kFrames.Offset(0),
                           (kProposedLastFrame + 1) * dump::kFrameSize));
}
BENCHMARK(BM_PreviewOperative200)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(5));

void BM_PreviewOverloads2600(benchmark::State& state) {
  BenchHost host;
  std::vector<std::int64_t> records(kOverloadLines);
  std::iota(records.begin(), records.end(), 0);
  OpenPreview(state,
              reports::OverloadReport(DemoSource(DemoDump()), records, events::OverloadFields{}, host),
              ReadAndCheckMs(DemoDump(), dump::kOverloadRecords.Offset(0),
                           kOverloadLines * dump::kOverloadRecords.size));
}
BENCHMARK(BM_PreviewOverloads2600)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(5));

// Every frame slot holds a valid frame, so every one of them is a line: one day of recording
// (one frame every six seconds) and the whole recording.
constexpr std::int64_t kFramesPerDay = 14'400;

void WriteOperativePdf(benchmark::State& state, std::int64_t frames) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "vertal-bench-operative.pdf").string();
  BenchHost host;
  const auto build =
      reports::OperativeReport(DemoSource(ManyEpisodesDump()), {0, frames - 1}, host);
  FloorReport report(state, ReadAndCheckMs(ManyEpisodesDump(), dump::kFrames.Offset(0),
                                         frames * dump::kFrameSize));
  reports::PdfWritten written;
  double seconds = 0;
  for (auto _ : state) {
    reports::Report operative = build();
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

void BM_OperativeReportPdfOneDay(benchmark::State& state) {
  WriteOperativePdf(state, kFramesPerDay);
}
BENCHMARK(BM_OperativeReportPdfOneDay)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(3));

void BM_OperativeReportPdfAllFrames(benchmark::State& state) {
  WriteOperativePdf(state, dump::kFrameCount);
}
BENCHMARK(BM_OperativeReportPdfAllFrames)->Unit(benchmark::kSecond)->Iterations(IterationCount(1));

// The preview of every frame: the time until it shows, and the process's memory after
// paging through it (the benchmark's own peak covers the PDF's too, so the resident memory
// is reported beside it).
void BM_PreviewOperativeAllFrames(benchmark::State& state) {
  BenchHost host;
  const auto build = reports::OperativeReport(DemoSource(ManyEpisodesDump()),
                                              {0, dump::kFrameCount - 1}, host);
  FloorReport report(state, ReadAndCheckMs(ManyEpisodesDump(), dump::kFrames.Offset(0),
                                         dump::kFrameCount * dump::kFrameSize));
  for (auto _ : state) {
    const std::clock_t cpuStart = std::clock();
    report.Start();
    reports::ReportPreview preview(build, host, nullptr);
    preview.Dialog()->show();
    QApplication::processEvents();
    report.Stop();
    state.counters["open_cpu_ms"] =
        kMsPerS * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    state.counters["rss_open_MiB"] = ResidentMiB();
    state.counters["pages_MiB"] =
        static_cast<double>(preview.LaidOutBytes()) / kKiBPerMiB / kKiBPerMiB;
    PageThrough(preview);
    state.counters["rss_paged_MiB"] = ResidentMiB();
    preview.Dialog()->close();
  }
  state.counters["peak_rss_MiB"] = PeakRssMiB();
}
BENCHMARK(BM_PreviewOperativeAllFrames)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(1));

}  // namespace
}  // namespace vertal::bench
