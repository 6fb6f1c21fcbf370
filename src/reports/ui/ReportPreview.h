#pragma once
// A report in the print preview over the window: the user pages through it, prints it with
// the print dialog or saves it as a PDF file, and closes it.

#include <QPointer>
#include <QPrinter>
#include <functional>

#include "common/core/Host.h"
#include "reports/core/ReportSequence.h"

class QAction;
class QPrintPreviewDialog;
class QWidget;

namespace vertal::reports {

// The preview's tool-bar command that writes the report to a PDF file.
inline constexpr char kSavePdfCommand[] = "Сохранить в PDF…";

class ReportPreview {
 public:
  // Sets the preview up over `parent` without showing it; each time the preview lays the
  // pages out it builds the report afresh.
  ReportPreview(ReportBuilder build, Host& host, QWidget* parent);
  ~ReportPreview();
  ReportPreview(const ReportPreview&) = delete;
  ReportPreview& operator=(const ReportPreview&) = delete;

  QPrintPreviewDialog* Dialog() const { return dialog_; }
  QAction* SavePdfAction() const { return savePdf_; }
  // Shows the preview modally; returns when the user has closed it.
  void Exec();

 private:
  void Paint(QPrinter* printer);
  void SavePdf();

  ReportBuilder build_;
  Host& host_;
  // The preview paginates on this printer as the PDF and the printout do: A4, no margins.
  QPrinter printer_{QPrinter::HighResolution};
  QPointer<QPrintPreviewDialog> dialog_;
  QAction* savePdf_ = nullptr;
};

// Shows each report in a preview over the window and waits until the user closes it.
class PreviewViewer final : public ReportViewer {
 public:
  PreviewViewer(QWidget* parent, Host& host) : parent_(parent), host_(host) {}
  void Show(const ReportBuilder& build) override;

  // Called with each preview once it is set up, just before it is shown modally (a test
  // answers and closes it from here).
  std::function<void(ReportPreview&)> onShow;

 private:
  QPointer<QWidget> parent_;
  Host& host_;
};

}  // namespace vertal::reports
