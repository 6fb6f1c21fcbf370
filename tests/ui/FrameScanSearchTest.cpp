// The recording-period scan and the frame search on the page "Общая": what they show, the
// status bar and progress bar while they run, a file that cannot be read, a refused threshold,
// and lists of a hundred thousand items.

#include <QAbstractItemModel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <functional>

#include "FramePageFixture.h"
#include "records/core/RecordPass.h"
#include "records/core/TypedInput.h"

using vertal::Message;
using vertal::MessageKind;
using vertal::testing::DumpBuilder;
using vertal::testing::FakeHost;
using vertal::testing::FrameFields;
using vertal::testing::FindIn;
using vertal::testing::FramePageFixture;
using vertal::testing::Items;
using vertal::testing::LongTermRecord;
using vertal::testing::Q;
using vertal::testing::WorkFrame;

namespace {

const std::string kOpenFailed = "\n Файл не удалось открыть!";
constexpr int kBlocksPerPass = 270'336 / static_cast<int>(vertal::records::kPassBlockRecords);

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

// A host that lets the test look at the window whenever a pass repaints it or a box is shown.
class WatchingHost : public FakeHost {
 public:
  void RepaintNow() override {
    FakeHost::RepaintNow();
    if (onRepaint) onRepaint();
  }
  void ShowMessage(const vertal::Message& message) override {
    FakeHost::ShowMessage(message);
    if (onMessage) onMessage();
  }
  void ShowMessages(const std::vector<vertal::Message>& shown) override {
    FakeHost::ShowMessages(shown);
    if (onMessage) onMessage();
  }
  std::function<void()> onRepaint;
  std::function<void()> onMessage;
};

const char* const kEpisodeLists[] = {"ComboBox_Cikl_M", "ComboBox_Cikl_MZON",
                                     "ComboBox_Cikl_NASTROYKA", "ComboBox_ON"};

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
    t_->OpenShown(Recording());
    QComboBox* overloads = t_->List("ComboBox_Cikl_M");
    QCOMPARE(t_->Label("Label_NR")->text(), Q("Начало работы РП: 03.09.08 в 09:00:00"));
    QCOMPARE(t_->Label("Label_KR")->text(), Q("Конец   работы РП: 21.09.08 в 16:00:00"));
    QCOMPARE(t_->Label("Label_Cikl_M")->text(), Q("Количество эпизодов: 2"));
    QCOMPARE(Items(overloads),
             QStringList({Q("10-й кадр, дата: 15.09.08"), Q("16-й кадр, дата: 15.09.08")}));
    QCOMPARE(overloads->currentIndex(), 0);
    QCOMPARE(t_->Label("Label_Cikl_MZON")->text(), Q("Количество эпизодов: 1"));
    QCOMPARE(Items(t_->List("ComboBox_Cikl_MZON")),
             QStringList{Q("30-й кадр, дата сраба-ия: 15.09.08")});
    QCOMPARE(t_->Label("Label_Cikl_NASTROYKA")->text(), Q("Количество эпизодов: 1"));
    QCOMPARE(Items(t_->List("ComboBox_Cikl_NASTROYKA")),
             QStringList{Q("40-й кадр, дата работы: 15.09.08")});
    QCOMPARE(t_->Label("Label_ON")->text(), Q("Количество включений: 1"));
    QCOMPARE(Items(t_->List("ComboBox_ON")), QStringList{Q("0-й кадр, дата 03.09.08")});
    QVERIFY(t_->host.messages.empty());

    // Choosing the second overload episode shows its first frame in column 0.
    QTest::keyClick(overloads, Qt::Key_Down);
    QCOMPARE(t_->ScrollBar()->value(), 16);
    QCOMPARE(t_->Cell(0, 0), Q("16"));

