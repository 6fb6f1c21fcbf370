#include "app/ui/ReadoutController.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <exception>
#include <optional>

#include "link/core/ReadoutPace.h"
#include "common/ui/GuardedCommand.h"
#include "common/ui/UiText.h"

namespace vertal::app {

namespace {

using ui::ToQString;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kRepaintInterval{33};
constexpr std::chrono::milliseconds kPaceInterval{250};
constexpr QRgb kSilver = 0xC0C0C0;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kYellow = 0xFFFF00;
constexpr int kStopButtonHeight = 21;

}  // namespace

// What the readout shows, applied to the window on the user-interface thread. A repaint of the
// bars is asked at most about thirty times a second between status changes; a new status is
// always repainted at once.
class ReadoutController::ShownView final : public link::ReadoutView {
 public:
  ShownView(ReadoutController& controller, ui::PageWindow& window)
      : controller_(controller), window_(window) {}
  void SetStatusText(std::string_view text) override {
    window_.SetStatusText(ui::PageWindow::kStatusPanel, ToQString(text));
    changed_ = true;
  }
  void SetFilePanel(std::string_view path) override {
    window_.SetStatusText(ui::PageWindow::kPathPanel, ToQString(path));
    changed_ = true;
  }
  void SetStatusColour(link::StatusColour colour) override {
    const QColor color = Color(colour);
    // The pages repeat their colour at every page.
    if (color == colour_) return;
    colour_ = color;
    window_.SetStatusColor(color);
    changed_ = true;
  }
  void SetProgressMaximum(int maximum) override { window_.SetProgressMaximum(maximum); }
  void SetProgressPosition(int position) override { window_.SetProgress(position); }
  void Repaint() override {
    const Clock::time_point now = Clock::now();
    if (!changed_ && lastRepaint_ && now - *lastRepaint_ < kRepaintInterval) return;
    window_.host().RepaintNow();
    changed_ = false;
    lastRepaint_ = Clock::now();
  }
  void ShowPagesRead(int pages) override { controller_.ShowPace(pages); }

 private:
  QColor Color(link::StatusColour colour) const {
    switch (colour) {
      case link::StatusColour::Silver:
        return QColor(kSilver);
      case link::StatusColour::Red:
        return QColor(kRed);
      case link::StatusColour::Yellow:
        return QColor(kYellow);
      case link::StatusColour::ButtonFace:
        break;
    }
    return window_.ButtonFaceColor();
  }

  ReadoutController& controller_;
  ui::PageWindow& window_;
  bool changed_ = false;
  std::optional<QColor> colour_;  // the colour this readout last gave the status bar
  std::optional<Clock::time_point> lastRepaint_;
};

// The readout's side of the view: every call is handed to the window in order, without
// waiting for it. The progress of the pages is handed on at most every few milliseconds, its
// latest state only, so that a fast unit does not flood the window with events; whatever
// changes the status first hands on the progress before it.
class ReadoutController::QueuedView final : public link::ReadoutView {
 public:
  explicit QueuedView(ReadoutController& controller) : c_(controller) {}
  void SetStatusText(std::string_view text) override {
    Flush();
    c_.PostToWindow([&c = c_, t = std::string(text)] { c.view_->SetStatusText(t); });
  }
  void SetFilePanel(std::string_view path) override {
    Flush();
    c_.PostToWindow([&c = c_, p = std::string(path)] { c.view_->SetFilePanel(p); });
  }
  void SetStatusColour(link::StatusColour colour) override {
    // The pages repeat their colour at every page.
    if (colour == colour_) return;
    colour_ = colour;
    Flush();
    c_.PostToWindow([&c = c_, colour] { c.view_->SetStatusColour(colour); });
  }
  void SetProgressMaximum(int maximum) override {
    Flush();
    c_.PostToWindow([&c = c_, maximum] { c.view_->SetProgressMaximum(maximum); });
  }
  void SetProgressPosition(int position) override {
    position_ = position;
    Pending();
  }
  void Repaint() override {
    repaint_ = true;
    Pending();
  }
  void ShowPagesRead(int pages) override {
    pages_ = pages;
    Pending();
  }

