// The fleet report of a fleet run, fleet.pdf: the cranes' histories read from the run's files
// and painted with the window's painter. Only in the painting program.

#include <filesystem>
#include <memory>

#include "cli/DecimalSeparator.h"
#include "cli/Painting.h"
#include "cli/PaintingApplication.h"
#include "history/core/CraneHistory.h"
#include "reports/core/HistoryReport.h"
#include "reports/pdf/ReportPdf.h"

namespace vertal::cli {
namespace {

constexpr std::string_view kReportFile = "fleet.pdf";

class PaintedFleetReport final : public FleetReport {
 public:
  explicit PaintedFleetReport(const std::string& outDir)
      : path_((std::filesystem::path(outDir) / kReportFile).string()) {}

  std::string Write(const std::vector<std::string>& files, unsigned jobs) override {
    const std::string separator = DecimalSeparator();
    auto fleet = std::make_shared<const history::FleetHistory>(
        history::ReadHistory({files, jobs, separator}));
    reports::Report report = reports::FleetHistoryReport(std::move(fleet), separator)();
    const reports::PdfWritten written = reports::WriteReportPdf(report, path_);
    pages_ = written.pages;
    return written.error;
  }
  int Pages() const override { return pages_; }
  const std::string& Path() const override { return path_; }

 private:
  PaintingApplication application_;
  std::string path_;
  int pages_ = 0;
};

}  // namespace

std::unique_ptr<FleetReport> MakeFleetReport(std::string outDir, std::string&) {
  return std::make_unique<PaintedFleetReport>(outDir);
}

}  // namespace vertal::cli
