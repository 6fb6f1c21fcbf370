// "Файл" → "Сравнить с файлом…": the chosen reading is compared with the current file, the
// earlier of the two taken as the old reading, and shown on the page "Сравнение".

#include <QAction>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include "MainWindowFixture.h"
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

}  // namespace

class CompareCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    t_ = std::make_unique<MainWindowFixture>();
    t_->form->show();
  }
  void cleanup() { t_.reset(); }

  void theEarlierReadingIsTheOldOneWhicheverIsOpen() {
    const std::string older = t_->Write(Demo({}), "old.bin");
    const std::string newer = t_->Open(Demo({.laterDays = 30}), "new.bin");
    t_->host.openAnswers.push_back(older);
    Compare();
    QCOMPARE(t_->host.openDialogs.back().title, std::string("Сравнить с файлом"));
    QCOMPARE(t_->CurrentSheet("PageControl_Cikl"), t_->Sheet("TabSheet_Compare"));
    QCOMPARE(Page<QLabel>("Label_CompareFiles")->text(),
             Q("Было: " + older + " (считан 22.09.08). Стало: " + newer + " (считан 22.10.08)."));
    QVERIFY(Page<QLabel>("Label_CompareNotice")->isHidden());
    auto* counters = Page<QTableWidget>("Grid_Counters");
    QCOMPARE(Column(counters, 0).last(), Q("Характеристическое число (текущее)"));
    QCOMPARE(Column(counters, 1).last(), Q("1520.75"));
    QVERIFY(Column(counters, 3).last().startsWith('+'));
    QVERIFY(Page<QLabel>("Label_NormativeDate")->text().contains(Q("будет достигнуто")));
    QVERIFY(Page<QTableWidget>("Grid_NewItems")->rowCount() > 0);
    QVERIFY(t_->host.messages.empty());

    // Opening a file makes the comparison stale.
    t_->Open(Demo({}), "again.bin");
    QCOMPARE(counters->rowCount(), 0);
  }

  void anotherCraneIsRefusedAndACancelChangesNothing() {
    Compare();  // nothing open yet: no dialog
    QCOMPARE(t_->host.Texts(), std::vector<std::string>{"Сначала откройте файл: выбранный файл сравнивается с ним."});
    QVERIFY(t_->host.openDialogs.empty());
    t_->host.messages.clear();

    t_->Open(Demo({}), "old.bin");
    t_->host.openAnswers.push_back(t_->Write(Demo({.crane = 2}), "other.bin"));
    Compare();
    QVERIFY(Page<QLabel>("Label_CompareNotice")->text().startsWith(Q("Файлы относятся к разным кранам: ")));
    QCOMPARE(Page<QTableWidget>("Grid_Counters")->rowCount(), 0);

    t_->host.openAnswers.push_back(std::nullopt);
    Compare();
    QVERIFY(Page<QLabel>("Label_CompareNotice")->isVisibleTo(t_->form.get()));
    QVERIFY(t_->host.messages.empty());
  }

 private:
  void Compare() {
    t_->Find<QAction>("N_COMPARE")->trigger();
    QApplication::processEvents();
  }
  template <class W>
  W* Page(const char* name) const {
    return FindIn<W>(t_->Sheet("TabSheet_Compare"), name);
  }

  std::unique_ptr<MainWindowFixture> t_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  CompareCommandTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "CompareCommandTest.moc"