  // Hands on the progress not yet handed on.
  void Flush() {
    if (!position_ && !pages_ && !repaint_) return;
    c_.PostToWindow([&c = c_, position = position_, pages = pages_, repaint = repaint_] {
      if (position) c.view_->SetProgressPosition(*position);
      if (pages) c.view_->ShowPagesRead(*pages);
      if (repaint) c.view_->Repaint();
    });
    position_.reset();
    pages_.reset();
    repaint_ = false;
    lastFlush_ = Clock::now();
  }

 private:
  void Pending() {
    if (Clock::now() - lastFlush_ >= kProgressInterval) Flush();
  }

  static constexpr std::chrono::milliseconds kProgressInterval{15};
  ReadoutController& c_;
  std::optional<link::StatusColour> colour_;
  std::optional<int> position_;
  std::optional<int> pages_;
  bool repaint_ = false;
  Clock::time_point lastFlush_;
};

// The window's host, reached from the readout: boxes and dialogs are shown on the window and
// the readout waits for them.
class ReadoutController::BlockingHost final : public Host {
 public:
  BlockingHost(ReadoutController& controller, Host& host) : c_(controller), host_(host) {}
  void ShowMessage(const Message& message) override {
    c_.RunOnWindow([&] { host_.ShowMessage(message); });
  }
  void ShowMessages(const std::vector<Message>& messages) override {
    c_.RunOnWindow([&] { host_.ShowMessages(messages); });
  }
  std::optional<std::string> ChooseOpenFile(const FileDialogSetup& setup) override {
    std::optional<std::string> chosen;
    c_.RunOnWindow([&] { chosen = host_.ChooseOpenFile(setup); });
    return chosen;
  }
  std::optional<std::string> ChooseSaveFile(const FileDialogSetup& setup) override {
    std::optional<std::string> chosen;
    c_.RunOnWindow([&] { chosen = host_.ChooseSaveFile(setup); });
    return chosen;
  }
  // The view repaints; the window keeps painting by itself meanwhile.
  void RepaintNow() override {}

 private:
  ReadoutController& c_;
  Host& host_;
};

class ReadoutController::BlockingDialog final : public link::OperatorDialog {
 public:
  BlockingDialog(ReadoutController& controller, DialogRun run)
      : c_(controller), run_(std::move(run)) {}
  bool Run(link::CraneIdentBuffer& craneIdent, link::TrailerBuffer& trailer) override {
    bool stored = false;
    c_.RunOnWindow([&] { stored = run_(craneIdent, trailer); });
    return stored;
  }

