#include "cli/FleetCards.h"

#include <filesystem>

#include "fleet/core/DumpFiles.h"
#include "reports/core/CardReport.h"
#include "reports/pdf/ReportPdf.h"

namespace vertal::cli {

std::string PaintedFleetCards::Write(const fleet::FleetDump& dump) {
  if (!dump.cardPages) return {};
  // Just opened: no search has filled the two summaries yet.
  const reports::CardInputs inputs{*dump.cardPages, dump.row.recorderVersion, std::string(),
                                   std::string()};
  reports::Report card = reports::BuildCard(inputs);
  const std::filesystem::path pdf =
      std::filesystem::path(outDir_) / fleet::CardFileName(dump.row.file, dump.row.sha256);
  const reports::PdfWritten written = reports::WriteReportPdf(card, pdf.string());
  if (written.error.empty()) ++written_;
  return written.error;
}

std::unique_ptr<FleetCards> MakeFleetCards(std::string outDir, std::string&) {
  return std::make_unique<PaintedFleetCards>(std::move(outDir));
}

}  // namespace vertal::cli
