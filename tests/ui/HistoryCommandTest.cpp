// "Файл" → "История крана…": the readings of the current file's crane in the chosen folder,
// shown on the page "История крана" in readout order; choosing one opens its file.

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "MainWindowFixture.h"
#include "app/ui/HistoryCommand.h"
#include "support/RecordedReports.h"
#include "tools/demo/DemoRecording.h"

using vertal::testing::Column;
using vertal::testing::DumpBuilder;
using vertal::testing::FindIn;
using vertal::testing::MainWindowFixture;
using vertal::testing::Q;

namespace {

DumpBuilder Demo(const vertal::demo::DemoOptions& options) {
  DumpBuilder b;
  vertal::demo::BuildDemo(b, options);
  return b;
}

constexpr int kDateColumn = 0;
constexpr int kFileColumn = 1;

}  // namespace

class HistoryCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    t_ = std::make_unique<MainWindowFixture>();
    t_->form->show();
  }
  void cleanup() { t_.reset(); }

  void theCranesReadingsShowInReadoutOrderAndOneOpens() {
    // Names that sort against the readout dates; another crane's reading in the same folder.
    const std::string first = t_->Write(Demo({}), "c.bin");
    t_->Write(Demo({.laterDays = 60}), "a.bin");
    t_->Write(Demo({.crane = 2}), "other.bin");
    t_->Open(Demo({.laterDays = 30}), "b.bin");
    t_->host.folderAnswers.push_back(t_->dir.Path().string());
    History();

    QCOMPARE(t_->host.folderDialogs.back().initialDirectory, t_->dir.Path().string());
    QCOMPARE(t_->CurrentSheet("PageControl_Cikl"), t_->Sheet("TabSheet_History"));
    auto* grid = Page<QTableWidget>("Grid_History");
    QCOMPARE(Column(grid, kFileColumn), QStringList({Q("c.bin"), Q("b.bin"), Q("a.bin")}));
    QCOMPARE(Column(grid, kDateColumn).first(), Q("22.09.08"));
    QVERIFY(Page<QLabel>("Label_HistoryForecast")->text().size() > 0);
    QVERIFY(t_->host.messages.empty());

    // The print shows the crane's pages of the fleet report.
    vertal::testing::RecordingViewer viewer;
    t_->form->History().viewer = &viewer;
    QTest::mouseClick(Page<QPushButton>("Button_HistoryPrint"), Qt::LeftButton);
    QCOMPARE(viewer.Shown().size(), std::size_t{1});
    QVERIFY(!viewer.Shown().front().pages.empty());

    // Enter on a reading opens it as Open does, and the history stays.
    grid->setCurrentCell(0, kDateColumn);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(t_->form->CurrentFile().Path(), first);
    QCOMPARE(t_->Panel(0), Q(first));
    QCOMPARE(grid->rowCount(), 3);
  }

  void withoutAFileNoDialogAndACancelChangesNothing() {
    History();
    QCOMPARE(t_->host.Texts(),
             std::vector<std::string>{"Сначала откройте файл: история строится для его крана."});
    QVERIFY(t_->host.folderDialogs.empty());

    t_->Open(Demo({}), "d.bin");
    t_->host.folderAnswers.push_back(std::nullopt);
    History();
    QCOMPARE(t_->host.folderDialogs.size(), std::size_t{1});
    QCOMPARE(Page<QTableWidget>("Grid_History")->rowCount(), 0);
    QVERIFY(!Page<QPushButton>("Button_HistoryPrint")->isEnabled());
  }

 private:
  void History() {
    t_->Find<QAction>("N_HISTORY")->trigger();
    QApplication::processEvents();
  }
  template <class W>
  W* Page(const char* name) const {
    return FindIn<W>(t_->Sheet("TabSheet_History"), name);
  }

  std::unique_ptr<MainWindowFixture> t_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  HistoryCommandTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "HistoryCommandTest.moc"
