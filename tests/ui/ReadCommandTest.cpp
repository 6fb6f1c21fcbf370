// The window's Read command against a unit played from a dump file: the readout writes the new
// file, shows its steps in the status bar and opens the file; without a unit nothing is asked;
// the stop command ends a readout and keeps the earlier file.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "MainWindowFixture.h"
#include "frames/core/PeriodScan.h"
#include "link/core/Connection.h"
#include "link/core/OperatorEntry.h"
#include "link/core/Readout.h"
#include "app/ui/ReadoutController.h"
#include "link/core/SimulatedUnit.h"
#include "link/core/WatchedPort.h"

using vertal::testing::DumpBuilder;
using vertal::testing::FakeHost;
using vertal::testing::FindIn;
using vertal::testing::Q;
using vertal::testing::TempDir;

namespace {

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Notes the status message each time the readout repaints the window.
class RepaintRecordingHost : public FakeHost {
 public:
  void RepaintNow() override {
    FakeHost::RepaintNow();
    if (!window) return;
    if (texts.isEmpty() || texts.back() != window->StatusText(1)) texts << window->StatusText(1);
    const QString colour = window->StatusColor().name().toUpper();
    if (colours.isEmpty() || colours.back() != colour) colours << colour;
  }
  vertal::app::MainWindow* window = nullptr;
  QStringList texts;
  QStringList colours;
};

// Holds the readout's thread at the request for a page until the test lets it go on: a unit
// the test steps.
class PageGate {
 public:
  void Hold() {
    std::unique_lock<std::mutex> lock(mutex_);
    reached_ = true;
    changed_.wait(lock, [this] { return open_; });
  }
  bool Reached() {
    std::lock_guard<std::mutex> lock(mutex_);
    return reached_;
  }
  void Open() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      open_ = true;
    }
    changed_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool reached_ = false;
  bool open_ = false;
};

// A window whose port is a unit played from `dump`, with the operator dialog answered at once.
struct ReadFixture {
  explicit ReadFixture(const std::string& dump, vertal::link::Fault fault = {})
      : unit(dump, fault) {
    form = std::make_unique<vertal::app::MainWindow>(host, watched);
    host.window = form.get();
    form->runOperatorDialog = [this](vertal::link::CraneIdentBuffer& ident,
                                     vertal::link::TrailerBuffer& trailer) {
      ++dialogs;
      timerOnInDialog = FindIn<QTimer>(form.get(), "Timer1")->isActive();
      vertal::link::OperatorFields fields = vertal::link::DefaultOperatorFields();
      fields.name = "Петров";
      vertal::link::StoreOperatorFields(fields, ident, trailer);
      return true;
    };
  }

  // Waits, driving the event loop, until the readout has ended and its file was opened.
  void WaitForEnd() {
    QSignalSpy ended(&form->Reader(), &vertal::app::ReadoutController::ended);
    if (form->Reader().Running()) QVERIFY(ended.wait(30'000));
  }

  RepaintRecordingHost host;
  vertal::link::SimulatedUnit unit;
  std::function<void(std::uint16_t)> onPage;
  vertal::link::WatchedPort watched{unit, [this](std::uint16_t page) {
                                      if (onPage) onPage(page);
                                    }};
  std::unique_ptr<vertal::app::MainWindow> form;
  int dialogs = 0;
  bool timerOnInDialog = false;
};

}  // namespace

class ReadCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void toolButtonReadsTheUnitIntoANewFileAndOpensIt() {
    TempDir dir;
    const std::string source = dir.File("unit.bin");
    DumpBuilder dump;
    dump.LoadCycles(0, 1, 5);
    dump.Write(source);
    ReadFixture f(source);
    QCOMPARE(f.form->StatusText(1), Text(vertal::link::kConnectedText));

    const std::string out = dir.File("read.bin");
    f.host.saveAnswers.push_back(out);
    FindIn<QToolButton>(f.form.get(), "SpeedButton_REC")->click();
    f.WaitForEnd();

