#include "reports/pdf/ReportPdf.h"

#include <QPainter>
#include <QPdfWriter>

#include "reports/pdf/ReportPainter.h"
#include "common/ui/UiText.h"

namespace vertal::reports {
namespace {

std::string WriteFailed(const std::string& path) {
  return "Не удалось записать файл " + path;
}

}  // namespace

PdfWritten WriteReportPdf(Report& report, const std::string& path) {
  QPdfWriter writer(ui::ToQString(path));
  writer.setTitle(ui::ToQString(report.title));
  SetReportPage(writer, report.page);
  QPainter painter;
  // Opening the file happens here, and a path that cannot be written only shows as a refusal.
  if (!painter.begin(&writer)) return {0, WriteFailed(path)};
  PdfWritten written;
  written.pages = PaintReport(report, writer, painter);
  if (!painter.end()) written.error = WriteFailed(path);
  return written;
}

void PdfViewer::Show(const ReportBuilder& build) {
  Report report = build();
  last_ = WriteReportPdf(report, path_);
  ++shown_;
}

}  // namespace vertal::reports
