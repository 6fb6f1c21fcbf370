#include "app/ui/Bodyprog.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QResizeEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/AboutBox.h"
#include "app/ui/EventWiring.h"
#include "app/ui/GraphWiring.h"
#include "app/ui/MainWindowParts.h"
#include "app/ui/StatusPanels.h"
#include "app/ui/UiText.h"
#include "dump/core/ServicePresenter.h"
#include "dump/ui/LoadDistributionPage.h"
#include "dump/ui/ServicePage.h"
#include "frames/ui/FrameTablePage.h"
#include "frames/ui/KdsPage.h"

namespace vertal::app {

namespace {

constexpr int kProgressHeight = 15;
constexpr int kPathPanel = 0;
constexpr int kStatusPanel = 1;

FileDialogSpec MakeOpenDialog() {
  FileDialogSpec setup;
  setup.title = "Открыть";
  setup.filters = {{"Бинарные (*.bin)", "*.bin"}, {"Все файлы (*.*)", "*.*"}};
  // One past the filters: the dialog starts on the first.
  setup.filterIndex = 3;
  return setup;
}

FileDialogSpec MakeSaveDialog() {
  FileDialogSpec setup;
  setup.defaultExtension = "bin";
  setup.filters = {{"Информация регистратора параметров (*.bin)", "*.bin"},
                  {"Все файлы (*.*)", "*.*"}};
  setup.filterIndex = 1;
  return setup;
}

}  // namespace

TForm_Main::TForm_Main(Host& host, link::UnitPort& port, QWidget* parent)
    : QMainWindow(parent),
      OpenDialog1(MakeOpenDialog()),
      SaveDialog1(MakeSaveDialog()),
      host_(host),
      port_(port) {
  setObjectName(QStringLiteral("Form_Main"));
  setWindowTitle(QStringLiteral("Анализ данных регистратора параметров VERTAL"));
  // Where the design font is missing, a font of Arial's metrics keeps the texts the width the
  // pages were laid out for; the system's default sans font is much wider.
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  QFont font(QStringLiteral("MS Sans Serif"), 8);
  font.setStyleHint(QFont::SansSerif);
  setFont(font);

  BuildMainMenu(*this);
  BuildToolPanel(*this);
  BuildPageTree(*this);

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
  column->addWidget(Panel_INSTR);
  column->addWidget(PageControl_Main, 1);
  column->addWidget(ProgressBar1);
  setCentralWidget(central);

  StatusBar1 = new StatusPanels(this);
  setStatusBar(StatusBar1);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(link::kReconnectIntervalMs);
  Timer1->start();

  showAboutBox = [this] {
    TAboutBox box(this);
    box.exec();
  };

  // The two pages of PageControl2 are kept the same size; the panels are placed on them.
  TabSheet_Ident->installEventFilter(this);
  TabSheet3->installEventFilter(this);

  ConnectCommands();
  BuildOpenSequence();
  BuildResetSequence();
  BuildGraphPages(*this);
  BuildEventPages(*this);
  resize(kWidth, kHeight);
  FormCreate();
}

TForm_Main::~TForm_Main() = default;

void TForm_Main::ConnectCommands() {
  connect(SpeedButton_REC, &QToolButton::clicked, this, &TForm_Main::SpeedButton_RECClick);
  connect(SpeedButton_OPEN, &QToolButton::clicked, this, &TForm_Main::SpeedButton_OPENClick);
  connect(SpeedButton_EXIT, &QToolButton::clicked, this, &TForm_Main::SpeedButton_EXITClick);
  connect(SpeedButton_ABOUT, &QToolButton::clicked, this, &TForm_Main::SpeedButton_ABOUTClick);
  connect(N_REC, &QAction::triggered, this, &TForm_Main::N_RECClick);
  connect(N_OPEN, &QAction::triggered, this, &TForm_Main::N_OPENClick);
  connect(N_EXIT, &QAction::triggered, this, &TForm_Main::N_EXITClick);
  connect(N_ABOUT, &QAction::triggered, this, &TForm_Main::N_ABOUTClick);
  // A checkable item has already inverted its check mark when it reports the click.
  connect(N_INSTR_PANEL, &QAction::triggered, this, &TForm_Main::ShowToolPanel);
  connect(Timer1, &QTimer::timeout, this, &TForm_Main::Timer1Timer);
}

void TForm_Main::BuildOpenSequence() {
  using dump::OpenContext;
  using dump::OpenStage;
  dump::AddFileStages(openSequence_);
  openSequence_.Add(OpenStage::ReadVersion, [this](OpenContext& c) {
    RecorderVersion = c.recorderVersion;
    return true;
  });
  openSequence_.Add(OpenStage::ShowServicePage, [this](OpenContext&) {
    SelectServicePage();
    return true;
  });
  dump::AddServiceStages(openSequence_);
  frameTablePage->AddOpenStages(openSequence_);
  // The captions have followed the file's version by now; the values are named after them.
  openSequence_.Add(OpenStage::VersionCaptions, [this](OpenContext&) {
    servicePage->FollowCaptions();
    loadDistributionPage->FollowCaptions();
    return true;
  });
}

void TForm_Main::BuildResetSequence() {
  // One pass in the reset's order: service labels, load fields, times and totals, then the
  // bars and the classification labels.
  resetSequence_.Add(ResetStage::ServiceLabels, [this] { dump::ResetServiceControls(controls_); });
  resetSequence_.Add(ResetStage::Tables, [this] { frameTablePage->ResetTable(); });
}

// --- State offered to the other parts ---

std::string TForm_Main::CurrentFile() const {
  return ToStdString(StatusText(kPathPanel));
}

std::string TForm_Main::DecimalSeparator() const {
  return ToStdString(QLocale::system().decimalPoint());
}

QString TForm_Main::StatusText(int panel) const {
  return StatusBar1->PanelText(panel);
}

void TForm_Main::SetStatusText(int panel, const QString& text) {
  StatusBar1->SetPanelText(panel, text);
}

QColor TForm_Main::StatusColor() const {
  return StatusBar1->Color();
}

void TForm_Main::SetStatusColor(const QColor& color) {
  StatusBar1->SetColor(color);
}

QColor TForm_Main::ButtonFaceColor() const {
  return StatusBar1->ButtonFaceColor();
}

void TForm_Main::SetProgress(int position) {
  ProgressBar1->setValue(position);
}

void TForm_Main::SetProgressMaximum(int maximum) {
  ProgressBar1->setMaximum(maximum);
}

// --- Start-up and the link ---

void TForm_Main::FormCreate() {
  SelectServicePage();
  ApplyConnection(link::ConnectUnit(port_));
  FillKdsParameterList();
}

void TForm_Main::Timer1Timer() {
  ApplyConnection(link::ConnectUnit(port_));
}

void TForm_Main::ApplyConnection(const link::ConnectionState& state) {
  linkState_ = state;
  SetStatusText(kStatusPanel, ToQString(state.statusText));
  SwitchTimer(state.timerOn);
}

void TForm_Main::SwitchTimer(bool on) {
  // Switching on a running timer keeps its rhythm.
  if (on && !Timer1->isActive()) Timer1->start();
  if (!on) Timer1->stop();
}

void TForm_Main::FillKdsParameterList() {
  kdsPage->FillParameterList();
}

void TForm_Main::SelectServicePage() {
  PageControl_Main->setCurrentWidget(TabSheet_Const);
  PageControl2->setCurrentWidget(TabSheet_Ident);
}

// --- Commands ---

void TForm_Main::SpeedButton_OPENClick() {
  OpenCommand();
}
void TForm_Main::N_OPENClick() {
  OpenCommand();
}

void TForm_Main::OpenCommand() {
  if (auto chosen = host_.ChooseOpenFile(OpenDialog1)) {
    OpenDialog1.fileName = *chosen;
    SetStatusText(kPathPanel, ToQString(*chosen));
  }
  // The name is cleared after every open, so a cancelled dialog ends here and the current
  // file stays current.
  if (OpenDialog1.fileName.empty()) return;
  OpenDumpFile();
  OpenDialog1.fileName.clear();
}

void TForm_Main::SpeedButton_RECClick() {
  ReadCommand(true);
}
void TForm_Main::N_RECClick() {
  ReadCommand(false);
}

void TForm_Main::ReadCommand(bool resetFirst) {
  if (resetFirst) ResetView();
  ReadRecorder();
  if (!StatusText(kPathPanel).isEmpty()) OpenDumpFile();
}

void TForm_Main::ReadRecorder() {
  if (linkState_.lastDriverStatus != link::kDriverOk) {
    SetStatusText(kStatusPanel, ToQString(link::kNotConnectedText));
    SetStatusText(kPathPanel, QString());
    SwitchTimer(true);
    return;
  }
  // The readout of a connected unit runs here once the link speaks the unit's protocol.
}

void TForm_Main::SpeedButton_EXITClick() {
  close();
}
void TForm_Main::N_EXITClick() {
  close();
}

void TForm_Main::SpeedButton_ABOUTClick() {
  showAboutBox();
}
void TForm_Main::N_ABOUTClick() {
  showAboutBox();
}

void TForm_Main::N_INSTR_PANELClick() {
  N_INSTR_PANEL->toggle();
  ShowToolPanel();
}

void TForm_Main::ShowToolPanel() {
  Panel_INSTR->setVisible(N_INSTR_PANEL->isChecked());
}

// --- Opening and resetting ---

void TForm_Main::OpenDumpFile() {
  dump::OpenContext context(ToStdString(StatusText(kPathPanel)), host_);
  context.controls = &controls_;
  context.decimalSeparator = DecimalSeparator();
  openSequence_.Run(context);
}

void TForm_Main::ResetView() {
  // The file name goes first: the page steps move scroll bars, whose handlers then do nothing.
  SetStatusText(kPathPanel, QString());
  SaveDialog1.fileName.clear();
  SelectServicePage();
  resetSequence_.Run();
}

// --- Placing the panels ---

void TForm_Main::FormResize() {
  const QSize page = TabSheet_Ident->size();
  for (QFrame* panel : {Panel_Slugebnaya, Panel_N})
    panel->move((page.width() - panel->width()) / 2, (page.height() - panel->height()) / 2);
}

void TForm_Main::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

bool TForm_Main::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && (watched == TabSheet_Ident || watched == TabSheet3)) {
    // Only the shown page of a tab control follows its size; the hidden one is brought along
    // so that both always measure the same.
    const QSize size = static_cast<QResizeEvent*>(event)->size();
    QWidget* other = watched == TabSheet_Ident ? TabSheet3 : TabSheet_Ident;
    if (other->size() != size) other->resize(size);
    Panel_Slugebnaya->resize(size);
    FormResize();
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace vertal::app
