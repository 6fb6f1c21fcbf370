// Opening a dump file from the Open command: the dialog, the file name in status panel 0, the
// messages of an unreadable or damaged file, and the steps the pages plug in.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "dump/core/OpenSequence.h"
#include "support/DumpBuilder.h"

using vertal::Message;
using vertal::MessageKind;
using vertal::dump::OpenContext;
using vertal::dump::OpenStage;
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
    form.PageControl_Main->setCurrentWidget(form.TabSheet_Grafik);
    form.PageControl2->setCurrentWidget(form.TabSheet3);

    form.SpeedButton_OPEN->click();

    QCOMPARE(f_->host.openDialogs.size(), std::size_t{1});
    const vertal::FileDialogSpec& shown = f_->host.openDialogs[0];
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
    QCOMPARE(form.RecorderVersion, std::int8_t{30});
    QCOMPARE(form.PageControl_Main->currentWidget(), form.TabSheet_Const);
    QCOMPARE(form.PageControl2->currentWidget(), form.TabSheet_Ident);
    QVERIFY(form.OpenDialog1.fileName.empty());
    // The scan of the recording period is the last step that reports its state.
    QCOMPARE(f_->Panel(1), Q(" Расшифровка файла закончена"));
  }

  void menuItemOpensLikeTheButton() {
    const std::string path = Write("menu.bin", DumpBuilder().RecorderVersion(31));
    f_->host.openAnswers.push_back(path);
    f_->form->N_OPEN->trigger();
    QCOMPARE(f_->Panel(0), QString::fromStdString(path));
    QCOMPARE(f_->form->RecorderVersion, std::int8_t{31});
    QCOMPARE(f_->host.openDialogs.size(), std::size_t{1});
  }

  void cancelledDialogChangesNothing() {
    auto& form = *f_->form;
    form.SpeedButton_OPEN->click();  // no file yet
    QCOMPARE(f_->Panel(0), QString());
    QVERIFY(f_->host.messages.empty());

    // With a file open: a second open of it would repeat its message.
    const std::string path =
        Write("damaged.bin", DumpBuilder().RecorderVersion(30).Damage(LongTermRecord::WorkCycles0));
    f_->host.openAnswers.push_back(path);
    form.SpeedButton_OPEN->click();
    QCOMPARE(f_->host.messages.size(), std::size_t{1});
    form.PageControl_Main->setCurrentWidget(form.TabSheet_Cikl);

    form.N_OPEN->trigger();  // cancelled
    QCOMPARE(f_->host.openDialogs.size(), std::size_t{3});
    QVERIFY(f_->host.openDialogs[2].fileName.empty());
    QCOMPARE(f_->Panel(0), QString::fromStdString(path));
    QCOMPARE(f_->host.messages.size(), std::size_t{1});
    QCOMPARE(form.PageControl_Main->currentWidget(), form.TabSheet_Cikl);
    QCOMPARE(form.RecorderVersion, std::int8_t{30});
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
    form.SpeedButton_OPEN->click();
    form.PageControl_Main->setCurrentWidget(form.TabSheet_Grafik);

    const std::string path = dir_.filePath(name).toStdString();
    f_->host.openAnswers.push_back(path);
    form.SpeedButton_OPEN->click();

    QCOMPARE(f_->host.messages.size(), std::size_t{1});
    QCOMPARE(f_->host.messages[0], (Message{MessageKind::Error, kOpenFailed}));
    // The chosen path is current even though it could not be read.
    QCOMPARE(f_->Panel(0), QString::fromStdString(path));
    QCOMPARE(form.RecorderVersion, std::int8_t{30});
    QCOMPARE(form.PageControl_Main->currentWidget(), form.TabSheet_Grafik);
    QVERIFY(form.OpenDialog1.fileName.empty());
  }

  void damagedRecordsAreReportedOnePlainBoxEachInCheckOrder() {
    DumpBuilder dump;
    dump.RecorderVersion(31)
        .Damage(LongTermRecord::UnitService2)
        .Damage(LongTermRecord::CraneIdent1)
        .Damage(LongTermRecord::LimiterIdent0);
    f_->host.openAnswers.push_back(Write("damaged.bin", dump));
    f_->form->SpeedButton_OPEN->click();
    const std::vector<std::string> expected = {
        "Ошибка контольной суммы идентификации VERTAL в Банке-0!",
        "Ошибка контольной суммы идентификации крана в Банке-1!",
        "Ошибка контольной суммы служебной информации БОИ, cчетчика моточасов нагруженой стрелы!",
    };
    QCOMPARE(f_->host.Texts(), expected);
    for (const Message& m : f_->host.messages) QCOMPARE(m.kind, MessageKind::Plain);
  }

  void emptyFileOpensWithEveryRecordDamaged() {
    const QString path = dir_.filePath(QStringLiteral("empty.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    f_->host.openAnswers.push_back(path.toStdString());
    f_->form->SpeedButton_OPEN->click();
    QCOMPARE(f_->host.messages.size(), std::size_t{17});
    QCOMPARE(f_->host.messages.front().text,
             std::string("Ошибка контольной суммы идентификации VERTAL в Банке-0!"));
    for (const Message& m : f_->host.messages) QCOMPARE(m.kind, MessageKind::Plain);
    QCOMPARE(f_->form->RecorderVersion, std::int8_t{0});
    QCOMPARE(f_->Panel(0), path);
  }

  void pageStepsRunAtTheirStageWithTheWindowsState() {
    auto& form = *f_->form;
    std::vector<std::string> seen;
    form.OpenSteps().Add(OpenStage::FrameTable, [&](OpenContext& c) {
      seen.push_back("frames " + std::to_string(c.recorderVersion));
      return true;
    });
    form.OpenSteps().Add(OpenStage::Identification, [&](OpenContext& c) {
      // The window has kept the version and shown the service page by now.
      seen.push_back("ident " + std::to_string(form.RecorderVersion) + " " +
                     std::to_string(form.PageControl2->currentIndex()) + " " + c.path);
      return c.head.has_value();
    });
    form.PageControl2->setCurrentWidget(form.TabSheet3);
    const std::string path = Write("steps.bin", DumpBuilder().RecorderVersion(31));
    form.SetStatusText(0, QString::fromStdString(path));
    form.OpenDumpFile();
    QCOMPARE(seen, (std::vector<std::string>{"ident 31 0 " + path, "frames 31"}));

    // An unreadable file stops before any page step.
    seen.clear();
    form.SetStatusText(0, dir_.filePath(QStringLiteral("nothing.bin")));
    form.OpenDumpFile();
    QVERIFY(seen.empty());
    QCOMPARE(f_->host.Texts(), std::vector<std::string>{kOpenFailed});
  }

  void pageStepsWriteIntoTheWindowsControlsByName() {
    auto& form = *f_->form;
    auto* label = new QLabel(form.Panel_Slugebnaya);
    label->setObjectName(QStringLiteral("Probe_Label"));
    auto* gauge = new QProgressBar(form.Panel_N);
    gauge->setObjectName(QStringLiteral("Probe_Gauge"));
    auto* box = new QGroupBox(form.Panel_N);
    box->setObjectName(QStringLiteral("GroupBox_Title"));
    std::string separator;
    form.OpenSteps().Add(OpenStage::Identification, [&](OpenContext& c) -> bool {
      if (!c.controls) return false;
      c.controls->SetText("Probe_Label", "1187");
      c.controls->SetPosition("Probe_Gauge", 42);
      c.controls->SetText("GroupBox_Title", "Рабочие циклы");
      c.controls->SetVisible("Probe_Label", false);
      c.controls->SetText("Label_NotBuiltYet", "x");  // passed over
      separator = c.decimalSeparator;
      return true;
    });
    form.SetStatusText(0, QString::fromStdString(Write("c.bin", DumpBuilder())));
    form.OpenDumpFile();
    QCOMPARE(f_->host.messages.size(), std::size_t{0});
    QCOMPARE(label->text(), QStringLiteral("1187"));
    QVERIFY(label->isHidden());
    QCOMPARE(gauge->value(), 42);
    QCOMPARE(box->title(), Q("Рабочие циклы"));
    QCOMPARE(QString::fromStdString(separator), QLocale::system().decimalPoint());
  }

 private:
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
