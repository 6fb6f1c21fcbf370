#pragma once
// A report in the print preview over the window: the user pages through it, zooms, prints it
// with the print dialog or saves it as a PDF file, and closes it. The report is laid out once
// when the preview opens; a page is drawn only when it comes into view.

#include <QPointer>
#include <QPrinter>
#include <functional>

#include "common/core/Host.h"
#include "reports/core/PageStore.h"
#include "reports/core/ReportSequence.h"
#include "reports/ui/ChartPrint.h"

class QAction;
class QDialog;
class QLabel;
class QLineEdit;
class QWidget;

namespace vertal::reports {

class PageView;

// The preview's tool-bar command that writes the report to a PDF file.
inline constexpr char kSavePdfCommand[] = "Сохранить в PDF…";

class ReportPreview {
 public:
  // Lays the report out and sets the preview up over `parent` without showing it; printing
  // asks `choosePrinter` first.
  ReportPreview(ReportBuilder build, Host& host, QWidget* parent,
                PrinterChoice choosePrinter = ShowPrintDialog);
  ~ReportPreview();
  ReportPreview(const ReportPreview&) = delete;
  ReportPreview& operator=(const ReportPreview&) = delete;

  QDialog* Dialog() const { return dialog_; }
  PageView* View() const { return view_; }
  QAction* SavePdfAction() const { return savePdf_; }
  QAction* PrintAction() const { return print_; }
  int PageCount() const { return pages_.Count(); }
  // The memory the laid-out pages take.
  std::size_t LaidOutBytes() const { return pages_.Bytes(); }
  // Shows the preview modally; returns when the user has closed it.
  void Exec();

 private:
  void AddTools();
  void ShowPageNumber(int index);
  void Print();
  void SavePdf();

  ReportBuilder build_;
  Host& host_;
  PrinterChoice choosePrinter_;
  PageStore pages_;
  PageSetup sheet_;
  std::string title_;
  // Printing paginates on this printer as the PDF does: A4, no margins.
  QPrinter printer_{QPrinter::HighResolution};
  QPointer<QDialog> dialog_;
  PageView* view_ = nullptr;
  QLineEdit* pageNumber_ = nullptr;
  QAction* savePdf_ = nullptr;
  QAction* print_ = nullptr;
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
