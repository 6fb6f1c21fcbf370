#include "reports/ui/ReportPreview.h"

#include <QAction>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QToolBar>
#include <utility>

#include "reports/pdf/ReportPainter.h"
#include "reports/pdf/ReportPdf.h"
#include "common/ui/UiText.h"

namespace vertal::reports {
namespace {

constexpr char kSavePdfName[] = "SavePdf";

FileDialogSetup PdfDialog() {
  FileDialogSetup setup;
  setup.title = "Сохранить в PDF";
  setup.filters = {{"PDF (*.pdf)", "*.pdf"}};
  setup.defaultExtension = "pdf";
  return setup;
}

}  // namespace

ReportPreview::ReportPreview(ReportBuilder build, Host& host, QWidget* parent)
    : build_(std::move(build)), host_(host) {
  printer_.setFullPage(true);
  dialog_ = new QPrintPreviewDialog(&printer_, parent);
  QObject::connect(dialog_, &QPrintPreviewDialog::paintRequested, dialog_,
                   [this](QPrinter* printer) { Paint(printer); });
  savePdf_ = new QAction(ui::ToQString(kSavePdfCommand), dialog_);
  savePdf_->setObjectName(ui::ControlName(kSavePdfName));
  QObject::connect(savePdf_, &QAction::triggered, dialog_, [this] { SavePdf(); });
  if (auto* tools = dialog_->findChild<QToolBar*>()) {
    tools->addSeparator();
    tools->addAction(savePdf_);
  }
}

ReportPreview::~ReportPreview() {
  delete dialog_;
}

void ReportPreview::Exec() {
  dialog_->exec();
}

void ReportPreview::Paint(QPrinter* printer) {
  Report report = build_();
  // Each report sets its own sheet; the layout holds its margins.
  SetReportPage(*printer, report.page);
  printer->setDocName(ui::ToQString(report.title));
  dialog_->setWindowTitle(ui::ToQString(report.title));
  QPainter painter;
  if (!painter.begin(printer)) return;
  PaintReport(report, *printer, painter);
}

void ReportPreview::SavePdf() {
  const std::optional<std::string> path = host_.ChooseSaveFile(PdfDialog());
  if (!path) return;
  Report report = build_();
  const PdfWritten written = WriteReportPdf(report, *path);
  if (!written.error.empty()) ShowError(host_, written.error);
}

void PreviewViewer::Show(const ReportBuilder& build) {
  ReportPreview preview(build, host_, parent_);
  if (onShow) onShow(preview);
  preview.Exec();
}

}  // namespace vertal::reports
