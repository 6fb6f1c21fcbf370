// The pages "Параметры" and "Координатная защита": their keys and titles, what opening a file
// draws, the window fills of the scroll bars, the check boxes, the jump from a point to the
// frame table, the command "Показать графики", the view reset, and a file that disappears while
// the window is open.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QLineEdit>
#include <QWheelEvent>
#include <cmath>

#include "MainWindowFixture.h"
#include "graphs/ui/ChartPlot.h"
#include "graphs/ui/GraphChart.h"
#include "graphs/ui/GraphNavigation.h"
#include "graphs/ui/OverviewStrip.h"
#include "graphs/ui/ParamGraphPage.h"
#include "graphs/ui/RelayGraphPage.h"

using vertal::graphs::ChartPlot;
using vertal::graphs::GraphChart;
using vertal::graphs::GraphNavigation;
using vertal::graphs::OverviewStrip;
using vertal::graphs::ParamGraphPage;
using vertal::graphs::RelayGraphPage;
using vertal::graphs::SeriesGraph;
using vertal::testing::CraneIdent;
using vertal::testing::DumpBuilder;
using vertal::testing::FindIn;
using vertal::testing::FrameFields;
using vertal::testing::LimiterIdent;
using vertal::testing::MainWindowFixture;
using vertal::testing::Q;

namespace {

const QString kOpenFailed = Q("\n Файл не удалось открыть!");
const char* const kParamSeries[] = {"Series1", "Series2", "Series3", "Series4",
                                    "Series5", "Series16", "Series18"};

QList<double> Keys(const QCPGraph* graph) {
  QList<double> keys;
  for (const QCPGraphData& point : *graph->data()) keys << point.key;
  return keys;
}

QList<double> Values(const QCPGraph* graph) {
  QList<double> values;
  for (const QCPGraphData& point : *graph->data()) values << point.value;
  return values;
}

// A named crane whose frames at `valid` are recorded with the given load moment and limits.
DumpBuilder Crane() {
  DumpBuilder b;
  b.Limiter(0, LimiterIdent{"0412", 5, 3, 12, 2, 31, "Вертал"});
  b.Crane(0, CraneIdent{1187, 2006, 4, "КС-55713", {0x14, 0x03, 0x07}, "Завод", "Наладка"});
  return b;
}

FrameFields Frame(std::uint8_t moment, std::uint8_t limits = 0) {
  FrameFields f;
  f.loadMoment = moment;
  f.load = 1250;      // 12.5 t
  f.radius = 830;     // 8.3 m
  f.length = 2150;    // 21.5 m
  f.azimuth = 1800;   // 180°
  f.limits = limits;
  return f;
}

}  // namespace

class GraphPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    f_ = std::make_unique<MainWindowFixture>();
    QVERIFY(dir_.isValid());
  }
  void cleanup() { f_.reset(); }

  void pagesShowTheirKeysAndTitlesAtStart() {
    QCOMPARE(Box("CheckBox_GrParM")->text(), Q("------ M(t) "));
    QCOMPARE(FindIn<QLabel>(f_->Sheet("TabSheet19"), "Label37")->text(), Q("------ 110%"));
    QCOMPARE(Box("CheckBox_GrParQ")->text(), Q("-------- Q(t)"));
    QCOMPARE(Box("CheckBox_GrParR")->text(), Q("-------- R(t)"));
    QCOMPARE(Box("CheckBox_GrParGA")->text(), Q("-------- Ga(t)"));
    QCOMPARE(Box("CheckBox_GrParL")->text(), Q("-------- Lt(t)"));
    QList<bool> checked;
    for (const char* box : {"CheckBox_GrParM", "CheckBox_GrParQ", "CheckBox_GrParR",
                            "CheckBox_GrParGA", "CheckBox_GrParL"})
      checked << Box(box)->isChecked();
    QCOMPARE(checked, (QList<bool>{true, true, false, false, false}));
    QCOMPARE(ParamChart()->Title(), Q("Графики временной зависимости регистрируемых параметров"));
    QCOMPARE(ParamChart()->xAxis->range(), QCPRange(0, 25));
    QCOMPARE(ParamChart()->xAxis->label(), QString());

    RelayGraphPage& r = Relay();
    QCOMPARE(FindIn<QLabel>(f_->Sheet("TabSheet20"), "Label1")->text(),
             Q("1 - ПОТОЛОК     2 - СТЕНА        3 - ПОВОРОТ ВПРАВО     4 - ПОВРОТ ВЛЕВО"));
    QCOMPARE(RelayChart()->Title(), Q("Графики временной зависимости работы реле и концевиков"));
    QCOMPARE(RelayChart()->yAxis->range(), QCPRange(0, 5));
    // A limit that was set shows green, one that triggered red.
    QCOMPARE(r.Series("Series6")->scatterStyle().pen().color(), QColor(0x008000));
    QCOMPARE(r.Series("Series10")->scatterStyle().pen().color(), QColor(0xFF0000));
  }

  void openingShowsTheLastWindowOfBothGraphs() {
    DumpBuilder b = Crane();
    b.Frame(5, Frame(40)).Frame(268287, Frame(60)).Frame(268288, Frame(70)).Frame(270275, Frame(80));
    b.Frame(270335, Frame(90));
    Open(b, "a.bin");

    // The last window reaches the last frame slot.
    ParamGraphPage& p = Param();
    QCOMPARE(ParamBar()->value(), 268288);
    QCOMPARE(ParamChart()->xAxis->range(), QCPRange(268288, 270336));
    QCOMPARE(ParamChart()->xAxis->label(), Q("Кадры"));
    QCOMPARE(Keys(p.Series("Series2")), (QList<double>{268288, 270275, 270335}));
    QCOMPARE(Values(p.Series("Series2")), (QList<double>{70, 80, 90}));
    QCOMPARE(Values(p.Series("Series3")), (QList<double>{12.5, 12.5, 12.5}));
    QCOMPARE(Values(p.Series("Series18")), (QList<double>{0, 0, 0}));
    const QString crane = Text("Label_MKran");
    QVERIFY(!crane.isEmpty());
    QCOMPARE(ParamChart()->Title(),
             Q("График параметров работы стрелового крана ") + crane + Q(" № ") +
                 Text("Label_NKran") + Q(" по данным РП VERTAL № ") + Text("Label_NVERTAL") +
                 Q(" (по кадрам)"));
    // A chart too narrow for the title breaks it between words instead of cutting both ends.
    ParamChart()->resize(450, 400);
    const QFontMetrics titleFont(ParamChart()->TitleElement()->font());
    const QStringList lines = ParamChart()->TitleElement()->text().split(QLatin1Char('\n'));
    QVERIFY(lines.size() > 1);
    for (const QString& line : lines) QVERIFY(titleFont.horizontalAdvance(line) <= 450);
    QVERIFY(ParamChart()->Title().endsWith(Q(" (по кадрам)")));
    // Only M and Q are shown at start, and no overload marks the limit: the axis ends a round
    // step above the highest load moment.
    QCOMPARE(ParamChart()->yAxis->range(), QCPRange(-2, 92));
    QCOMPARE(p.Series("Series1")->visible(), true);
    QCOMPARE(p.Series("Series4")->visible(), false);

    QCOMPARE(RelayBar()->value(), 268288);
    QCOMPARE(RelayChart()->xAxis->range(), QCPRange(268288, 270336));
    QVERIFY(RelayChart()->Title().startsWith(
        Q("График работы дискр. входов и выходных реле стрелового крана ")));
    QVERIFY(f_->host.messages.empty());
  }

  void scrollingRefillsTheWindowAndNothingWithoutAFile() {
    ParamGraphPage& p = Param();
    // No file yet: the scroll bar moves, the chart stays as it was.
    ParamBar()->setValue(100);
    QCOMPARE(ParamChart()->xAxis->range(), QCPRange(0, 25));
    QCOMPARE(ParamChart()->Title(), Q("Графики временной зависимости регистрируемых параметров"));

    DumpBuilder b = Crane();
    b.Frame(10, Frame(40)).Frame(2047, Frame(41)).Frame(2048, Frame(42)).Frame(100000, Frame(43));
    b.Frame(102048, Frame(44));
    Open(b, "a.bin");
    ParamBar()->setValue(0);
    QCOMPARE(ParamChart()->xAxis->range(), QCPRange(0, 2048));
    QCOMPARE(Keys(p.Series("Series2")), (QList<double>{10, 2047}));
    ParamBar()->setValue(100000);
    QCOMPARE(ParamChart()->xAxis->range(), QCPRange(100000, 102048));
    QCOMPARE(Keys(p.Series("Series2")), (QList<double>{100000}));
    ParamBar()->setValue(300000);  // clamped
    QCOMPARE(ParamBar()->value(), 268288);

    RelayBar()->setValue(0);
    QCOMPARE(RelayChart()->xAxis->range(), QCPRange(0, 2048));
    QVERIFY(f_->host.messages.empty());
  }

  void relayBarsFollowTheLimitBits() {
    DumpBuilder b = Crane();
    b.Frame(10, Frame(0, 0x88)).Frame(11, Frame(0, 0x0F)).Frame(12, Frame(0, 0x00));
    Open(b, "a.bin");
    RelayGraphPage& r = Relay();
    RelayBar()->setValue(0);
    QCOMPARE(Keys(r.Series("Series6")), (QList<double>{10}));    // ceiling set
    QCOMPARE(Values(r.Series("Series6")), (QList<double>{1}));
    QCOMPARE(Keys(r.Series("Series10")), (QList<double>{10, 11}));  // ceiling triggered
    QCOMPARE(Values(r.Series("Series10")), (QList<double>{1, 1}));
    QCOMPARE(Values(r.Series("Series11")), (QList<double>{2}));
    QCOMPARE(Values(r.Series("Series12")), (QList<double>{3}));
    QCOMPARE(Values(r.Series("Series13")), (QList<double>{4}));
    for (const char* green : {"Series7", "Series8", "Series9"})
      QVERIFY2(r.Series(green)->data()->isEmpty(), green);
    QCOMPARE(RelayChart()->yAxis->range(), QCPRange(0, 5));
  }

  void checkBoxesShowAndHideWithoutReadingTheFile() {
    DumpBuilder b = Crane();
    b.Frame(268300, Frame(60));
    const std::string path = Open(b, "a.bin");
    QVERIFY(QFile::remove(QString::fromStdString(path)));
    ParamGraphPage& p = Param();

    Box("CheckBox_GrParM")->click();
    QVERIFY(!p.Series("Series1")->visible());
    QVERIFY(!p.Series("Series2")->visible());
    QCOMPARE(ParamChart()->yAxis->range(), QCPRange(-2, 14));  // the load of 12.5 t is highest
    Box("CheckBox_GrParR")->click();
    Box("CheckBox_GrParGA")->click();
    Box("CheckBox_GrParL")->click();
    Box("CheckBox_GrParQ")->click();
    QVERIFY(p.Series("Series4")->visible());
    QVERIFY(p.Series("Series16")->visible());
    QVERIFY(p.Series("Series5")->visible());
    QVERIFY(!p.Series("Series3")->visible());
    QVERIFY(p.Series("Series18")->visible());
    // The azimuth of 180° stands on its own axis of a full turn: the left axis keeps to the
    // boom length of 21.5 m.
    QCOMPARE(ParamChart()->yAxis->range(), QCPRange(-2, 24));
    QCOMPARE(p.Series("Series16")->valueAxis(), ParamChart()->yAxis2);
    QVERIFY(ParamChart()->yAxis2->visible());
    QCOMPARE(ParamChart()->yAxis2->range(), QCPRange(0, 360));
    Box("CheckBox_GrParM")->click();
    QVERIFY(p.Series("Series1")->visible());
    QVERIFY(p.Series("Series2")->visible());
    // The points were not touched and nothing tried to read the vanished file.
    QCOMPARE(Keys(p.Series("Series2")), (QList<double>{268300}));
    QVERIFY(f_->host.messages.empty());
  }

  void limitLineMarksTheOverloadEpisodesOfTheScan() {
    DumpBuilder b = Crane();
    for (std::int64_t n = 0; n < 2048; ++n) b.Frame(n, Frame(n == 1000 || n == 1500 ? 115 : 50));
    Open(b, "a.bin");
    ParamGraphPage& p = Param();
    // One mark at the first frame of each episode, and none anywhere else.
    const QList<double> keys = Keys(p.Series("Series1"));
    QCOMPARE(keys, (QList<double>{1000, 1500}));
    QCOMPARE(Values(p.Series("Series1")), (QList<double>{110, 110}));
    // The window fill never changes it.
    ParamBar()->setValue(100000);
    QCOMPARE(Keys(p.Series("Series1")), keys);
  }

  void aFileWithoutOverloadsHasNoLimitMark() {
    DumpBuilder b = Crane();
    for (std::int64_t n = 0; n < 2048; ++n) b.Frame(n, Frame(50));
    Open(b, "a.bin");
    QCOMPARE(Param().Series("Series1")->data()->size(), 0);
  }

  void clickOnAPointOpensTheFrameTableThere() {
    DumpBuilder b = Crane();
    b.Frame(4999, Frame(50)).Frame(5000, Frame(100)).Frame(5001, Frame(50));
    Open(b, "a.bin");
    auto& form = *f_->form;
    f_->ShowSheet("TabSheet19");
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ParamGraphPage& p = Param();
    ParamBar()->setValue(4000);

    // A real click on the peak of the load moment at frame 5,000.
    ChartPlot* chart = ParamChart();
    chart->replot();
    QCoreApplication::processEvents();
    const QPoint peak(static_cast<int>(chart->xAxis->coordToPixel(5000)),
                      static_cast<int>(chart->yAxis->coordToPixel(100)));
    // A crosshair over the points, the ordinary cursor over the empty plot.
    QTest::mouseMove(chart, peak);
    QCOMPARE(chart->cursor().shape(), Qt::CrossCursor);
    QTest::mouseMove(chart, QPoint(static_cast<int>(chart->xAxis->coordToPixel(4500)), peak.y()));
    QCOMPARE(chart->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(chart, Qt::LeftButton, Qt::NoModifier, peak);
    QCOMPARE(f_->CurrentSheet("PageControl_Main"), f_->Sheet("TabSheet_Cikl"));
    QCOMPARE(f_->CurrentSheet("PageControl_Cikl"), f_->Sheet("TabSheet_Osn"));
    QCOMPARE(FrameScrollBar()->value(), 5000);

    // The handler itself, on another series.
    FrameScrollBar()->setValue(0);
    f_->ShowSheet("TabSheet_Grafik");
    p.OnPointClicked(p.Series("Series3"), 2);
    QCOMPARE(FrameScrollBar()->value(), 5001);
    QCOMPARE(f_->CurrentSheet("PageControl_Main"), f_->Sheet("TabSheet_Cikl"));
  }

  void showGraphsMovesBothGraphsToTheFrameTable() {
    auto* showGraphs = f_->Find<QAction>("Go_KZ");
    QCOMPARE(showGraphs->text(), Q("Показать графики"));
    // No file: nothing at all.
    f_->ShowSheet("TabSheet_Const");
    showGraphs->trigger();
    QCOMPARE(f_->CurrentSheet("PageControl_Main"), f_->Sheet("TabSheet_Const"));

    DumpBuilder b = Crane();
    b.Frame(1000, Frame(50, 0x80)).Frame(268300, Frame(50));
    const std::string path = Open(b, "a.bin");
    f_->ShowSheet("TabSheet20");
    f_->ShowSheet("TabSheet_Cikl");
    FrameScrollBar()->setValue(1000);
    showGraphs->trigger();
    QCOMPARE(f_->CurrentSheet("PageControl_Main"), f_->Sheet("TabSheet_Grafik"));
    QCOMPARE(f_->CurrentSheet("PageControl8"), f_->Sheet("TabSheet20"));  // sub-page kept
    QCOMPARE(ParamBar()->value(), 1000);
    QCOMPARE(RelayBar()->value(), 1000);
    QCOMPARE(ParamChart()->xAxis->range(), QCPRange(1000, 3048));
    QCOMPARE(Keys(Relay().Series("Series6")), (QList<double>{1000}));

    FrameScrollBar()->setValue(270331);
    showGraphs->trigger();
    QCOMPARE(ParamBar()->value(), 268288);
    QCOMPARE(RelayBar()->value(), 268288);
    QCOMPARE(Keys(Param().Series("Series2")), (QList<double>{268300}));

    // Positions already in place: only the page changes; the vanished file is never read.
    QVERIFY(QFile::remove(QString::fromStdString(path)));
    f_->ShowSheet("TabSheet_Const");
    showGraphs->trigger();
    QCOMPARE(f_->CurrentSheet("PageControl_Main"), f_->Sheet("TabSheet_Grafik"));
    QVERIFY(f_->host.messages.empty());
  }

  void aFileThatCannotBeOpenedGivesOneMessagePerFill() {
    DumpBuilder b = Crane();
    b.Frame(268300, Frame(60, 0xFF));
    const std::string path = Open(b, "a.bin");
    QVERIFY(QFile::remove(QString::fromStdString(path)));
    // The open file's bytes are held, so a file gone from disk fails only once it is opened again.
    f_->form->OpenFile(path);
    f_->host.messages.clear();
    ParamGraphPage& p = Param();
    ParamBar()->setValue(5);
    QCOMPARE(f_->host.Texts(), (std::vector<std::string>{kOpenFailed.toStdString()}));
    QVERIFY(p.Series("Series2")->data()->isEmpty());
    QCOMPARE(ParamChart()->xAxis->range(), QCPRange(5, 2053));
    RelayBar()->setValue(7);
    QCOMPARE(f_->host.messages.size(), std::size_t{2});
    QVERIFY(Relay().Series("Series6")->data()->isEmpty());
  }

  void overviewAndNavigationMoveTheWindowThroughItsScrollBar() {
    DumpBuilder b = Crane();
    b.Frame(100000, Frame(50)).Frame(5000, Frame(40));
    Open(b, "a.bin");
    auto& form = *f_->form;
    f_->ShowSheet("TabSheet19");
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* strip = FindIn<OverviewStrip>(f_->Sheet("TabSheet19"), "GraphOverview");
    QCOMPARE(strip->Window(), 268288);

    // A click in the strip centres the window on the frame under the mouse.
    const QPoint at(strip->PixelOf(100000), strip->height() / 2);
    QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, at);
    const int position = ParamBar()->value();
    QCOMPARE(position, static_cast<int>(strip->PositionAt(at.x())));
    QVERIFY(std::abs(position + 1024 - 100000) < 270336 / strip->width() + 1);
    QCOMPARE(ParamChart()->xAxis->range(), QCPRange(position, position + 2048));
    QCOMPARE(strip->Window(), position);
    QCOMPARE(Keys(Param().Series("Series2")), (QList<double>{100000}));
    QCOMPARE(RelayBar()->value(), 268288);  // the other graph stays

    // A whole window forward, a tenth of one back with the wheel.
    auto* navigation = FindIn<GraphNavigation>(f_->Sheet("TabSheet19"), "GraphNavigation");
    navigation->ForwardButton()->click();
    QCOMPARE(ParamBar()->value(), position + 2048);
    QCOMPARE(navigation->FrameField()->text(), QString::number(position + 2048));
    const QPointF inside(10, 10);
    QWheelEvent up(inside, ParamChart()->mapToGlobal(inside), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(ParamChart(), &up);
    QCOMPARE(ParamBar()->value(), position + 2048 - 204);

    // A typed frame, and typing that is not one.
    navigation->FrameField()->setText(Q("5000"));
    QTest::keyClick(navigation->FrameField(), Qt::Key_Return);
    QCOMPARE(ParamBar()->value(), 5000);
    QCOMPARE(strip->Window(), 5000);
    navigation->FrameField()->setText(Q("5 000"));
    QTest::keyClick(navigation->FrameField(), Qt::Key_Return);
    QCOMPARE(ParamBar()->value(), 5000);
    QCOMPARE(f_->host.Texts(),
             (std::vector<std::string>{
                 "\n Поле \"Кадр\" должно содержать целое число, а не \"5 000\"."}));
  }

  void legendIsShownBelowThePlotOnlyWhenAsked() {
    ChartPlot* chart = ParamChart();
    QCOMPARE(chart->plotLayout()->rowCount(), 2);  // title and plot
    chart->ShowLegend(true);
    QVERIFY(chart->legend->visible());
    QCOMPARE(chart->plotLayout()->rowCount(), 3);
    QCOMPARE(chart->plotLayout()->element(2, 0), chart->legend);
    int entries = 0;
    for (int i = 0; i < chart->legend->itemCount(); ++i) entries += chart->legend->item(i) ? 1 : 0;
    QCOMPARE(entries, 6);  // every series but the zero line
    chart->ShowLegend(false);
    QCOMPARE(chart->plotLayout()->rowCount(), 2);
  }

  void resetEmptiesBothGraphsAndKeepsTheTitles() {
    DumpBuilder b = Crane();
    b.Frame(3, Frame(60)).Frame(268300, Frame(60, 0x11));
    Open(b, "a.bin");
    const QString paramTitle = ParamChart()->Title();
    const QString relayTitle = RelayChart()->Title();
    auto* navigation = FindIn<GraphNavigation>(f_->Sheet("TabSheet19"), "GraphNavigation");
    navigation->MomentField()->setText(Q("15.09.08 10:00:00"));
    f_->form->ResetView();
    // Nothing typed or shown for the file before stays in the navigation fields.
    QCOMPARE(navigation->FrameField()->text(), QString());
    QCOMPARE(navigation->MomentField()->text(), QString());
    for (const char* name : kParamSeries)
      QVERIFY2(Param().Series(name)->data()->isEmpty(), name);
    for (SeriesGraph* bars : RelayChart()->Series()) QVERIFY(bars->data()->isEmpty());
    for (ChartPlot* chart : {ParamChart(), RelayChart()}) {
      QCOMPARE(chart->xAxis->range(), QCPRange(0, 1));
      QCOMPARE(chart->xAxis->label(), Q("Кадры"));
    }
    QCOMPARE(ParamBar()->value(), 0);
    QCOMPARE(RelayBar()->value(), 0);
    QCOMPARE(ParamChart()->Title(), paramTitle);
    QCOMPARE(RelayChart()->Title(), relayTitle);
  }

 private:
  ParamGraphPage& Param() { return *FindIn<ParamGraphPage>(f_->Sheet("TabSheet19"), nullptr); }
  RelayGraphPage& Relay() { return *FindIn<RelayGraphPage>(f_->Sheet("TabSheet20"), nullptr); }
  // The plots inside the charts, which the graph pages fill.
  ChartPlot* ParamChart() { return FindIn<GraphChart>(f_->Sheet("TabSheet19"), "Chart_Param")->Plot(); }
  ChartPlot* RelayChart() { return FindIn<GraphChart>(f_->Sheet("TabSheet20"), "Chart_Rele")->Plot(); }
  QScrollBar* ParamBar() { return FindIn<QScrollBar>(f_->Sheet("TabSheet19"), "ScrollBarGPar"); }
  QScrollBar* RelayBar() { return FindIn<QScrollBar>(f_->Sheet("TabSheet20"), "ScrollBarGKZ"); }
  // A check box of the parameter graph's key.
  QCheckBox* Box(const char* name) { return FindIn<QCheckBox>(f_->Sheet("TabSheet19"), name); }
  QScrollBar* FrameScrollBar() { return f_->Find<QScrollBar>("ScrollBar_Cikl"); }
  QString Text(const char* label) { return f_->Find(label)->property("text").toString(); }

  std::string Open(const DumpBuilder& builder, const char* name) {
    const std::string path = dir_.filePath(QString::fromLatin1(name)).toStdString();
    builder.Write(path);
    f_->host.openAnswers.push_back(path);
    f_->form->OnOpen();
    return path;
  }

  std::unique_ptr<MainWindowFixture> f_;
  QTemporaryDir dir_;
};

QTEST_MAIN(GraphPagesTest)
#include "GraphPagesTest.moc"
