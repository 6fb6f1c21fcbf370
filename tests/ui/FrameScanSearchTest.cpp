// The recording-period scan and the frame search on the page "Общая": what they show, the
// status bar and progress bar while they run, a file that cannot be read, a refused threshold,
// and lists of a hundred thousand items.

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <functional>

#include "FramePageFixture.h"
#include "app/ui/StatusPanels.h"
#include "dump/core/OpenSequence.h"
#include "frames/core/FrameSearch.h"
#include "frames/core/RecordPass.h"
#include "frames/ui/JumpListCombo.h"

using vertal::Message;
using vertal::MessageKind;
using vertal::dump::OpenContext;
using vertal::dump::OpenStage;
using vertal::testing::DumpBuilder;
using vertal::testing::FakeHost;
using vertal::testing::FrameFields;
using vertal::testing::FramePageFixture;
using vertal::testing::Q;
using vertal::testing::WorkFrame;

namespace {

const std::string kOpenFailed = "\n Файл не удалось открыть!";
constexpr int kBlocksPerPass = 270'336 / static_cast<int>(vertal::frames::kPassBlockRecords);

// A recording with one item in each list, an overload run split by a damaged frame, and the
// earliest and latest moments at frames 0 and 50.
DumpBuilder Recording() {
  DumpBuilder b;
  FrameFields on = WorkFrame(0x03, 0x09);
  on.faultCode = 1;
  b.Frame(0, on);
  for (int n = 10; n <= 21; ++n) {
    FrameFields f = WorkFrame();
    f.loadMoment = n <= 20 ? 115 : 90;
    b.Frame(n, f);
  }
  b.DamageFrame(15);
  FrameFields mzon = WorkFrame();
  mzon.faultCode = 101;
  b.Frame(30, mzon);
  FrameFields tuning = WorkFrame();
  tuning.kos = 0;
  b.Frame(40, tuning);
  b.Frame(50, WorkFrame(0x21, 0x16));
  return b;
}

// Frames 5 to 9 at 100 % and frame 12 with the ceiling limit entered and triggered, among
// valid frames at 50 %.
DumpBuilder SearchRecording() {
  DumpBuilder b;
  for (int n = 0; n < 20; ++n) {
    FrameFields f = WorkFrame();
    f.loadMoment = n >= 5 && n <= 9 ? 100 : 50;
    if (n == 12) f.limits = 0x88;
    b.Frame(n, f);
  }
  return b;
}

// A host that lets the test look at the window whenever a pass repaints it.
class WatchingHost : public FakeHost {
 public:
  void RepaintNow() override {
    FakeHost::RepaintNow();
    if (onRepaint) onRepaint();
  }
  std::function<void()> onRepaint;
};

struct Moment {
  QString status;
  QColor colour;
  int progress;
  int maximum;
};

}  // namespace

class FrameScanSearchTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { t_ = std::make_unique<FramePageFixture>(); }
  void cleanup() { t_.reset(); }

  void scanShowsThePeriodAndTheEpisodes() {
    auto& page = t_->Page();
    t_->Open(Recording());
    QCOMPARE(page.Label_NR->text(), Q("Начало работы РП: 03.09.08 в 09:00:00"));
    QCOMPARE(page.Label_KR->text(), Q("Конец   работы РП: 21.09.08 в 16:00:00"));
    QCOMPARE(page.Label_Cikl_M->text(), Q("Количество эпизодов: 2"));
    QCOMPARE(FramePageFixture::Items(page.ComboBox_Cikl_M),
             QStringList({Q("10-й кадр, дата: 15.09.08"), Q("16-й кадр, дата: 15.09.08")}));
    QCOMPARE(page.ComboBox_Cikl_M->currentIndex(), 0);
    QCOMPARE(page.Label_Cikl_MZON->text(), Q("Количество эпизодов: 1"));
    QCOMPARE(FramePageFixture::Items(page.ComboBox_Cikl_MZON),
             QStringList{Q("30-й кадр, дата сраба-ия: 15.09.08")});
    QCOMPARE(page.Label_Cikl_NASTROYKA->text(), Q("Количество эпизодов: 1"));
    QCOMPARE(FramePageFixture::Items(page.ComboBox_Cikl_NASTROYKA),
             QStringList{Q("40-й кадр, дата работы: 15.09.08")});
    QCOMPARE(page.Label_ON->text(), Q("Количество включений: 1"));
    QCOMPARE(FramePageFixture::Items(page.ComboBox_ON), QStringList{Q("0-й кадр, дата 03.09.08")});
    QVERIFY(t_->f.host.messages.empty());

    // Choosing the second overload episode shows its first frame in column 0.
    QTest::keyClick(page.ComboBox_Cikl_M, Qt::Key_Down);
    QCOMPARE(page.ScrollBar_Cikl->value(), 16);
    QCOMPARE(t_->Cell(0, 0), Q("16"));

    // The next file's scan replaces every list.
    t_->Open(DumpBuilder(), "empty.bin");
    for (auto* list : {page.ComboBox_Cikl_M, page.ComboBox_Cikl_MZON, page.ComboBox_Cikl_NASTROYKA,
                       page.ComboBox_ON})
      QCOMPARE(list->count(), 0);
    QCOMPARE(page.Label_ON->text(), Q("Количество включений: 0"));
  }

  void passesShowTheirStateAndRepaintAtMostOncePerBlock() {
    WatchingHost host;
    vertal::testing::CountingPort port;
    vertal::app::TForm_Main form(host, port);
    std::vector<Moment> seen;
    host.onRepaint = [&] {
      seen.push_back({form.StatusText(1), form.StatusColor(), form.ProgressBar1->value(),
                      form.ProgressBar1->maximum()});
    };
    const auto repaintedAtBlockEnds = [&seen] {
      if (seen.empty() || static_cast<int>(seen.size()) > kBlocksPerPass) return false;
      for (const Moment& m : seen)
        if (m.progress % vertal::frames::kPassBlockRecords != 0) return false;
      return seen.front().progress == vertal::frames::kPassBlockRecords;
    };
    const std::string path = t_->Write(SearchRecording());
    form.SetStatusText(0, QString::fromStdString(path));
    form.OpenDumpFile();

    QVERIFY(repaintedAtBlockEnds());
    QCOMPARE(seen.front().status, Q(" Идет расшифровка файла"));
    QCOMPARE(seen.front().colour, QColor(0xA6CAF0));
    QCOMPARE(seen.front().maximum, 270'337);
    QCOMPARE(form.StatusText(1), Q(" Расшифровка файла закончена"));
    QCOMPARE(form.StatusColor(), form.StatusBar1->ButtonFaceColor());
    QCOMPARE(form.ProgressBar1->value(), 0);

    seen.clear();
    form.frameTablePage->BitBtn1->click();
    QVERIFY(repaintedAtBlockEnds());
    QCOMPARE(seen.front().status, Q(" Идет поиск перегрузок"));
    QCOMPARE(seen.front().colour, form.StatusBar1->ButtonFaceColor());
    QCOMPARE(seen.front().maximum, 270'336);
    QCOMPARE(form.StatusText(1), Q(" Поиск закончен"));
    QCOMPARE(form.ProgressBar1->value(), 0);
    QVERIFY(host.messages.empty());
  }

  void scanOfAnUnreadableFileLeavesTheStatusBarAsItWas() {
    auto& page = t_->Page();
    auto& form = t_->Form();
    const std::string path = t_->Open(Recording());
    const QString period = page.Label_NR->text();
    form.SetStatusText(1, Q(" Устройство не подключено"));
    form.SetStatusColor(Qt::yellow);
    // The file goes away after the file decoder has read it.
    form.OpenSteps().Add(OpenStage::KdsTable, [&](OpenContext&) {
      std::filesystem::remove(path);
      return true;
    });
    form.OpenDumpFile();

    QVERIFY(!t_->f.host.messages.empty());
    for (const Message& m : t_->f.host.messages)
      QCOMPARE(m, (Message{MessageKind::Error, kOpenFailed}));
    QCOMPARE(form.StatusText(1), Q(" Устройство не подключено"));
    QCOMPARE(form.StatusColor(), QColor(Qt::yellow));
    QCOMPARE(page.ComboBox_Cikl_M->count(), 0);
    QCOMPARE(page.ComboBox_ON->count(), 0);
    QCOMPARE(page.Label_NR->text(), period);
  }

  void searchListsRunsOfSelectedFrames() {
    auto& page = t_->Page();
    t_->Open(SearchRecording());
    page.Edit_O_M->setText(QStringLiteral("100"));
    page.BitBtn1->click();
    QCOMPARE(FramePageFixture::Items(page.ComboBox_Cikl),
             QStringList{Q("5-й кадр, дата 15.09.08")});
    QCOMPARE(page.Label_O_OtbZap->text(), Q("1"));
    page.BitBtn1->click();  // the same list again, not a doubled one
    QCOMPARE(page.ComboBox_Cikl->count(), 1);

    page.CheckBox_SLim->setChecked(true);
    page.BitBtn1->click();
    QCOMPARE(FramePageFixture::Items(page.ComboBox_Cikl),
             QStringList({Q("5-й кадр, дата 15.09.08"), Q("12-й кадр, дата 15.09.08")}));
    QCOMPARE(page.ComboBox_Cikl->currentIndex(), 0);
    QCOMPARE(page.Label_O_OtbZap->text(), Q("2"));
    // The search leaves the table where it was; a choice moves it.
    QCOMPARE(page.ScrollBar_Cikl->value(), 270'331);
    QTest::keyClick(page.ComboBox_Cikl, Qt::Key_Down);
    QCOMPARE(page.ScrollBar_Cikl->value(), 12);

    page.CheckBox_SLim->setChecked(false);
    page.Edit_O_M->setText(QStringLiteral("255"));
    page.BitBtn1->click();
    QCOMPARE(page.ComboBox_Cikl->count(), 0);
    QCOMPARE(page.Label_O_OtbZap->text(), Q("0"));
    QVERIFY(t_->f.host.messages.empty());
  }

  void badThresholdIsRefusedBeforeSearching() {
    auto& page = t_->Page();
    page.Edit_O_M->setText(QString());
    page.BitBtn1->click();  // no file yet: nothing at all
    QVERIFY(t_->f.host.messages.empty());

    t_->Open(SearchRecording());
    page.Edit_O_M->setText(QStringLiteral("100"));
    page.BitBtn1->click();
    const QString status = t_->Form().StatusText(1);
    for (const char* typed : {"", "1x", "-"}) {
      t_->f.host.messages.clear();
      page.Edit_O_M->setText(Q(typed));
      page.BitBtn1->click();
      QCOMPARE(t_->f.host.messages,
               (std::vector<Message>{{MessageKind::Error, vertal::frames::NotWholeNumberMessage(
                                                              "Загрузка M%", typed)}}));
      QCOMPARE(page.ComboBox_Cikl->count(), 1);
      QCOMPARE(page.Label_O_OtbZap->text(), Q("1"));
      QCOMPARE(t_->Form().StatusText(1), status);
    }
  }

  void searchOfAnUnreadableFileEmptiesTheList() {
    auto& page = t_->Page();
    const std::string path = t_->Open(SearchRecording());
    page.BitBtn1->click();
    QCOMPARE(page.Label_O_OtbZap->text(), Q("1"));
    std::filesystem::remove(path);
    page.BitBtn1->click();
    QCOMPARE(t_->f.host.messages, (std::vector<Message>{{MessageKind::Error, kOpenFailed}}));
    QCOMPARE(page.ComboBox_Cikl->count(), 0);
    QCOMPARE(page.Label_O_OtbZap->text(), Q("1"));
  }

  void longListsAreFilledInOneStep() {
    auto& page = t_->Page();
    DumpBuilder b;
    FrameFields on = WorkFrame();
    on.faultCode = 1;
    for (int n = 0; n < 270'336; n += 2) b.Frame(n, on);
    t_->Open(b);
    QCOMPARE(page.ComboBox_ON->count(), 135'168);
    QCOMPARE(page.ComboBox_ON->currentText(), Q("0-й кадр, дата 15.09.08"));

    QAbstractItemModel* model = page.ComboBox_ON->model();
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(model, &QAbstractItemModel::rowsInserted);
    t_->Form().OpenDumpFile();
    QCOMPARE(page.ComboBox_ON->model(), model);
    QCOMPARE(resets.count(), 2);  // emptied as the scan starts, filled as it ends
    QCOMPARE(inserts.count(), 0);
    QCOMPARE(page.ComboBox_ON->count(), 135'168);
  }

 private:
  std::unique_ptr<FramePageFixture> t_;
};

QTEST_MAIN(FrameScanSearchTest)
#include "FrameScanSearchTest.moc"
