#pragma once
// The main window of the analyser: tool bar, menus, the tree of tab pages, progress bar and
// status bar; the Open, Read, Exit and About commands and the reset of every view. It owns the
// open file (the DumpDocument) for the whole run; status panel 0 shows its path. Pages own
// their widgets; the window reaches them only through the page tree.
//
// Design names of the window's own controls (Qt object names):
//   Form_Main        the window               ProgressBar1   progressBar_
//   StatusBar1       statusPanels_            Timer1         reconnectTimer_
//   SpeedButton_REC  Read (tool button: empties the views first)   N_REC  Read (menu)
//   SpeedButton_OPEN, N_OPEN  Open            N_COMPARE      Compare
//   N_HISTORY        history_ (the crane's history)
//   SpeedButton_EXIT, N_EXIT  Exit            SpeedButton_ABOUT, N_ABOUT  About
//   N_INSTR_PANEL    the tool panel's check item

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/core/DumpDocument.h"
#include "common/core/Host.h"
#include "link/core/Connection.h"
#include "link/core/Link.h"
#include "link/core/Readout.h"
#include "link/core/UnitPort.h"
#include "common/ui/PageWindow.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace vertal::app {

class PageTree;
class ExportCommands;
class HistoryCommand;
class PrintCommands;
class ReadoutController;
class StatusPanels;
struct MainMenu;
struct ToolPanel;

class MainWindow : public QMainWindow, public ui::PageWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 844;
  static constexpr int kHeight = 643;

  MainWindow(Host& host, link::UnitPort& port, QWidget* parent = nullptr);
  ~MainWindow() override;

  // --- Offered to the pages ---
  DumpSource CurrentFile() const override;
  std::string DecimalSeparator() const override;
  void SetStatusText(int panel, const QString& text) override;
  void SetStatusColor(const QColor& color) override;
  // What the status bar shows, for the tests that watch it.
  QString StatusText(int panel) const;
  QColor StatusColor() const;
  QColor ButtonFaceColor() const override;
  void SetProgress(int position) override;
  void SetProgressMaximum(int maximum) override;
  Host& host() override { return host_; }

  // The open file.
  const DumpDocument& Document() const { return document_; }
  // The layout variant of the current file, kept when it is opened.
  std::int8_t RecorderVersion() const { return document_.RecorderVersion(); }
  const link::ConnectionState& LinkState() const { return linkState_; }
  const FileDialogSetup& OpenDialogSetup() const { return openDialog_; }
  const FileDialogSetup& SaveDialogSetup() const { return saveDialog_; }

  // Shows the about box modally; tests replace it so that nothing blocks.
  std::function<void()> showAboutBox;
  // Shows the operator's dialog of a readout modally (see link::OperatorDialog); tests replace
  // it so that nothing blocks.
  std::function<bool(link::CraneIdentBuffer&, link::TrailerBuffer&)> runOperatorDialog;

  // What a long operation changes while it runs: the status bar and the progress bar.
  std::vector<QWidget*> PassIndicators() const;

  // The commands of the print submenu.
  PrintCommands& Printing() const { return *printing_; }
  // "Экспорт в CSV…".
  ExportCommands& Exporting() const { return *exporting_; }
  // "История крана…".
  HistoryCommand& History() const { return *history_; }

  // --- Handlers ---
  // Shows the service page and looks for the unit once; the window calls it as it opens.
  void StartUp();
  // Read: the tool button empties every view first, the menu item does not.
  void OnReadButton();
  void OnReadMenuItem();
  void OnOpen();
  // Compares another reading of the crane, chosen in the open dialog, with the current file;
  // the one read out earlier is the old reading.
  void OnCompare();
  void OnExit();
  void OnAbout();
  // Shows or hides the tool panel and its check mark.
  void OnToolPanelToggle();
  // Looks for the unit again while none answers.
  void OnReconnectTick();

  // --- Operations ---
  // Makes `path` the current file and fills every view from it.
  void OpenFile(const std::string& path);
  // Opens the current file and fills every view from it.
  void OpenCurrentFile();
  // Empties every view before a readout.
  void ResetView();
  // The readout of the Read commands; it runs while the window keeps answering.
  ReadoutController& Reader() const { return *reader_; }

 private:
  void ConnectCommands();
  // Starts the readout; once it ended, the file it leaves current is opened.
  void ReadCommand(bool resetFirst);
  void ReadEnded(const link::ReadoutResult& result, bool timerWasOn);
  void ShowToolPanel();
  // Status panel 0 shows the path of the current file.
  void ShowCurrentPath();
  // A tick that finds the link as it was leaves the status text alone, so that what a command
  // said stays readable.
  void ApplyConnection(const link::ConnectionState& state, bool keepSameText);
  void SwitchTimer(bool on);
  void ShowSizeNotice(const std::string& notice);

  Host& host_;
  link::Link link_;
  link::ConnectionState linkState_;
  link::ReadoutBuffers buffers_;  // kept from one readout to the next
  bool reading_ = false;          // a readout runs: the reconnection step waits
  std::unique_ptr<MainMenu> menu_;
  std::unique_ptr<ToolPanel> tools_;
  PageTree* pages_ = nullptr;
  PrintCommands* printing_ = nullptr;
  ExportCommands* exporting_ = nullptr;
  HistoryCommand* history_ = nullptr;
  QLabel* sizeNotice_ = nullptr;  // a file that is not a full readout says so here
  QProgressBar* progressBar_ = nullptr;
  StatusPanels* statusPanels_ = nullptr;
  QTimer* reconnectTimer_ = nullptr;
  FileDialogSetup openDialog_;  // OpenDialog1
  FileDialogSetup saveDialog_;  // SaveDialog1
  FileDialogSetup compareDialog_;
  DumpDocument document_;
  // Last, so that a readout still running is stopped while the window is whole.
  std::unique_ptr<ReadoutController> reader_;
};

}  // namespace vertal::app