    // The next file's scan replaces every list.
    t_->OpenShown(DumpBuilder(), "empty.bin");
    for (const char* list : kEpisodeLists) QCOMPARE(t_->List(list)->count(), 0);
    QCOMPARE(t_->Label("Label_ON")->text(), Q("Количество включений: 0"));
  }

  void passesShowTheirStateAndRepaintAtMostOncePerBlock() {
    WatchingHost host;
    vertal::testing::CountingPort port;
    vertal::app::MainWindow form(host, port);
    auto* progress = FindIn<QProgressBar>(&form, "ProgressBar1");
    std::vector<Moment> seen;
    host.onRepaint = [&] {
      seen.push_back({form.StatusText(1), form.StatusColor(), progress->value(), progress->maximum()});
    };
    const auto repaintedAtBlockEnds = [&seen] {
      if (seen.empty() || static_cast<int>(seen.size()) > kBlocksPerPass) return false;
      for (const Moment& m : seen)
        if (m.progress % vertal::records::kPassBlockRecords != 0) return false;
      return seen.front().progress == vertal::records::kPassBlockRecords;
    };
    const std::string path = t_->Write(SearchRecording());
    form.OpenFile(path);

    QVERIFY(repaintedAtBlockEnds());
    QCOMPARE(seen.front().status, Q(" Идет расшифровка файла"));
    QCOMPARE(seen.front().colour, QColor(0xA6CAF0));
    QCOMPARE(seen.front().maximum, 270'337);
    QCOMPARE(form.StatusText(1), Q(" Расшифровка файла закончена"));
    QCOMPARE(form.StatusColor(), form.ButtonFaceColor());
    QCOMPARE(progress->value(), 0);

    seen.clear();
    FindIn<QPushButton>(&form, "BitBtn1")->click();
    QVERIFY(repaintedAtBlockEnds());
    QCOMPARE(seen.front().status, Q(" Идет поиск перегрузок"));
    QCOMPARE(seen.front().colour, form.ButtonFaceColor());
    QCOMPARE(seen.front().maximum, 270'336);
    QCOMPARE(form.StatusText(1), Q(" Поиск закончен"));
    QCOMPARE(progress->value(), 0);
    QVERIFY(host.messages.empty());
  }

  void fileThatVanishesWhileItsBoxIsReadIsOpenedWhole() {
    WatchingHost host;
    vertal::testing::CountingPort port;
    vertal::app::MainWindow form(host, port);
    const std::string path = t_->Write(Recording());
    form.OpenFile(path);
    const QString period = FindIn<QLabel>(&form, "Label_NR")->text();
    QVERIFY(!period.isEmpty());
    std::vector<int> lists;
    for (const char* list : kEpisodeLists) lists.push_back(FindIn<QComboBox>(&form, list)->count());
    // The file goes away while the user reads the box about its damaged record: the opening
    // goes on with the bytes it has read and shows the whole recording.
    DumpBuilder damaged = Recording();
    damaged.Damage(LongTermRecord::WorkCycles0);
    damaged.Write(path);
    host.onMessage = [&] { std::filesystem::remove(path); };
    form.OpenCurrentFile();

    QCOMPARE(host.messages.size(), std::size_t{1});
    QCOMPARE(FindIn<QLabel>(&form, "Label_NR")->text(), period);
    std::vector<int> after;
    for (const char* list : kEpisodeLists) after.push_back(FindIn<QComboBox>(&form, list)->count());
    QCOMPARE(after, lists);
  }

  void searchListsRunsOfSelectedFrames() {
    t_->OpenShown(SearchRecording());
    QComboBox* found = t_->List("ComboBox_Cikl");
    QLabel* count = t_->Label("Label_O_OtbZap");
    t_->Threshold()->setText(QStringLiteral("100"));
    t_->FindButton()->click();
    QCOMPARE(Items(found), QStringList{Q("5-й кадр, дата 15.09.08")});
    QCOMPARE(count->text(), Q("1"));
    t_->FindButton()->click();  // the same list again, not a doubled one
    QCOMPARE(found->count(), 1);

    auto* limits = t_->Find<QCheckBox>("CheckBox_SLim");
    limits->setChecked(true);
    t_->FindButton()->click();
    QCOMPARE(Items(found),
             QStringList({Q("5-й кадр, дата 15.09.08"), Q("12-й кадр, дата 15.09.08")}));
    QCOMPARE(found->currentIndex(), 0);
    QCOMPARE(count->text(), Q("2"));
    // The table goes to the first frame found, as choosing it would; another choice moves it.
    QCOMPARE(t_->ScrollBar()->value(), 5);
    QTest::keyClick(found, Qt::Key_Down);
    QCOMPARE(t_->ScrollBar()->value(), 12);

    limits->setChecked(false);
    t_->Threshold()->setText(QStringLiteral("255"));
    t_->FindButton()->click();
    QCOMPARE(found->count(), 0);
    QCOMPARE(count->text(), Q("0"));
    QVERIFY(t_->host.messages.empty());
  }

  void badThresholdIsRefusedBeforeSearching() {
    t_->Threshold()->setText(QString());
    t_->FindButton()->click();  // no file yet: nothing at all
    QVERIFY(t_->host.messages.empty());

    t_->OpenShown(SearchRecording());
    t_->Threshold()->setText(QStringLiteral("100"));
    t_->FindButton()->click();
    const QString status = t_->Panel(1);
    for (const char* typed : {"", "1x", "-"}) {
      t_->host.messages.clear();
      t_->Threshold()->setText(Q(typed));
      t_->FindButton()->click();
      QCOMPARE(t_->host.messages,
               (std::vector<Message>{{MessageKind::Error, vertal::records::NotWholeNumberMessage(
                                                              "Загрузка M%", typed)}}));
      QCOMPARE(t_->List("ComboBox_Cikl")->count(), 1);
      QCOMPARE(t_->Label("Label_O_OtbZap")->text(), Q("1"));
      QCOMPARE(t_->Panel(1), status);
    }
  }

  void searchOfAnUnreadableFileEmptiesTheList() {
    const std::string path = t_->OpenShown(SearchRecording());
    t_->FindButton()->click();
    QCOMPARE(t_->Label("Label_O_OtbZap")->text(), Q("1"));
    std::filesystem::remove(path);
    // The open file's bytes are held, so a file gone from disk fails only once it is opened again.
    t_->form->OpenFile(path);
    t_->host.messages.clear();
    t_->FindButton()->click();
    QCOMPARE(t_->host.messages, (std::vector<Message>{{MessageKind::Error, kOpenFailed}}));
    QCOMPARE(t_->List("ComboBox_Cikl")->count(), 0);
    QCOMPARE(t_->Label("Label_O_OtbZap")->text(), Q("1"));
  }

  void longListsAreFilledInOneStep() {
    DumpBuilder b;
    FrameFields on = WorkFrame();
    on.faultCode = 1;
    for (int n = 0; n < 270'336; n += 2) b.Frame(n, on);
    t_->OpenShown(b);
    QComboBox* switchOns = t_->List("ComboBox_ON");
    QCOMPARE(switchOns->count(), 135'168);
    QCOMPARE(switchOns->currentText(), Q("0-й кадр, дата 15.09.08"));

    QAbstractItemModel* model = switchOns->model();
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(model, &QAbstractItemModel::rowsInserted);
    t_->form->OpenCurrentFile();
    QCOMPARE(switchOns->model(), model);
    QCOMPARE(resets.count(), 2);  // emptied as the scan begins, filled as it ends
    QCOMPARE(inserts.count(), 0);
    QCOMPARE(switchOns->count(), 135'168);
  }

 private:
  std::unique_ptr<FramePageFixture> t_;
};

QTEST_MAIN(FrameScanSearchTest)
#include "FrameScanSearchTest.moc"
