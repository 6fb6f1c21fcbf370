#pragma once
// The window's readout. The link runs on a thread of its own so that the window keeps
// answering for the minutes a readout takes; what the readout shows and asks reaches the
// window in order on the user-interface thread (its dialogs and boxes there are modal while
// the link waits). Meanwhile the progress bar shows the pages read, the rate and the time
// left, and the status bar offers the one command that runs: stop the readout (its button, or
// Esc). Every other command of the window waits; closing the window stops the readout first.

#include <QObject>
#include <QPointer>
#include <QString>
#include <atomic>
#include <chrono>
#include <exception>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "common/core/Host.h"
#include "link/core/Link.h"
#include "link/core/Readout.h"
#include "common/ui/PageWindow.h"

class QAction;
class QProgressBar;
class QPushButton;
class QShortcut;
class QStatusBar;
class QWidget;

namespace vertal::app {

class ReadoutController : public QObject {
  Q_OBJECT

 public:
  using DialogRun = std::function<bool(link::CraneIdentBuffer&, link::TrailerBuffer&)>;
  using Finished = std::function<void(const link::ReadoutResult&)>;

  // `window` shows the readout, `progress` its pace; the stop command goes into `statusBar`. While a readout runs
  // the window's actions and the `disabled` widgets are disabled, and the `inputHeld` widgets
  // take no mouse or key input: they keep their looks, so that nothing large is repainted.
  using Widgets = std::function<std::vector<QWidget*>()>;
  ReadoutController(QWidget* window, ui::PageWindow& shown, QProgressBar* progress,
                    QStatusBar* statusBar, Widgets disabled, Widgets inputHeld);
  ~ReadoutController() override;

  bool Running() const { return worker_.joinable(); }

  // Starts a readout over `link` into the buffers; `finished` runs on the user-interface
  // thread once it ended. The link, dialog setup and buffers are the readout's until then.
  void Start(link::Link& link, FileDialogSetup& saveDialog, const DialogRun& dialog,
             link::ReadoutBuffers& buffers, Finished finished);
  // Ends the running readout before its next transaction.
  void Stop();

  // The files of the next readouts are written through `sink` (tests: a full disk).
  void SetFileSink(link::FileSink* sink) { sink_ = sink; }


 signals:
  // A readout ended and its result was handed on.
  void ended();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class ShownView;
  class QueuedView;
  class BlockingHost;
  class BlockingDialog;

  // Runs `task` on the user-interface thread and waits for it; nothing once the window is
  // going away.
  void RunOnWindow(const std::function<void()>& task);
  void PostToWindow(std::function<void()> task);
  void ShowPace(int pagesRead);
  void HoldCommands(bool hold);
  void End(const link::ReadoutResult& result, std::exception_ptr error);

  QWidget* window_;
  ui::PageWindow& shown_;
  QProgressBar* progress_ = nullptr;
  Widgets disabled_;
  Widgets inputHeld_;
  std::vector<QPointer<QWidget>> heldInput_;
  QPushButton* stopButton_ = nullptr;
  QShortcut* escape_ = nullptr;
  std::unique_ptr<ShownView> view_;
  std::thread worker_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> leaving_{false};
  std::atomic<bool> done_{false};  // the readout's thread has nothing more to do
  link::FileSink* sink_ = nullptr;
  Finished finished_;
  std::vector<std::pair<QPointer<QWidget>, bool>> heldWidgets_;
  std::vector<std::pair<QPointer<QAction>, bool>> heldActions_;
  bool closeWhenEnded_ = false;
  std::chrono::steady_clock::time_point pagesStart_;
  std::chrono::steady_clock::time_point lastPace_;
};

}  // namespace vertal::app