 private:
  ReadoutController& c_;
  DialogRun run_;
};

ReadoutController::ReadoutController(QWidget* window, ui::PageWindow& shown,
                                     QProgressBar* progress, QStatusBar* statusBar,
                                     Widgets disabled, Widgets inputHeld)
    : QObject(window),
      window_(window),
      shown_(shown),
      progress_(progress),
      disabled_(std::move(disabled)),
      inputHeld_(std::move(inputHeld)) {
  view_ = std::make_unique<ShownView>(*this, shown_);

  stopButton_ = new QPushButton(QString::fromUtf8(link::kStopReadoutText), statusBar);
  stopButton_->setObjectName(QStringLiteral("Button_StopRead"));
  stopButton_->setMaximumHeight(kStopButtonHeight);
  statusBar->addPermanentWidget(stopButton_);
  stopButton_->hide();
  connect(stopButton_, &QPushButton::clicked, this, &ReadoutController::Stop);

  escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  escape_->setObjectName(QStringLiteral("Shortcut_StopRead"));
  escape_->setEnabled(false);
  connect(escape_, &QShortcut::activated, this, &ReadoutController::Stop);

  window->installEventFilter(this);
}

ReadoutController::~ReadoutController() {
  if (!Running()) return;
  // The window goes away under a running readout: it is stopped, nothing more is shown, and
  // the calls it still has on the way are answered at once.
  leaving_ = true;
  stop_ = true;
  while (!done_) {
    QCoreApplication::sendPostedEvents(this);
    std::this_thread::yield();
  }
  worker_.join();
}

void ReadoutController::Start(link::Link& link, FileDialogSetup& saveDialog,
                              const DialogRun& dialog, link::ReadoutBuffers& buffers,
                              Finished finished) {
  if (Running()) return;
  stop_ = false;
  done_ = false;
  finished_ = std::move(finished);
  // A new view for each readout: its colour state starts from nothing.
  view_ = std::make_unique<ShownView>(*this, shown_);
  HoldCommands(true);
  progress_->setFormat(QString());
  progress_->setTextVisible(true);
  stopButton_->show();
  escape_->setEnabled(true);
  const link::ReadoutControls controls{&stop_, sink_};
  worker_ = std::thread([this, &link, &saveDialog, dialog, &buffers, controls] {
    QueuedView view(*this);
    BlockingHost host(*this, shown_.host());
    BlockingDialog dialogOnWindow(*this, dialog);
    link::ReadoutResult result;
    std::exception_ptr error;
    try {
      result = link::ReadRecorder(link, host, saveDialog, dialogOnWindow, view, buffers, controls);
    } catch (...) {
      error = std::current_exception();
    }
    view.Flush();
    PostToWindow([this, result, error] { End(result, error); });
    done_ = true;
  });
}

void ReadoutController::Stop() {
  if (Running()) stop_ = true;
}

void ReadoutController::RunOnWindow(const std::function<void()>& task) {
  if (leaving_) return;
  QMetaObject::invokeMethod(
      this,
      [this, &task] {
        if (!leaving_) task();
      },
      Qt::BlockingQueuedConnection);
}

void ReadoutController::PostToWindow(std::function<void()> task) {
  QMetaObject::invokeMethod(
      this,
      [this, task = std::move(task)] {
        if (!leaving_) task();
      },
      Qt::QueuedConnection);
}

void ReadoutController::ShowPace(int pagesRead) {
  const Clock::time_point now = Clock::now();
  if (pagesRead == 0) {
    pagesStart_ = now;
  } else if (now - lastPace_ < kPaceInterval) {
    return;
  }
  lastPace_ = now;
  const double seconds = std::chrono::duration<double>(now - pagesStart_).count();
  // The text has no "%": the bar shows it as it is.
  progress_->setFormat(QString::fromStdString(link::PaceText(pagesRead, seconds)));
}

void ReadoutController::HoldCommands(bool hold) {
  if (hold) {
    heldWidgets_.clear();
    heldActions_.clear();
    for (QWidget* w : disabled_()) {
      heldWidgets_.emplace_back(w, w->isEnabled());
      w->setEnabled(false);
    }
    for (QWidget* w : inputHeld_()) heldInput_.emplace_back(w);
    QCoreApplication::instance()->installEventFilter(this);
    for (QAction* a : window_->findChildren<QAction*>()) {
      heldActions_.emplace_back(a, a->isEnabled());
      a->setEnabled(false);
    }
    return;
  }
  for (auto& [w, enabled] : heldWidgets_)
    if (w) w->setEnabled(enabled);
  for (auto& [a, enabled] : heldActions_)
    if (a) a->setEnabled(enabled);
  heldWidgets_.clear();
  heldActions_.clear();
  heldInput_.clear();
  QCoreApplication::instance()->removeEventFilter(this);
}

void ReadoutController::End(const link::ReadoutResult& result, std::exception_ptr error) {
  worker_.join();
  HoldCommands(false);
  progress_->setTextVisible(false);
  progress_->resetFormat();
  stopButton_->hide();
  escape_->setEnabled(false);
  Finished finished = std::move(finished_);
  ui::RunGuarded(shown_.host(), [&] {
    if (error) std::rethrow_exception(error);
    if (finished) finished(result);
  });
  emit ended();
  if (closeWhenEnded_) {
    closeWhenEnded_ = false;
    window_->close();
  }
}

bool ReadoutController::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      if (auto* widget = qobject_cast<QWidget*>(watched)) {
        for (const QPointer<QWidget>& held : heldInput_)
          if (held && (held == widget || held->isAncestorOf(widget))) return true;
      }
      break;
    default:
      break;
  }
  if (watched == window_ && event->type() == QEvent::Close && Running()) {
    // The window closes once the readout has stopped and kept what it read.
    event->ignore();
    closeWhenEnded_ = true;
    Stop();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vertal::app
