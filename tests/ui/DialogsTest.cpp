// The about box and how the real Host sets up its boxes and file dialogs; both take the font
// of the window they belong to. What the real Host repaints while a pass runs.

#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "MainWindowFixture.h"
#include "app/ui/AboutBox.h"
#include "app/ui/QtHost.h"
#include "common/core/Host.h"

using vertal::FileDialogSetup;
using vertal::Message;
using vertal::MessageKind;
using vertal::app::AboutBox;
using vertal::testing::MainWindowFixture;
using vertal::testing::Q;

namespace {

// Counts the paints of a widget.
class PaintCount : public QObject {
 public:
  explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void aboutBoxShowsTheProgramAndClosesWithOk() {
    AboutBox box;
    QCOMPARE(box.windowTitle(), Q("О программе"));
    QCOMPARE(box.findChild<QLabel*>("ProductName")->text(), Q("Анализ РП VERTAL"));
    QCOMPARE(box.findChild<QLabel*>("Version")->text(), Q("Версия 1.0"));
    QVERIFY(box.findChild<QLabel*>("ProductName")->font().bold());
    QVERIFY(box.findChild<QLabel*>("Version")->font().bold());
    QCOMPARE(box.findChild<QLabel*>("Comments")->text(),
             Q("Программа предназначена для  расшифровки информацию записанной в регистратор "
               "параметров ограничителей грузоподъемности VERTAL."));
    QVERIFY(!box.findChild<QLabel*>("Copyright")->text().isEmpty());
    QVERIFY(!box.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
    QCOMPARE(box.findChild<QPushButton*>("OKButton")->text(), QStringLiteral("OK"));
    QVERIFY(box.findChild<QPushButton*>("OKButton")->isDefault());

    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(box.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted));

    // Enter presses the default button.
    box.setResult(QDialog::Rejected);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.result(), int(QDialog::Accepted));
  }

  void messageBoxesHaveTheirIconAndOneOkButton() {
    QMessageBox error;
    vertal::app::ConfigureMessageBox(error, {MessageKind::Error, "\n Файл не удалось открыть!"});
    QCOMPARE(error.icon(), QMessageBox::Critical);
    QCOMPARE(error.text(), Q("\n Файл не удалось открыть!"));
    QCOMPARE(error.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));

    QMessageBox plain;
    vertal::app::ConfigureMessageBox(plain, {MessageKind::Plain, "Ошибка"});
    QCOMPARE(plain.icon(), QMessageBox::NoIcon);
    QCOMPARE(plain.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
  }

  void aPassRepaintsTheStatusAndProgressBarsNotThePages() {
    MainWindowFixture f;
    vertal::app::QtHost host(f.form.get());
    host.SetRepainted(f.form->PassIndicators());
    f.form->show();
    QApplication::processEvents();
    PaintCount status(f.Find("StatusBar1"));
    PaintCount progress(f.Find("ProgressBar1"));
    PaintCount pages(f.Find("PageControl_Main"));
    f.form->SetProgress(1);
    host.RepaintNow();
    QVERIFY(status.paints > 0);
    QVERIFY(progress.paints > 0);
    QCOMPARE(pages.paints, 0);
  }

  void boxesTakeTheFontOfTheirWindow() {
    QWidget window;
    window.setFont(QFont(QStringLiteral("Liberation Serif"), 15));
    QWidget inner(&window);
    QVERIFY(window.font() != QApplication::font());

    QMessageBox box(&inner);
    vertal::app::ConfigureMessageBox(box, {MessageKind::Plain, "Ошибка"});
    QCOMPARE(box.font(), window.font());
    AboutBox about(&inner);
    QCOMPARE(about.font(), window.font());
  }

  void openDialogStartsOnTheFirstFilterWhenTheIndexIsBeyondThem() {
    MainWindowFixture f;
    QFileDialog dialog;
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    vertal::app::ConfigureFileDialog(dialog, f.form->OpenDialogSetup());
    QCOMPARE(dialog.windowTitle(), Q("Открыть"));
    QCOMPARE(dialog.nameFilters(),
             (QStringList{Q("Бинарные (*.bin) (*.bin)"), Q("Все файлы (*.*) (*)")}));
    // The dialog shows each description as written.
    QCOMPARE(dialog.selectedNameFilter(), Q("Бинарные (*.bin)"));
    QVERIFY(dialog.testOption(QFileDialog::HideNameFilterDetails));
    QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(dialog.defaultSuffix(), QString());

    FileDialogSetup second = f.form->OpenDialogSetup();
    second.filterIndex = 2;
    vertal::app::ConfigureFileDialog(dialog, second);
    QCOMPARE(dialog.selectedNameFilter(), Q("Все файлы (*.*)"));
  }

  void saveDialogProposesTheNameInTheInitialDirectory() {
    MainWindowFixture f;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FileDialogSetup setup = f.form->SaveDialogSetup();
    setup.initialDirectory = dir.path().toStdString();
    setup.fileName = "reading";
    QFileDialog dialog;
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    vertal::app::ConfigureFileDialog(dialog, setup);
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("bin"));
    QCOMPARE(dialog.directory().absolutePath(), QDir(dir.path()).absolutePath());
    QCOMPARE(dialog.selectedFiles().value(0),
             QDir(dir.path()).filePath(QStringLiteral("reading.bin")));
    // Choosing an existing file asks before it is replaced.
    QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(dialog.nameFilters().size(), 2);
  }

  void folderDialogChoosesAFolderFromTheGivenOne() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FileDialogSetup setup;
    setup.title = "Папка";
    setup.initialDirectory = dir.path().toStdString();
    QFileDialog dialog;
    vertal::app::ConfigureFolderDialog(dialog, setup);
    QCOMPARE(dialog.fileMode(), QFileDialog::Directory);
    QVERIFY(dialog.testOption(QFileDialog::ShowDirsOnly));
    QCOMPARE(dialog.windowTitle(), Q("Папка"));
    QCOMPARE(dialog.directory().absolutePath(), QDir(dir.path()).absolutePath());
  }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