    QCOMPARE(f.dialogs, 1);
    QVERIFY(!f.timerOnInDialog);  // no reconnection while the readout runs
    QVERIFY(f.host.messages.empty());
    QCOMPARE(std::filesystem::file_size(out), std::uintmax_t{8'683'654});
    QCOMPARE(f.form->StatusText(0), Q(out));
    // The readout's steps as the window showed them, then the decoding of the opened file.
    const QStringList steps = {Text(vertal::link::kIdentReadText),
                               Text(vertal::link::kIdentWrittenText),
                               Text(vertal::link::kPagesReadingText)};
    QCOMPARE(f.host.texts.mid(0, 3), steps);
    const QStringList colours = {QStringLiteral("#C0C0C0"), QStringLiteral("#FF0000"),
                                 QStringLiteral("#FFFF00")};
    QCOMPARE(f.host.colours.mid(0, 3), colours);
    QCOMPARE(f.form->StatusText(1), Text(vertal::frames::kScanDoneText));
    // The new file is open: its long-term records fill the pages.
    QVERIFY(!FindIn<QLineEdit>(f.form.get(), "Edit_N_10")->text().isEmpty());
    QVERIFY(FindIn<QTimer>(f.form.get(), "Timer1")->isActive());
    // The next tick finds the unit as before and leaves the message alone.
    f.form->OnReconnectTick();
    QCOMPARE(f.form->StatusText(1), Text(vertal::frames::kScanDoneText));
    QVERIFY(!FindIn<QTimer>(f.form.get(), "Timer1")->isActive());
  }

  void withoutAUnitNothingIsAskedAndTheMenuKeepsTheOpenFile() {
    TempDir dir;
    const std::string open = dir.File("open.bin");
    DumpBuilder().Write(open);
    ReadFixture f(open, {vertal::link::Fault::Kind::NoUnit});
    f.form->OpenFile(open);
    f.form->SetStatusText(1, QStringLiteral("x"));

    FindIn<QAction>(f.form.get(), "N_REC")->trigger();
    f.WaitForEnd();
    QCOMPARE(f.form->StatusText(1), Q(" Устройство не подключено"));
    QCOMPARE(f.form->StatusText(0), Q(open));
    QCOMPARE(f.dialogs, 0);
    QVERIFY(f.host.saveDialogs.empty());
    QVERIFY(f.host.messages.empty());
    QVERIFY(FindIn<QTimer>(f.form.get(), "Timer1")->isActive());
  }

  void stopCommandEndsTheReadoutAndKeepsTheEarlierFile() {
    TempDir dir;
    const std::string source = dir.File("unit.bin");
    DumpBuilder().Write(source);
    ReadFixture f(source);
    const std::string out = dir.File("read.bin");
    std::ofstream(out) << "an earlier reading";
    PageGate gate;
    f.onPage = [&gate](std::uint16_t page) {
      if (page == 50) gate.Hold();
    };
    f.host.saveAnswers.push_back(out);
    FindIn<QAction>(f.form.get(), "N_REC")->trigger();

    // The readout waits at page 50; the window answers meanwhile.
    QTRY_VERIFY(gate.Reached());
    QTRY_COMPARE(f.form->StatusText(1), Text(vertal::link::kPagesReadingText));
    QCOMPARE(f.form->StatusText(0), Q(out));
    QTRY_VERIFY(FindIn<QProgressBar>(f.form.get(), "ProgressBar1")->text().startsWith(Q("Прочитано страниц: ")));
    auto* stop = FindIn<QPushButton>(f.form.get(), "Button_StopRead");
    QVERIFY(!stop->isHidden());
    auto* escape = FindIn<QShortcut>(f.form.get(), "Shortcut_StopRead");
    QVERIFY(escape->isEnabled());
    QCOMPARE(escape->key(), QKeySequence(Qt::Key_Escape));
    // No other command runs meanwhile.
    QVERIFY(!FindIn<QToolButton>(f.form.get(), "SpeedButton_OPEN")->isEnabled());
    QVERIFY(!FindIn<QAction>(f.form.get(), "N_OPEN")->isEnabled());
    QVERIFY(!FindIn<QTimer>(f.form.get(), "Timer1")->isActive());

    stop->click();
    gate.Open();
    f.WaitForEnd();

    // Page 50 was on its way; the readout ended before page 51, as a silent unit would end it.
    QCOMPARE(f.form->StatusText(1), Q(" Ошибка при чтении оперативной информации РП2 32"));
    QCOMPARE(f.form->StatusText(0), QString());
    std::ifstream earlier(out);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(earlier), {}), std::string("an earlier reading"));
    const std::string partial = dir.File("read_неполный.bin");
    QCOMPARE(std::filesystem::file_size(partial), std::uintmax_t{32'768 + 1'056 * 51});
    QVERIFY(FindIn<QLabel>(f.form.get(), "Label_SizeNotice")->text().contains(Q(partial)));
    QVERIFY(stop->isHidden());
    QVERIFY(FindIn<QAction>(f.form.get(), "N_OPEN")->isEnabled());
  }
};

QTEST_MAIN(ReadCommandTest)
#include "ReadCommandTest.moc"
