#pragma once
// A report written as a PDF file: the window's "Сохранить в PDF…" and the command-line tool.

#include <string>
#include <utility>

#include "reports/core/ReportLayout.h"
#include "reports/core/ReportSequence.h"

namespace vertal::reports {

struct PdfWritten {
  int pages = 0;
  std::string error;  // empty when the file was written
};

// Writes the report to `path` as an A4 PDF in the report's orientation, titled with the
// report's title. Needs a QGuiApplication (its fonts).
PdfWritten WriteReportPdf(Report& report, const std::string& path);

// Shows each report by writing it to one file; the command-line tool writes one report per
// run. `Last()` tells how the last one went.
class PdfViewer final : public ReportViewer {
 public:
  explicit PdfViewer(std::string path) : path_(std::move(path)) {}
  void Show(const ReportBuilder& build) override;
  const PdfWritten& Last() const { return last_; }
  int Shown() const { return shown_; }

 private:
  std::string path_;
  PdfWritten last_;
  int shown_ = 0;
};

}  // namespace vertal::reports
