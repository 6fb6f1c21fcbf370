#include "reports/ui/ReportPreview.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QIcon>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolBar>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "common/ui/UiText.h"
#include "reports/pdf/ReportPainter.h"
#include "reports/pdf/ReportPdf.h"
#include "reports/ui/PageView.h"

namespace vertal::reports {
namespace {

constexpr char kSavePdfName[] = "SavePdf";
constexpr char kPrintName[] = "Print";
constexpr char kPageNumberName[] = "PageNumber";
constexpr char kPageViewName[] = "Pages";
// The tool bar speaks as the toolkit's own preview did, in the language its translations give.
constexpr char kToolkitPreview[] = "QPrintPreviewDialog";
const char* const kIconFolder = ":/qt-project.org/dialogs/qprintpreviewdialog/images/";
constexpr double kZoomStep = 1.25;
constexpr int kPercent = 100;
constexpr auto kZoomPercents = std::to_array({12.5, 25.0, 50.0, 75.0, 100.0, 125.0, 150.0, 200.0,
                                              400.0, 800.0});
constexpr int kZoomDecimals = 1;
constexpr int kZoomTextLength = 6;  // "112.5%"
constexpr int kDialogWidth = 1000;
constexpr int kDialogHeight = 800;

FileDialogSetup PdfDialog() {
  FileDialogSetup setup;
  setup.title = "Сохранить в PDF";
  setup.filters = {{"PDF (*.pdf)", "*.pdf"}};
  setup.defaultExtension = "pdf";
  return setup;
}

QString Toolkit(const char* text) {
  return QCoreApplication::translate(kToolkitPreview, text);
}

QIcon ToolkitIcon(const char* name) {
  QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
  const QString stem = QString::fromLatin1(kIconFolder) + QString::fromLatin1(name);
  icon.addFile(stem + QStringLiteral("-24.png"), QSize(24, 24));
  icon.addFile(stem + QStringLiteral("-32.png"), QSize(32, 32));
  return icon;
}

QString PercentText(double zoom) {
  return QString::number(zoom * kPercent, 'f', kZoomDecimals).remove(QStringLiteral(".0")) +
         QLatin1Char('%');
}

}  // namespace

ReportPreview::ReportPreview(ReportBuilder build, Host& host, QWidget* parent,
                             PrinterChoice choosePrinter)
    : build_(std::move(build)), host_(host), choosePrinter_(std::move(choosePrinter)) {
  Report report = build_();
  sheet_ = report.page;
  title_ = report.title;
  Paginate(report, [this](const Page& page) {
    pages_.Add(page);
    return true;
  });
  printer_.setFullPage(true);
  dialog_ = new QDialog(parent);
  dialog_->setWindowTitle(ui::ToQString(title_));
  dialog_->resize(kDialogWidth, kDialogHeight);
  view_ = new PageView(pages_, sheet_, dialog_);
  view_->setObjectName(ui::ControlName(kPageViewName));
  AddTools();
  dialog_->layout()->addWidget(view_);
}

ReportPreview::~ReportPreview() {
  delete dialog_;
}

void ReportPreview::AddTools() {
  auto* layout = new QVBoxLayout(dialog_);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* tools = new QToolBar(dialog_);
  layout->addWidget(tools);
  auto add = [&](const char* text, const char* icon, auto handler) {
    QAction* action = tools->addAction(ToolkitIcon(icon), Toolkit(text));
    QObject::connect(action, &QAction::triggered, dialog_, handler);
    return action;
  };
  add("Fit width", "zoom-fit-width", [this] { view_->FitWidth(); });
  add("Fit page", "zoom-fit-page", [this] { view_->FitPage(); });
  auto* zoom = new QComboBox(tools);
  zoom->setEditable(true);
  zoom->setInsertPolicy(QComboBox::NoInsert);
  for (const double percent : kZoomPercents) zoom->addItem(PercentText(percent / kPercent));
  zoom->setMinimumContentsLength(kZoomTextLength);
  tools->addWidget(zoom);
  QObject::connect(zoom, &QComboBox::textActivated, dialog_, [this](const QString& text) {
    bool ok = false;
    const double percent = QString(text).remove(QLatin1Char('%')).trimmed().toDouble(&ok);
    if (ok && percent > 0) view_->SetZoom(percent / kPercent);
  });
  QObject::connect(view_, &PageView::zoomChanged, zoom,
                   [zoom](double value) { zoom->setEditText(PercentText(value)); });
  add("Zoom in", "zoom-in", [this] { view_->SetZoom(view_->Zoom() * kZoomStep); });
  add("Zoom out", "zoom-out", [this] { view_->SetZoom(view_->Zoom() / kZoomStep); });
  tools->addSeparator();
  add("First page", "go-first", [this] { view_->ShowPage(0); });
  add("Previous page", "go-previous", [this] { view_->ShowPage(view_->CurrentPage() - 1); });
  pageNumber_ = new QLineEdit(tools);
  pageNumber_->setObjectName(ui::ControlName(kPageNumberName));
  pageNumber_->setValidator(new QIntValidator(1, std::max(1, pages_.Count()), pageNumber_));
  pageNumber_->setAlignment(Qt::AlignRight);
  pageNumber_->setMaximumWidth(pageNumber_->fontMetrics().horizontalAdvance(
      QString(QString::number(pages_.Count()).size() + 2, QLatin1Char('0'))));
  tools->addWidget(pageNumber_);
  tools->addWidget(new QLabel(QStringLiteral(" / %1 ").arg(pages_.Count()), tools));
  QObject::connect(pageNumber_, &QLineEdit::editingFinished, dialog_,
                   [this] { view_->ShowPage(pageNumber_->text().toInt() - 1); });
  QObject::connect(view_, &PageView::currentPageChanged, dialog_,
                   [this](int index) { ShowPageNumber(index); });
  ShowPageNumber(0);
  add("Next page", "go-next", [this] { view_->ShowPage(view_->CurrentPage() + 1); });
  add("Last page", "go-last", [this] { view_->ShowPage(pages_.Count() - 1); });
  tools->addSeparator();
  print_ = add("Print", "printer", [this] { Print(); });
  print_->setObjectName(ui::ControlName(kPrintName));
  tools->addSeparator();
  savePdf_ = new QAction(ui::ToQString(kSavePdfCommand), dialog_);
  savePdf_->setObjectName(ui::ControlName(kSavePdfName));
  QObject::connect(savePdf_, &QAction::triggered, dialog_, [this] { SavePdf(); });
  tools->addAction(savePdf_);
}

void ReportPreview::ShowPageNumber(int index) {
  pageNumber_->setText(QString::number(index + 1));
}

void ReportPreview::Exec() {
  dialog_->exec();
}

void ReportPreview::Print() {
  SetReportPage(printer_, sheet_);
  printer_.setDocName(ui::ToQString(title_));
  printer_.setFromTo(0, 0);
  if (!choosePrinter_(printer_, dialog_)) return;
  // A page range chosen in the print dialog counts pages from 1; none means all.
  const int first = printer_.fromPage() > 0 ? printer_.fromPage() - 1 : 0;
  const int last = printer_.toPage() > 0 ? printer_.toPage() - 1 : pages_.Count() - 1;
  QPainter painter;
  if (!painter.begin(&printer_)) return;
  PaintPages(pages_, first, last, printer_, painter);
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
