// The window's Read command against a unit played from a dump file: the readout writes the new
// file, shows its steps in the status bar and opens the file; without a unit nothing is asked.

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <memory>
#include <string>

#include "MainWindowFixture.h"
#include "frames/core/PeriodScan.h"
#include "link/core/Connection.h"
#include "link/core/OperatorEntry.h"
#include "link/core/Readout.h"
#include "link/core/SimulatedUnit.h"

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

// A window whose port is a unit played from `dump`, with the operator dialog answered at once.
struct ReadFixture {
  explicit ReadFixture(const std::string& dump, vertal::link::Fault fault = {})
      : unit(dump, fault) {
    form = std::make_unique<vertal::app::MainWindow>(host, unit);
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

  RepaintRecordingHost host;
  vertal::link::SimulatedUnit unit;
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
    QCOMPARE(f.form->StatusText(1), Q(" Устройство не подключено"));
    QCOMPARE(f.form->StatusText(0), Q(open));
    QCOMPARE(f.dialogs, 0);
    QVERIFY(f.host.saveDialogs.empty());
    QVERIFY(f.host.messages.empty());
    QVERIFY(FindIn<QTimer>(f.form.get(), "Timer1")->isActive());
  }
};

QTEST_MAIN(ReadCommandTest)
#include "ReadCommandTest.moc"
