// Opening a dump file from the Open command: the dialog, the file name in status panel 0, the
// messages of an unreadable or damaged file and the notice of a file that is not a full readout.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "dump/core/DumpHead.h"

using vertal::Message;
using vertal::MessageKind;
using vertal::testing::DumpBuilder;
using vertal::testing::LongTermRecord;
using vertal::testing::MainWindowFixture;
using vertal::testing::Q;

namespace {

const std::string kOpenFailed = "\n Файл не удалось открыть!";

}  // namespace

class OpenCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    f_ = std::make_unique<MainWindowFixture>();
    QVERIFY(dir_.isValid());
  }
  void cleanup() { f_.reset(); }

  void confirmedFileBecomesCurrentAndIsOpened() {
    auto& form = *f_->form;
    const std::string path = Write("good.bin", DumpBuilder().RecorderVersion(30));
    f_->host.openAnswers.push_back(path);
    f_->ShowSheet("TabSheet3");
    f_->ShowSheet("TabSheet_Grafik");

    Button("SpeedButton_OPEN")->click();

    QCOMPARE(f_->host.openDialogs.size(), std::size_t{1});
    const vertal::FileDialogSetup& shown = f_->host.openDialogs[0];
    QCOMPARE(shown.title, std::string("Открыть"));
    QCOMPARE(shown.filters.size(), std::size_t{2});
    QCOMPARE(shown.filters[0].description, std::string("Бинарные (*.bin)"));
    QCOMPARE(shown.filters[0].pattern, std::string("*.bin"));
    QCOMPARE(shown.filters[1].description, std::string("Все файлы (*.*)"));
    QCOMPARE(shown.filters[1].pattern, std::string("*.*"));
    QCOMPARE(shown.filterIndex, 3);
    QVERIFY(shown.defaultExtension.empty());
    QVERIFY(shown.fileName.empty());

    QCOMPARE(f_->Panel(0), QString::fromStdString(path));
    QVERIFY(f_->host.messages.empty());
    QCOMPARE(form.RecorderVersion(), std::int8_t{30});
    QCOMPARE(f_->CurrentSheet("PageControl_Main"), f_->Sheet("TabSheet_Const"));
    QCOMPARE(f_->CurrentSheet("PageControl2"), f_->Sheet("TabSheet_Ident"));
    QVERIFY(form.OpenDialogSetup().fileName.empty());
    // The scan of the recording period is the last step that reports its state.
    QCOMPARE(f_->Panel(1), Q(" Расшифровка файла закончена"));
  }

  void menuItemOpensLikeTheButton() {
    const std::string path = Write("menu.bin", DumpBuilder().RecorderVersion(31));
    f_->host.openAnswers.push_back(path);
    f_->Find<QAction>("N_OPEN")->trigger();
    QCOMPARE(f_->Panel(0), QString::fromStdString(path));
    QCOMPARE(f_->form->RecorderVersion(), std::int8_t{31});
    QCOMPARE(f_->host.openDialogs.size(), std::size_t{1});
  }

  void cancelledDialogChangesNothing() {
    auto& form = *f_->form;
    Button("SpeedButton_OPEN")->click();  // no file yet
    QCOMPARE(f_->Panel(0), QString());
    QVERIFY(f_->host.messages.empty());

    // With a file open: a second open of it would repeat its message.
    const std::string path =
        Write("damaged.bin", DumpBuilder().RecorderVersion(30).Damage(LongTermRecord::WorkCycles0));
    f_->host.openAnswers.push_back(path);
    Button("SpeedButton_OPEN")->click();
    QCOMPARE(f_->host.messages.size(), std::size_t{1});
    f_->ShowSheet("TabSheet_Cikl");

    f_->Find<QAction>("N_OPEN")->trigger();  // cancelled
    QCOMPARE(f_->host.openDialogs.size(), std::size_t{3});
    QVERIFY(f_->host.openDialogs[2].fileName.empty());
    QCOMPARE(f_->Panel(0), QString::fromStdString(path));
    QCOMPARE(f_->host.messages.size(), std::size_t{1});
    QCOMPARE(f_->CurrentSheet("PageControl_Main"), f_->Sheet("TabSheet_Cikl"));
    QCOMPARE(form.RecorderVersion(), std::int8_t{30});
  }

  void unreadablePathsShowOneErrorAndChangeNothingElse_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << QStringLiteral("missing.bin");
    QTest::newRow("directory") << QStringLiteral("folder");
  }

  void unreadablePathsShowOneErrorAndChangeNothingElse() {
    QFETCH(QString, name);
    auto& form = *f_->form;
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("folder")));
    f_->host.openAnswers.push_back(Write("v30.bin", DumpBuilder().RecorderVersion(30)));
    Button("SpeedButton_OPEN")->click();
    f_->ShowSheet("TabSheet_Grafik");

    const std::string path = dir_.filePath(name).toStdString();
    f_->host.openAnswers.push_back(path);
    Button("SpeedButton_OPEN")->click();

    QCOMPARE(f_->host.messages.size(), std::size_t{1});
    QCOMPARE(f_->host.messages[0], (Message{MessageKind::Error, kOpenFailed}));
    // The chosen path is current even though it could not be read.
    QCOMPARE(f_->Panel(0), QString::fromStdString(path));
    QCOMPARE(form.RecorderVersion(), std::int8_t{30});
    QCOMPARE(f_->CurrentSheet("PageControl_Main"), f_->Sheet("TabSheet_Grafik"));
    QVERIFY(form.OpenDialogSetup().fileName.empty());
  }

  void damagedRecordsAreReportedInOnePlainBoxInCheckOrder() {
    DumpBuilder dump;
    dump.RecorderVersion(31)
        .Damage(LongTermRecord::UnitService2)
        .Damage(LongTermRecord::CraneIdent1)
        .Damage(LongTermRecord::LimiterIdent0);
    f_->host.openAnswers.push_back(Write("damaged.bin", dump));
    Button("SpeedButton_OPEN")->click();
    const std::vector<std::string> expected = {
        "Ошибка контольной суммы идентификации VERTAL в Банке-0!",
        "Ошибка контольной суммы идентификации крана в Банке-1!",
        "Ошибка контольной суммы служебной информации БОИ, cчетчика моточасов нагруженой стрелы!",
    };
    QCOMPARE(f_->host.Texts(), expected);
    QCOMPARE(f_->host.boxes, 1);
    for (const Message& m : f_->host.messages) QCOMPARE(m.kind, MessageKind::Plain);
  }

  void emptyFileOpensWithEveryRecordDamaged() {
    const QString path = dir_.filePath(QStringLiteral("empty.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    f_->host.openAnswers.push_back(path.toStdString());
    Button("SpeedButton_OPEN")->click();
    QCOMPARE(f_->host.messages.size(), std::size_t{17});
    QCOMPARE(f_->host.boxes, 1);
    QCOMPARE(f_->host.messages.front().text,
             std::string("Ошибка контольной суммы идентификации VERTAL в Банке-0!"));
    for (const Message& m : f_->host.messages) QCOMPARE(m.kind, MessageKind::Plain);
    QCOMPARE(f_->form->RecorderVersion(), std::int8_t{0});
    QCOMPARE(f_->Panel(0), path);
  }

  void aFileShorterThanAReadoutSaysSoWithoutABox() {
    auto& form = *f_->form;
    form.show();
    auto* notice = f_->Find<QLabel>("Label_SizeNotice");
    QVERIFY(!notice->isVisible());
    f_->host.openAnswers.push_back(Write("full.bin", DumpBuilder()));
    Button("SpeedButton_OPEN")->click();
    QVERIFY(!notice->isVisible());

    const std::string cut = dir_.filePath(QStringLiteral("cut.bin")).toStdString();
    DumpBuilder().WriteTruncated(cut, 5'000'000);
    f_->host.openAnswers.push_back(cut);
    Button("SpeedButton_OPEN")->click();
    const std::string text = vertal::dump::FileSizeNotice(5'000'000);
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(), Q(text));
    QVERIFY(f_->host.messages.empty());

    form.ResetView();
    QVERIFY(!notice->isVisible());
  }

 private:
  QToolButton* Button(const char* name) { return f_->Find<QToolButton>(name); }

  std::string Write(const char* name, const DumpBuilder& dump) {
    const std::string path = dir_.filePath(QString::fromLatin1(name)).toStdString();
    dump.Write(path);
    return path;
  }

  QTemporaryDir dir_;
  std::unique_ptr<MainWindowFixture> f_;
};

QTEST_MAIN(OpenCommandTest)
#include "OpenCommandTest.moc"
