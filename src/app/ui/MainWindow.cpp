#include "app/ui/MainWindow.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QProgressBar>
#include <QResizeEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "app/core/FileDialogs.h"
#include "app/core/OpenDump.h"
#include "app/ui/AboutBox.h"
#include "app/ui/MainMenu.h"
#include "app/ui/ExportCommands.h"
#include "app/ui/HistoryCommand.h"
#include "app/ui/PrintCommands.h"
#include "app/ui/PageTree.h"
#include "app/ui/ReadoutController.h"
#include "link/ui/OperatorDialog.h"
#include "app/ui/StatusPanels.h"
#include "app/ui/ToolPanel.h"
#include "compare/core/ReadingDiff.h"
#include "dump/core/DumpLayout.h"
#include "frames/core/PeriodScan.h"
#include "common/ui/GuardedCommand.h"
#include "common/ui/ShownPass.h"
#include "common/ui/UiText.h"
#include "common/ui/ValueAccessibility.h"

namespace vertal::app {

namespace {

using ui::ToQString;
using ui::ToStdString;

constexpr int kProgressHeight = 15;

// The scan's bar counts one step more than there are frames.
constexpr int kScanProgressMaximum = static_cast<int>(dump::kFrameCount) + 1;

FileDialogSetup CompareDialogSetup() {
  FileDialogSetup setup = OpenFileDialog();
  setup.title = compare::kCompareDialogTitle;
  return setup;
}

}  // namespace

MainWindow::MainWindow(Host& host, link::UnitPort& port, QWidget* parent)
    : QMainWindow(parent),
      host_(host),
      link_(port),
      openDialog_(OpenFileDialog()),
      saveDialog_(ReadoutSaveDialog()),
      compareDialog_(CompareDialogSetup()) {
  ui::InstallValueAccessibility();
  setObjectName(QStringLiteral("Form_Main"));
  setWindowTitle(QStringLiteral("Анализ данных регистратора параметров VERTAL"));
  // Where the design font is missing, a font of Arial's metrics keeps the texts the width the
  // pages were laid out for; the system's default sans font is much wider.
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  QFont font(QStringLiteral("MS Sans Serif"), 8);
  font.setStyleHint(QFont::SansSerif);
  setFont(font);

  menu_ = std::make_unique<MainMenu>(BuildMainMenu(menuBar()));
  tools_ = std::make_unique<ToolPanel>(BuildToolPanel(this));
  pages_ = new PageTree(this, *this, document_);
  const TableCommandInputs tableInputs(*this, *pages_, document_);
  printing_ = new PrintCommands(this, tableInputs, *pages_);
  exporting_ = new ExportCommands(this, tableInputs);
  history_ = new HistoryCommand(this, *this, *pages_, [this](const std::string& path) { OpenFile(path); });

  sizeNotice_ = MakeSizeNotice(this);

  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
  progressBar_->setAccessibleName(QStringLiteral("Ход чтения"));
  progressBar_->setRange(0, 100);
  progressBar_->setValue(0);
  progressBar_->setTextVisible(false);
  progressBar_->setFixedHeight(kProgressHeight);

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(tools_->panel);
  column->addWidget(sizeNotice_);
  column->addWidget(pages_, 1);
  column->addWidget(progressBar_);
  setCentralWidget(central);

  statusPanels_ = new StatusPanels(this);
  setStatusBar(statusPanels_);
  reader_ = std::make_unique<ReadoutController>(
      this, *this, progressBar_, statusPanels_,
      [this] { return std::vector<QWidget*>{tools_->panel}; },
      [this] { return std::vector<QWidget*>{pages_}; });

  reconnectTimer_ = new QTimer(this);
  reconnectTimer_->setObjectName(QStringLiteral("Timer1"));
  reconnectTimer_->setInterval(link::kReconnectIntervalMs);
  reconnectTimer_->start();

  showAboutBox = [this] {
    AboutBox box(this);
    box.exec();
  };
  // Created anew for each readout, so every readout starts from the dialog's opening texts.
  runOperatorDialog = [this](link::CraneIdentBuffer& craneIdent, link::TrailerBuffer& trailer) {
    link::OperatorDialogWindow dialog(this);
    return dialog.Run(craneIdent, trailer);
  };

  ConnectCommands();
  resize(kWidth, kHeight);
  StartUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectCommands() {
  ui::ConnectCommand(tools_->read, &QToolButton::clicked, this, host_, &MainWindow::OnReadButton);
  ui::ConnectCommand(tools_->open, &QToolButton::clicked, this, host_, &MainWindow::OnOpen);
  ui::ConnectCommand(tools_->exit, &QToolButton::clicked, this, host_, &MainWindow::OnExit);
  ui::ConnectCommand(tools_->about, &QToolButton::clicked, this, host_, &MainWindow::OnAbout);
  ui::ConnectCommand(menu_->read, &QAction::triggered, this, host_, &MainWindow::OnReadMenuItem);
  ui::ConnectCommand(menu_->open, &QAction::triggered, this, host_, &MainWindow::OnOpen);
  ui::ConnectCommand(menu_->compare, &QAction::triggered, this, host_, &MainWindow::OnCompare);
  ui::ConnectCommand(menu_->history, &QAction::triggered, history_, host_, &HistoryCommand::OnHistory);
  ui::ConnectCommand(menu_->exit, &QAction::triggered, this, host_, &MainWindow::OnExit);
  ui::ConnectCommand(menu_->about, &QAction::triggered, this, host_, &MainWindow::OnAbout);
  ui::ConnectCommand(menu_->card, &QAction::triggered, printing_, host_, &PrintCommands::OnPrintCard);
  ui::ConnectCommand(menu_->paramGraph, &QAction::triggered, printing_, host_, &PrintCommands::OnPrintParamGraph);
  ui::ConnectCommand(menu_->operative, &QAction::triggered, printing_, host_, &PrintCommands::OnPrintFrames);
  ui::ConnectCommand(menu_->overloads, &QAction::triggered, printing_, host_, &PrintCommands::OnPrintOverloads);
  ui::ConnectCommand(menu_->relayGraph, &QAction::triggered, printing_, host_, &PrintCommands::OnPrintRelayGraph);
  ui::ConnectCommand(menu_->kds, &QAction::triggered, printing_, host_, &PrintCommands::OnPrintKds);
  ui::ConnectCommand(menu_->exportCsv, &QAction::triggered, exporting_, host_, &ExportCommands::OnExport);
  // A checkable item has already inverted its check mark when it reports the click.
  ui::ConnectCommand(menu_->toolPanel, &QAction::triggered, this, host_, &MainWindow::ShowToolPanel);
  ui::ConnectCommand(reconnectTimer_, &QTimer::timeout, this, host_, &MainWindow::OnReconnectTick);
}

// --- State offered to the other parts ---

DumpSource MainWindow::CurrentFile() const {
  return document_.Source();
}

std::string MainWindow::DecimalSeparator() const {
  return ToStdString(QLocale::system().decimalPoint());
}

QString MainWindow::StatusText(int panel) const {
  return statusPanels_->PanelText(panel);
}

void MainWindow::SetStatusText(int panel, const QString& text) {
  statusPanels_->SetPanelText(panel, text);
}

QColor MainWindow::StatusColor() const {
  return statusPanels_->Color();
}

void MainWindow::SetStatusColor(const QColor& color) {
  statusPanels_->SetColor(color);
}

QColor MainWindow::ButtonFaceColor() const {
  return statusPanels_->ButtonFaceColor();
}

void MainWindow::SetProgress(int position) {
  // The bar would repaint itself at once, and with it every change waiting in the window; it
  // is painted with them by the host's next repaint or by the event loop instead.
  progressBar_->setUpdatesEnabled(false);
  progressBar_->setValue(position);
  progressBar_->setUpdatesEnabled(true);
}

void MainWindow::SetProgressMaximum(int maximum) {
  progressBar_->setMaximum(maximum);
}

std::vector<QWidget*> MainWindow::PassIndicators() const {
  return {statusPanels_, progressBar_};
}

// --- Start-up and the link ---

void MainWindow::StartUp() {
  pages_->SelectServicePage();
  ApplyConnection(link::ConnectUnit(link_), false);
  pages_->FillKdsParameterList();
}

void MainWindow::OnReconnectTick() {
  if (reading_) return;
  ApplyConnection(link::ConnectUnit(link_), true);
}

void MainWindow::ApplyConnection(const link::ConnectionState& state, bool keepSameText) {
  const bool same = state.statusText == linkState_.statusText &&
                    state.timerOn == linkState_.timerOn &&
                    state.lastDriverStatus == linkState_.lastDriverStatus &&
                    state.lastReplyCode == linkState_.lastReplyCode;
  linkState_ = state;
  if (!(keepSameText && same)) SetStatusText(kStatusPanel, ToQString(state.statusText));
  SwitchTimer(state.timerOn);
}

void MainWindow::SwitchTimer(bool on) {
  // Switching on a running timer keeps its rhythm.
  if (on && !reconnectTimer_->isActive()) reconnectTimer_->start();
  if (!on) reconnectTimer_->stop();
}

// --- Commands ---

void MainWindow::OnOpen() {
  if (auto chosen = host_.ChooseOpenFile(openDialog_)) openDialog_.fileName = *chosen;
  // The name is cleared after every open, so a cancelled dialog ends here and the current
  // file stays current.
  if (openDialog_.fileName.empty()) return;
  OpenFile(openDialog_.fileName);
  openDialog_.fileName.clear();
}

void MainWindow::OnCompare() {
  const std::string& current = document_.Path();
  if (current.empty()) {
    ShowPlain(host_, std::string(compare::kNothingToCompareText));
    return;
  }
  const std::optional<std::string> chosen = host_.ChooseOpenFile(compareDialog_);
  if (!chosen) return;
  const auto diff = compare::CompareReadings(current, *chosen, compare::ReadingOrder::EarlierByDate,
                                             host_, DecimalSeparator());
  if (diff) pages_->ShowComparison(*diff);
}

void MainWindow::OnReadButton() {
  ReadCommand(true);
}
void MainWindow::OnReadMenuItem() {
  ReadCommand(false);
}

void MainWindow::ReadCommand(bool resetFirst) {
  if (reader_->Running()) return;
  if (resetFirst) ResetView();
  // The reconnection step is held off while the readout runs: a reconnection would reopen the
  // unit in the middle of it.
  const bool timerWasOn = reconnectTimer_->isActive();
  reconnectTimer_->stop();
  reading_ = true;
  reader_->Start(link_, saveDialog_, runOperatorDialog, buffers_,
                 [this, timerWasOn](const link::ReadoutResult& result) {
                   ReadEnded(result, timerWasOn);
                 });
}

void MainWindow::ReadEnded(const link::ReadoutResult& result, bool timerWasOn) {
  reading_ = false;
  SwitchTimer(timerWasOn || result.timerOn);
  ShowSizeNotice(result.notice);
  // A readout that found no unit leaves the current file current; it is not read again.
  const bool current = document_.ReadoutEnded(result);
  if (result.end != link::ReadoutEnd::NoUnit) ShowCurrentPath();
  if (current) OpenCurrentFile();
}

void MainWindow::OnExit() {
  close();
}

void MainWindow::OnAbout() {
  showAboutBox();
}

void MainWindow::OnToolPanelToggle() {
  menu_->toolPanel->toggle();
  ShowToolPanel();
}

void MainWindow::ShowToolPanel() {
  tools_->panel->setVisible(menu_->toolPanel->isChecked());
}

// --- Opening and resetting ---

void MainWindow::ShowCurrentPath() {
  SetStatusText(kPathPanel, ToQString(document_.Path()));
}

void MainWindow::OpenFile(const std::string& path) {
  document_.Choose(path);
  ShowCurrentPath();
  OpenCurrentFile();
}

void MainWindow::OpenCurrentFile() {
  const ui::PassDisplay scanDisplay{frames::kScanRunningText, frames::kScanDoneText,
                                    kScanProgressMaximum, QColor(frames::kScanColourRgb)};
  ui::ShownPass scan(*this, scanDisplay);
  OpenHooks hooks;
  hooks.recordsChecked = [this] { pages_->SelectServicePage(); };
  hooks.tablesRead = [this](const OpenedDump& opened) {
    ShowSizeNotice(opened.sizeNotice);
    pages_->ShowRead(opened);
  };
  hooks.scan = scan.Hooks([this] { pages_->ClearPeriodLists(); });
  std::optional<OpenedDump> opened = OpenDump(document_.ReadCurrentFile(), host_, DecimalSeparator(), hooks);
  if (opened) {
    pages_->ShowScanned(*opened);
    scan.End(opened->period.end);
  } else {
    pages_->ShowUnreadable();
  }
  // The graphs have moved on to their pages; the document keeps the rest.
  document_.Opened(std::move(opened));
}

void MainWindow::ResetView() {
  // The file goes first: a page turn or graph fill with no file current does nothing.
  document_.Forget();
  ShowCurrentPath();
  saveDialog_.fileName.clear();
  pages_->SelectServicePage();
  pages_->Reset();
  ShowSizeNotice({});
}

void MainWindow::ShowSizeNotice(const std::string& notice) {
  sizeNotice_->setText(ToQString(notice));
  sizeNotice_->setVisible(!notice.empty());
}

}  // namespace vertal::app
