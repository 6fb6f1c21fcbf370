// The print submenu: nothing without a file, the order of the reports, the frame-range dialog
// cancelled, the overload and KDS reports always describing the current file, and the graph
// prints.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "MainWindowFixture.h"
#include "app/ui/PrintCommands.h"
#include "graphs/ui/GraphChart.h"
#include "support/RecordedReports.h"

using vertal::testing::DumpBuilder;
using vertal::testing::EncodeKds;
using vertal::testing::EncodeOverload;
using vertal::testing::FindIn;
using vertal::testing::MainWindowFixture;
using vertal::testing::Q;
using vertal::testing::RecordingViewer;

namespace {

bool Holds(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

DumpBuilder WithOverloadAt(std::int64_t record) {
  DumpBuilder b;
  b.RecorderVersion(31);
  b.OverloadRecord(record, EncodeOverload(130, {0x15, 0x09, 0x08}));
  return b;
}

}  // namespace

class PrintCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    t_ = std::make_unique<MainWindowFixture>();
    viewer_ = std::make_unique<RecordingViewer>();
    printing().viewer = viewer_.get();
    printing().askFrameRange = [this] { return range_; };
    printing().printChart = [this](vertal::graphs::GraphChart& chart) { printed_.push_back(chart.objectName()); };
    range_ = vertal::reports::FrameRange{0, 200};
    printed_.clear();
  }
  void cleanup() {
    t_.reset();
    viewer_.reset();
  }

  void nothingIsPrintedWithoutAFile() {
    for (const char* item : {"M_IK", "M_Grf", "M_Oper", "M_Per", "M_KZ", "N_KDSPAR"})
      Trigger(item);
    QCOMPARE(viewer_->Shown().size(), std::size_t{0});
    QVERIFY(printed_.isEmpty());
  }

  void aCancelledRangeLeavesOnlyTheCardOfALaterCommand() {
    t_->Open(DumpBuilder());
    range_.reset();
    Trigger("M_Oper");
    QCOMPARE(viewer_->Shown().size(), std::size_t{0});
    Trigger("M_IK");
    QCOMPARE(viewer_->Shown().size(), std::size_t{1});
    QCOMPARE(viewer_->Shown()[0].Texts().front(), std::string("Информационная карта"));
  }

  void theOperativeReportTakesTheAcceptedRange() {
    t_->Open(DumpBuilder());
    range_ = vertal::reports::FrameRange{10, 20};
    Trigger("M_Oper");
    QCOMPARE(viewer_->Shown().size(), std::size_t{1});
    QVERIFY(viewer_->Shown()[0].title.find("Оперативная") != std::string::npos);
  }

  void theOverloadReportSearchesTheCurrentFile() {
    t_->Open(WithOverloadAt(3), "a.bin");
    FindIn<QPushButton>(t_->form.get(), "BitBtn_Find_Per")->click();
    t_->Open(WithOverloadAt(7), "b.bin");
    Trigger("M_Per");
    QCOMPARE(viewer_->Shown().size(), std::size_t{1});
    const auto texts = viewer_->Shown()[0].Texts();
    QVERIFY(Holds(texts, "7"));
    QVERIFY(!Holds(texts, "3"));
    // The search ran as if "Найти" was pressed: the page shows what the report lists.
    QCOMPARE(FindIn<QLabel>(t_->form.get(), "Label_Per_OtbZap")->text(), Q("1"));

    // A search over the current file is printed as it stands, with the fields as they are now.
    FindIn<QLineEdit>(t_->form.get(), "Edit_Per_M")->setText(Q("150"));
    FindIn<QPushButton>(t_->form.get(), "BitBtn_Find_Per")->click();
    FindIn<QLineEdit>(t_->form.get(), "Edit_Per_M")->setText(Q("111"));
    Trigger("M_Per");
    QVERIFY(Holds(viewer_->Shown()[1].Texts(),
                  "Перегрузок более 111% с 10.09.08 по 20.09.08 не было!"));
  }

  void theCardEndsWithTheSearchSummary() {
    t_->Open(WithOverloadAt(3));
    Trigger("M_IK");
    FindIn<QPushButton>(t_->form.get(), "BitBtn_Find_Per")->click();
    Trigger("M_IK");
    const std::string summary = "Количество перегрузок больше 110% с 10.09.08 по 20.09.08 составляет 1";
    QVERIFY(!Holds(viewer_->Shown()[0].Texts(), summary));
    QVERIFY(Holds(viewer_->Shown()[1].Texts(), summary));
  }

  void kdsIsPrintedForVersion31Only() {
    DumpBuilder b;
    b.RecorderVersion(30);
    b.KdsRecord(0, EncodeKds(35, 3));
    t_->Open(b);
    Trigger("N_KDSPAR");
    QCOMPARE(viewer_->Shown().size(), std::size_t{0});
    QVERIFY(t_->host.messages.empty());

    b.RecorderVersion(31);
    t_->Open(b);
    Trigger("N_KDSPAR");
    QCOMPARE(viewer_->Shown().size(), std::size_t{1});
  }

  void graphsArePrintedFromTheirCharts() {
    t_->Open(DumpBuilder());
    Trigger("M_Grf");
    Trigger("M_KZ");
    QCOMPARE(printed_, (QStringList{Q("Chart_Param"), Q("Chart_Rele")}));
  }

 private:
  vertal::app::PrintCommands& printing() { return t_->form->Printing(); }
  void Trigger(const char* item) { FindIn<QAction>(t_->form.get(), item)->trigger(); }

  std::unique_ptr<MainWindowFixture> t_;
  std::unique_ptr<RecordingViewer> viewer_;
  std::optional<vertal::reports::FrameRange> range_;
  QStringList printed_;
};

QTEST_MAIN(PrintCommandsTest)
#include "PrintCommandsTest.moc"
