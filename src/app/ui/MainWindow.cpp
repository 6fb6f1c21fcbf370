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

#include "app/core/OpenDump.h"
#include "app/ui/AboutBox.h"
#include "app/ui/MainMenu.h"
#include "app/ui/ExportCommands.h"
#include "app/ui/PrintCommands.h"
#include "app/ui/PageTree.h"
#include "app/ui/ReadoutController.h"
#include "app/ui/StatusPanels.h"
#include "app/ui/ToolPanel.h"
#include "compare/core/ReadingDiff.h"
#include "dump/core/DumpLayout.h"
#include "frames/core/PeriodScan.h"
#include "link/ui/OperatorDialog.h"
#include "ui_common/GuardedCommand.h"
#include "ui_common/ShownPass.h"
#include "ui_common/UiText.h"
#include "ui_common/ValueAccessibility.h"

namespace vertal::app {

namespace {

using ui::ToQString;
using ui::ToStdString;

constexpr int kProgressHeight = 15;
constexpr int kNoticeMargin = 4;
constexpr QRgb kNoticeColour = 0xFFF3B0;  // pale yellow

// The scan's bar counts one step more than there are frames.
constexpr int kScanProgressMaximum = static_cast<int>(dump::kFrameCount) + 1;

FileDialogSetup MakeOpenDialog() {
  FileDialogSetup setup;
  setup.title = "Открыть";
  setup.filters = {{"Бинарные (*.bin)", "*.bin"}, {"Все файлы (*.*)", "*.*"}};
  // One past the filters: the dialog starts on the first.
  setup.filterIndex = 3;
  return setup;
}

FileDialogSetup MakeCompareDialog() {
  FileDialogSetup setup = MakeOpenDialog();
  setup.title = compare::kCompareDialogTitle;
  return setup;
}

FileDialogSetup MakeSaveDialog() {
  FileDialogSetup setup;
  setup.defaultExtension = "bin";
  setup.filters = {{"Информация регистратора параметров (*.bin)", "*.bin"},
                  {"Все файлы (*.*)", "*.*"}};
  setup.filterIndex = 1;
  return setup;
}

}  // namespace

MainWindow::MainWindow(Host& host, link::UnitPort& port, QWidget* parent)
    : QMainWindow(parent),
      host_(host),
      link_(port),
      openDialog_(MakeOpenDialog()),
      saveDialog_(MakeSaveDialog()),
      compareDialog_(MakeCompareDialog()) {
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
  pages_ = new PageTree(this, *this, [this] { return recorderVersion_; });
  printing_ = new PrintCommands(this, *this, *pages_, [this] { return recorderVersion_; });
  exporting_ = new ExportCommands(this, *this, *pages_, [this] { return recorderVersion_; });

  sizeNotice_ = new QLabel(this);
  sizeNotice_->setObjectName(QStringLiteral("Label_SizeNotice"));
  sizeNotice_->setWordWrap(true);
  sizeNotice_->setMargin(kNoticeMargin);
  sizeNotice_->setTextFormat(Qt::PlainText);
  sizeNotice_->setAutoFillBackground(true);
  QPalette notice = sizeNotice_->palette();
  notice.setColor(QPalette::Window, QColor(kNoticeColour));
  sizeNotice_->setPalette(notice);
  sizeNotice_->hide();

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setAccessibleName(QStringLiteral("Ход чтения"));
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setFixedHeight(kProgressHeight);

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(tools_->panel);
  column->addWidget(sizeNotice_);
  column->addWidget(pages_, 1);
  column->addWidget(ProgressBar1);
  setCentralWidget(central);

  StatusBar1 = new StatusPanels(this);
  setStatusBar(StatusBar1);
  reader_ = std::make_unique<ReadoutController>(
      this, *this, ProgressBar1, StatusBar1, [this] { return std::vector<QWidget*>{tools_->panel}; },
      [this] { return std::vector<QWidget*>{pages_}; });

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(link::kReconnectIntervalMs);
  Timer1->start();

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
  FormCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectCommands() {
  ui::ConnectCommand(tools_->read, &QToolButton::clicked, this, host_, &MainWindow::SpeedButton_RECClick);
  ui::ConnectCommand(tools_->open, &QToolButton::clicked, this, host_, &MainWindow::SpeedButton_OPENClick);
  ui::ConnectCommand(tools_->exit, &QToolButton::clicked, this, host_, &MainWindow::SpeedButton_EXITClick);
  ui::ConnectCommand(tools_->about, &QToolButton::clicked, this, host_, &MainWindow::SpeedButton_ABOUTClick);
  ui::ConnectCommand(menu_->read, &QAction::triggered, this, host_, &MainWindow::N_RECClick);
  ui::ConnectCommand(menu_->open, &QAction::triggered, this, host_, &MainWindow::N_OPENClick);
  ui::ConnectCommand(menu_->compare, &QAction::triggered, this, host_, &MainWindow::N_COMPAREClick);
  ui::ConnectCommand(menu_->exit, &QAction::triggered, this, host_, &MainWindow::N_EXITClick);
  ui::ConnectCommand(menu_->about, &QAction::triggered, this, host_, &MainWindow::N_ABOUTClick);
  ui::ConnectCommand(menu_->card, &QAction::triggered, printing_, host_, &PrintCommands::M_IKClick);
  ui::ConnectCommand(menu_->paramGraph, &QAction::triggered, printing_, host_, &PrintCommands::M_GrfClick);
  ui::ConnectCommand(menu_->operative, &QAction::triggered, printing_, host_, &PrintCommands::M_OperClick);
  ui::ConnectCommand(menu_->overloads, &QAction::triggered, printing_, host_, &PrintCommands::M_PerClick);
  ui::ConnectCommand(menu_->relayGraph, &QAction::triggered, printing_, host_, &PrintCommands::M_KZClick);
  ui::ConnectCommand(menu_->kds, &QAction::triggered, printing_, host_, &PrintCommands::N_KDSPARClick);
  ui::ConnectCommand(menu_->exportCsv, &QAction::triggered, exporting_, host_, &ExportCommands::N_EXPORTClick);
  // A checkable item has already inverted its check mark when it reports the click.
  ui::ConnectCommand(menu_->toolPanel, &QAction::triggered, this, host_, &MainWindow::ShowToolPanel);
  ui::ConnectCommand(Timer1, &QTimer::timeout, this, host_, &MainWindow::Timer1Timer);
}

// --- State offered to the other parts ---

std::string MainWindow::CurrentFile() const {
  return ToStdString(StatusText(kPathPanel));
}

std::string MainWindow::DecimalSeparator() const {
  return ToStdString(QLocale::system().decimalPoint());
}

QString MainWindow::StatusText(int panel) const {
  return StatusBar1->PanelText(panel);
}

void MainWindow::SetStatusText(int panel, const QString& text) {
  StatusBar1->SetPanelText(panel, text);
}

QColor MainWindow::StatusColor() const {
  return StatusBar1->Color();
}

void MainWindow::SetStatusColor(const QColor& color) {
  StatusBar1->SetColor(color);
}

QColor MainWindow::ButtonFaceColor() const {
  return StatusBar1->ButtonFaceColor();
}

void MainWindow::SetProgress(int position) {
  ProgressBar1->setValue(position);
}

void MainWindow::SetProgressMaximum(int maximum) {
  ProgressBar1->setMaximum(maximum);
}

std::vector<QWidget*> MainWindow::PassIndicators() const {
  return {StatusBar1, ProgressBar1};
}

// --- Start-up and the link ---

void MainWindow::FormCreate() {
  pages_->SelectServicePage();
  ApplyConnection(link::ConnectUnit(link_), false);
  pages_->FillKdsParameterList();
}

void MainWindow::Timer1Timer() {
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
  if (on && !Timer1->isActive()) Timer1->start();
  if (!on) Timer1->stop();
}

// --- Commands ---

void MainWindow::SpeedButton_OPENClick() {
  OpenCommand();
}
void MainWindow::N_OPENClick() {
  OpenCommand();
}

void MainWindow::OpenCommand() {
  if (auto chosen = host_.ChooseOpenFile(openDialog_)) {
    openDialog_.fileName = *chosen;
    SetStatusText(kPathPanel, ToQString(*chosen));
  }
  // The name is cleared after every open, so a cancelled dialog ends here and the current
  // file stays current.
  if (openDialog_.fileName.empty()) return;
  OpenDumpFile();
  openDialog_.fileName.clear();
}

void MainWindow::N_COMPAREClick() {
  CompareCommand();
}

void MainWindow::CompareCommand() {
  const std::string current = CurrentFile();
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

void MainWindow::SpeedButton_RECClick() {
  ReadCommand(true);
}
void MainWindow::N_RECClick() {
  ReadCommand(false);
}

void MainWindow::ReadCommand(bool resetFirst) {
  if (reader_->Running()) return;
  if (resetFirst) ResetView();
  // The reconnection step is held off while the readout runs: a reconnection would reopen the
  // unit in the middle of it.
  const bool timerWasOn = Timer1->isActive();
  Timer1->stop();
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
  if (!result.statusPanel0) return;
  SetStatusText(kPathPanel, ToQString(*result.statusPanel0));
  if (!StatusText(kPathPanel).isEmpty()) OpenDumpFile();
}

void MainWindow::SpeedButton_EXITClick() {
  close();
}
void MainWindow::N_EXITClick() {
  close();
}

void MainWindow::SpeedButton_ABOUTClick() {
  showAboutBox();
}
void MainWindow::N_ABOUTClick() {
  showAboutBox();
}

void MainWindow::N_INSTR_PANELClick() {
  menu_->toolPanel->toggle();
  ShowToolPanel();
}

void MainWindow::ShowToolPanel() {
  tools_->panel->setVisible(menu_->toolPanel->isChecked());
}

// --- Opening and resetting ---

void MainWindow::OpenDumpFile() {
  const ui::PassDisplay scanDisplay{frames::kScanRunningText, frames::kScanDoneText,
                                    kScanProgressMaximum, QColor(frames::kScanColourRgb), true};
  ui::ShownPass scan(*this, scanDisplay);
  OpenHooks hooks;
  hooks.recordsChecked = [this] { pages_->SelectServicePage(); };
  hooks.tablesRead = [this](const OpenedDump& opened) {
    recorderVersion_ = opened.recorderVersion;
    ShowSizeNotice(opened.sizeNotice);
    pages_->ShowRead(opened);
  };
  hooks.scan = scan.Hooks([this] { pages_->ClearPeriodLists(); });
  std::optional<OpenedDump> opened = OpenDump(CurrentFile(), host_, DecimalSeparator(), hooks);
  if (!opened) return;
  pages_->ShowScanned(*opened);
  scan.End(opened->period.end);
}

void MainWindow::ResetView() {
  // The file name goes first: a page turn or graph fill with no file current does nothing.
  SetStatusText(kPathPanel, QString());
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
