// "Экспорт в CSV…": nothing without a file; the dialog answered from the keyboard, the search
// it needs run as "Найти" runs it, the save dialog answered by the host and the table written
// in the spreadsheet dialect of the locale; a refused range and a path that cannot be written.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "MainWindowFixture.h"
#include "app/ui/ExportCommands.h"
#include "export/core/ExportCommand.h"
#include "support/CsvTable.h"

using vertal::testing::DumpBuilder;
using vertal::testing::EncodeOverload;
using vertal::testing::FindIn;
using vertal::testing::MainWindowFixture;
using vertal::testing::Q;

class ExportCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    t_ = std::make_unique<MainWindowFixture>();
    asked_ = 0;
    // The real dialog, shown without blocking: a choice, then Enter.
    exporting().askChoice = [this]() -> std::optional<vertal::app::ExportChoice> {
      ++asked_;
      vertal::app::ExportDialog dialog(t_->host, t_->form.get());
      dialog.show();
      FindIn<QRadioButton>(&dialog, kind_)->setChecked(true);
      QTest::keyClick(&dialog, Qt::Key_Return);
      return dialog.Choice();
    };
  }
  void cleanup() { t_.reset(); }

  void nothingHappensWithoutAFile() {
    Trigger();
    QCOMPARE(asked_, 0);
    QVERIFY(t_->host.saveDialogs.empty());
  }

  void theSearchedOverloadsAreWrittenForASpreadsheet() {
    DumpBuilder b;
    b.OverloadRecord(3, EncodeOverload(130, {0x15, 0x09, 0x08}));
    t_->Open(b);
    const std::string target = t_->dir.File("out.csv");
    t_->host.saveAnswers = {target};
    kind_ = "RadioButton_Overloads";
    Trigger();

    QCOMPARE(t_->host.saveDialogs.size(), std::size_t{1});
    QCOMPARE(t_->host.saveDialogs[0].fileName, std::string("d-overloads.csv"));
    // The search ran as "Найти" runs it: the page shows what was written.
    QCOMPARE(t_->Find<QLabel>("Label_Per_OtbZap")->text(), Q("1"));
    const char separator = vertal::SpreadsheetDialect(t_->form->DecimalSeparator()).separator;
    const auto table = vertal::testing::ParseCsv(vertal::testing::ReadWholeFile(target), separator);
    QVERIFY(table);
    QVERIFY(table->byteOrderMark);
    QCOMPARE(table->rows.size(), std::size_t{2});
    QCOMPARE(table->rows[0][0], std::string("Номер кадра"));
    QCOMPARE(table->rows[1][0], std::string("3"));
    QVERIFY(t_->host.messages.empty());
  }

  void aRefusedRangeKeepsTheDialogOpen() {
    vertal::app::ExportDialog dialog(t_->host, t_->form.get());
    dialog.show();
    FindIn<QLineEdit>(&dialog, "E_First")->setText(Q("10"));
    FindIn<QLineEdit>(&dialog, "E_Last")->setText(Q("10"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.Choice());
    QCOMPARE(t_->host.Texts(), std::vector<std::string>{"Неправильный диапазон!"});
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.Choice());
  }

  void aPathThatCannotBeWrittenIsReported() {
    t_->Open(DumpBuilder());
    const std::string target = t_->dir.File("no-folder/out.csv");
    t_->host.saveAnswers = {target};
    kind_ = "RadioButton_Service";
    Trigger();
    QCOMPARE(t_->host.Texts(), std::vector<std::string>{vertal::exporting::CannotWriteMessage(target)});
  }

 private:
  vertal::app::ExportCommands& exporting() { return t_->form->Exporting(); }
  void Trigger() { FindIn<QAction>(t_->form.get(), "N_EXPORT")->trigger(); }

  std::unique_ptr<MainWindowFixture> t_;
  const char* kind_ = "RadioButton_Frames";
  int asked_ = 0;
};

QTEST_MAIN(ExportCommandsTest)
#include "ExportCommandsTest.moc"
