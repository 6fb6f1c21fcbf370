#pragma once
// The main window of the analyser: tool bar, menus, the tree of tab pages, progress bar and
// status bar; the Open, Read, Exit and About commands, the reset of every view and the
// sequence that opens a dump file. It owns the program's state for the whole run; status
// panel 0 holds the path of the current dump file and is the only record of which file is open.
//
// Controls are public members named as in the rest of the program so that the pages, the
// readout and the reports reach them by those names.

#include <QMainWindow>
#include <cstdint>
#include <functional>

#include "app/ui/ViewReset.h"
#include "app/ui/WidgetControls.h"
#include "common/core/Host.h"
#include "dump/core/OpenSequence.h"
#include "frames/ui/PageWindow.h"
#include "link/core/Connection.h"
#include "link/core/UnitPort.h"

class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QProgressBar;
class QTabWidget;
class QTimer;
class QToolButton;

namespace vertal::dump {
class LoadDistributionPage;
class ServicePage;
}  // namespace vertal::dump

namespace vertal::frames {
class FrameTablePage;
class KdsPage;
class OverloadPage;
}  // namespace vertal::frames

namespace vertal::graphs {
class GraphPages;
}  // namespace vertal::graphs

namespace vertal::app {

class StatusPanels;

class TForm_Main : public QMainWindow, public frames::PageWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 844;
  static constexpr int kHeight = 643;

  TForm_Main(Host& host, link::UnitPort& port, QWidget* parent = nullptr);
  ~TForm_Main() override;

  // --- Frame ---
  QFrame* Panel_INSTR = nullptr;
  QToolButton* SpeedButton_REC = nullptr;
  QToolButton* SpeedButton_OPEN = nullptr;
  QToolButton* SpeedButton_EXIT = nullptr;
  QToolButton* SpeedButton_ABOUT = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  StatusPanels* StatusBar1 = nullptr;

  // --- Pages ---
  QTabWidget* PageControl_Main = nullptr;
  QWidget* TabSheet_Const = nullptr;
  QTabWidget* PageControl2 = nullptr;
  QWidget* TabSheet_Ident = nullptr;
  QWidget* TabSheet3 = nullptr;
  QFrame* Panel_Slugebnaya = nullptr;  // service information, fills TabSheet_Ident
  QFrame* Panel_N = nullptr;           // load distribution, centred on TabSheet3
  // The pages built inside Panel_Slugebnaya and Panel_N.
  dump::ServicePage* servicePage = nullptr;
  dump::LoadDistributionPage* loadDistributionPage = nullptr;
  QWidget* TabSheet_Cikl = nullptr;
  QTabWidget* PageControl_Cikl = nullptr;
  QWidget* TabSheet_Osn = nullptr;
  frames::FrameTablePage* frameTablePage = nullptr;  // the page "Общая" inside TabSheet_Osn
  QWidget* TabSheet_Per = nullptr;
  frames::OverloadPage* overloadPage = nullptr;  // the page "Перегрузки" inside TabSheet_Per
  QWidget* TabSheet_KDS = nullptr;
  frames::KdsPage* kdsPage = nullptr;  // the page "КДС" inside TabSheet_KDS
  QWidget* TabSheet_Grafik = nullptr;
  QTabWidget* PageControl8 = nullptr;
  QWidget* TabSheet19 = nullptr;
  QWidget* TabSheet20 = nullptr;
  QMenu* PopupMenu_GRAFIKI = nullptr;
  QAction* Go_KZ = nullptr;
  // The pages "Параметры" and "Координатная защита" inside TabSheet19 and TabSheet20.
  graphs::GraphPages* graphPages = nullptr;

  // --- Main menu ---
  QMenuBar* MainMenu1 = nullptr;
  QMenu* N1 = nullptr;
  QAction* N_REC = nullptr;
  QAction* N_OPEN = nullptr;
  QMenu* N_PRINT = nullptr;
  QAction* M_IK = nullptr;
  QAction* M_Grf = nullptr;
  QAction* M_Oper = nullptr;
  QAction* M_Per = nullptr;
  QAction* M_KZ = nullptr;
  QAction* N_KDSPAR = nullptr;
  QAction* N15 = nullptr;
  QAction* N_EXIT = nullptr;
  QMenu* N7 = nullptr;
  QAction* N_INSTR_PANEL = nullptr;
  QMenu* N12 = nullptr;
  QAction* N_ABOUT = nullptr;

  // --- Dialogs and timer ---
  FileDialogSpec OpenDialog1;
  FileDialogSpec SaveDialog1;
  QTimer* Timer1 = nullptr;

  // The layout variant of the current file, kept when it is opened.
  std::int8_t RecorderVersion = 0;

  // Shows the about box modally; tests replace it so that nothing blocks.
  std::function<void()> showAboutBox;

  // --- Offered to the pages, the readout and the reports ---
  std::string CurrentFile() const override;
  std::string DecimalSeparator() const override;
  QString StatusText(int panel) const override;
  void SetStatusText(int panel, const QString& text) override;
  QColor StatusColor() const override;
  void SetStatusColor(const QColor& color) override;
  QColor ButtonFaceColor() const override;
  void SetProgress(int position) override;
  void SetProgressMaximum(int maximum) override;
  Host& host() override { return host_; }
  // The window's controls by name, for the core's page presenters.
  ControlSink& Controls() override { return controls_; }
  const link::ConnectionState& LinkState() const { return linkState_; }

  // The steps run when a file is opened; pages add their fills at their stages.
  dump::OpenSequence& OpenSteps() { return openSequence_; }
  // The steps of the view reset after the window's own; pages add the clearing of their controls.
  ResetSequence& ResetSteps() { return resetSequence_; }

  // --- Handlers ---
  void FormCreate();
  void FormResize();
  void SpeedButton_RECClick();
  void N_RECClick();
  void SpeedButton_OPENClick();
  void N_OPENClick();
  void SpeedButton_EXITClick();
  void N_EXITClick();
  void SpeedButton_ABOUTClick();
  void N_ABOUTClick();
  void N_INSTR_PANELClick();
  void Timer1Timer();

  // --- Operations ---
  // Opens the file named in status panel 0 and fills every view from it.
  void OpenDumpFile();
  // Empties every view before a readout.
  void ResetView();
  // Reads the recorder of the attached unit into a new dump file; leaves its path in status
  // panel 0 on success.
  void ReadRecorder();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectCommands();
  void BuildOpenSequence();
  void BuildResetSequence();
  void OpenCommand();
  void ReadCommand(bool resetFirst);
  void SelectServicePage();
  void ShowToolPanel();
  void ApplyConnection(const link::ConnectionState& state);
  void SwitchTimer(bool on);
  void FillKdsParameterList();

  Host& host_;
  link::UnitPort& port_;
  link::ConnectionState linkState_;
  WidgetControls controls_{this};
  dump::OpenSequence openSequence_;
  ResetSequence resetSequence_;
};

}  // namespace vertal::app
