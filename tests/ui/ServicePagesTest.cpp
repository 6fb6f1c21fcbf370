// The service page and the load spectrum page inside the main window: every value opening
// computes reaches the widget of its name, the captions follow the recorder version, the
// diagram title switches the bars, and the reset empties both pages.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QTest>

#include <algorithm>
#include <optional>
#include <vector>

#include "MainWindowFixture.h"
#include "dump/core/DumpHead.h"
#include "dump/core/LoadDistribution.h"
#include "dump/core/ServicePages.h"

using vertal::dump::kLoadCycleDiagramTitle;
using vertal::dump::kLoadGauges;
using vertal::dump::kWorkCycleDiagramTitle;
using vertal::testing::CraneIdent;
using vertal::testing::DumpBuilder;
using vertal::testing::LimiterIdent;
using vertal::testing::MainWindowFixture;
using vertal::testing::Q;

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A crane with every page field set; work cycles 10, 20, 30 in the first ranges.
DumpBuilder Crane(std::int8_t version) {
  DumpBuilder b;
  b.Limiter(0, LimiterIdent{"0412", 5, 3, 12, 2, version, "Вертал"});
  b.Crane(0, CraneIdent{1187, 2006, 4, "КС-55713", {0x14, 0x03, 0x07}, "Завод", "Наладка"});
  vertal::dump::OperatorTrailer t;
  t.date = {0x18, 0x09, 0x08};
  t.name = "Петров";
  t.organisation = "Крансервис";
  t.certificate = "12-07";
  t.owner = "Стройтранс";
  b.Trailer(t);
  b.CharNumber(0, 1520.755f).MechanismSeconds(0, 0, 3725).PoweredMinutes(0, 61);
  b.LoadedSeconds(7322).LiftedWeight(0, 123456);
  b.WorkCycles(0, 1, 10).WorkCycles(0, 2, 20).WorkCycles(0, 3, 30);
  for (int k = 1; k <= 15; ++k) b.LoadCycles(0, k, static_cast<std::uint32_t>(k * 7));
  return b;
}

// Whether `widget` shows `value`: a label or field its text, a group box its title, a gauge
// its position. An optional value that is not set keeps what the widget shows.
void ExpectShown(const QWidget* widget, const std::string& value) {
  const char* property = widget->property("text").isValid() ? "text" : "title";
  QCOMPARE(widget->property(property).toString(), QString::fromStdString(value));
}

void ExpectShown(const QWidget* widget, int value) {
  QCOMPARE(widget->property("value").toInt(), value);
}

template <typename T>
void ExpectShown(const QWidget* widget, const std::optional<T>& value) {
  if (value) ExpectShown(widget, *value);
}

}  // namespace

class ServicePagesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { f_ = std::make_unique<MainWindowFixture>(); }
  void cleanup() { f_.reset(); }

  void everyValueOpeningComputesIsShown() {
    const vertal::dump::ServicePages expected = Open(Crane(31), "a.bin");
    ExpectPages(expected);
    // Spot checks that the comparison saw real values.
    QCOMPARE(Widget("Label_ModVERTAL")->property("text").toString(), Q("VERTAL-5"));
    QCOMPARE(Widget("Label_N_N_L")->property("text").toString(), Q("2:02:02"));
    QCOMPARE(Gauge(2)->value(), 100);
    QCOMPARE(Gauge(0)->value(), 33);
  }

  void valuesStandRightOfTheirCaptionsAndCarryTheirNames() {
    auto& form = *f_->form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Open(Crane(31), "a.bin");
    int pairs = 0;
    for (QLabel* caption : f_->Find("Panel_Slugebnaya")->findChildren<QLabel*>()) {
      QWidget* value = caption->buddy();
      if (!value) continue;
      ++pairs;
      const QRect c(caption->mapTo(&form, QPoint()), caption->size());
      const QRect v(value->mapTo(&form, QPoint()), value->size());
      QVERIFY2(c.right() < v.left() && c.top() == v.top(), qPrintable(value->objectName()));
      // Readable at the window's size: the caption is not cut.
      QVERIFY2(caption->width() >= caption->sizeHint().width(), qPrintable(caption->text()));
      QCOMPARE(value->accessibleName(), caption->text());
      QVERIFY(value->font().bold());
      QCOMPARE(value->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(0x000080));
    }
    QVERIFY(pairs > 0);
    QStringList titles;
    for (auto* box : f_->Find("Panel_Slugebnaya")->findChildren<QGroupBox*>()) titles << box->title();
    QCOMPARE(titles, (QStringList{Q("Идентификация ограничителя"), Q("Индентификация крана"),
                                  Q("Сервисная организация"), Q("Информация об операторе"),
                                  Q("Время работы механизмов"),
                                  Q("Информация о режимах работы и ресурсе крана")}));
  }

  void aSmallWindowStopsBeforeServiceRowsOverlap() {
    auto& form = *f_->form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Open(Crane(31), "a.bin");
    form.resize(300, 200);
    QCoreApplication::processEvents();
    QVERIFY(form.width() >= form.minimumSizeHint().width());
    QVERIFY(form.height() >= form.minimumSizeHint().height());
    // Each value keeps a line's height below the one before it in its box, and none is cut
    // off by the page.
    QWidget* sheet = f_->Sheet("TabSheet_Ident");
    for (auto* box : f_->Find("Panel_Slugebnaya")->findChildren<QGroupBox*>()) {
      std::vector<QRect> rows;
      for (QLabel* caption : box->findChildren<QLabel*>()) {
        QWidget* value = caption->buddy();
        if (!value || !value->isVisibleTo(box)) continue;
        QVERIFY2(value->height() >= value->minimumSizeHint().height(),
                 qPrintable(value->objectName()));
        rows.emplace_back(value->mapTo(sheet, QPoint()), value->size());
      }
      QVERIFY(!rows.empty());
      std::sort(rows.begin(), rows.end(), [](QRect a, QRect b) { return a.top() < b.top(); });
      for (std::size_t i = 1; i < rows.size(); ++i)
        QVERIFY2(rows[i - 1].bottom() < rows[i].top(), qPrintable(box->title()));
      for (const QRect& row : rows) QVERIFY2(sheet->rect().contains(row), qPrintable(box->title()));
    }
  }

  void freshWindowShowsTheVersion31Captions() {
    const vertal::dump::ServicePages v31 = Model(f_->Write(Crane(31), "v31.bin"));
    QCOMPARE(Widget("Label44")->property("text").toString(), Q(*v31.service.changeNumberCaption));
    QCOMPARE(Widget("Label81")->property("text").toString(), Q(*v31.load.range120Caption));
    QCOMPARE(Widget("Label83")->property("text").toString(), Q(*v31.load.range125Caption));
    for (std::string_view name : vertal::dump::kVersion31Rows)
      QVERIFY2(!Widget(name)->isHidden(), name.data());
    QCOMPARE(Title(), Text(kWorkCycleDiagramTitle));
  }

  void version30ThenVersion31SwitchesCaptionsAndRowsBack() {
    Open(Crane(30), "v30.bin");
    QCOMPARE(Widget("Label81")->property("text").toString(), Q("120% < M < 130%"));
    QCOMPARE(Widget("Label83")->property("text").toString(), Q("130% < M < 140%"));
    QCOMPARE(Widget("Label44")->property("text").toString(), Q("Версия программы:"));
    QCOMPARE(Widget("Label_NumIzmen")->accessibleName(), Q("Версия программы:"));
    QCOMPARE(Widget("Edit_ON_130")->accessibleName().left(15), Q("120% < M < 130%"));
    for (std::string_view name : vertal::dump::kVersion31Rows)
      QVERIFY2(Widget(name)->isHidden(), name.data());

    Open(Crane(31), "v31.bin");
    QCOMPARE(Widget("Label81")->property("text").toString(), Q("120% < M < 125%"));
    QCOMPARE(Widget("Label83")->property("text").toString(), Q("125% < M < 140%"));
    QCOMPARE(Widget("Label44")->property("text").toString(), Q("Номер изменения:"));
    QCOMPARE(Widget("Label_NumIzmen")->accessibleName(), Q("Номер изменения:"));
    for (std::string_view name : vertal::dump::kVersion31Rows)
      QVERIFY2(!Widget(name)->isHidden(), name.data());
  }

  void titleClickSwitchesTheBarsAndBack() {
    Open(Crane(31), "a.bin");
    const std::vector<int> workBars = Bars();
    vertal::dump::Counters load{};
    for (std::size_t k = 0; k < load.size(); ++k) load[k] = static_cast<std::int64_t>(k + 1) * 7;
    const vertal::dump::Bars loadBars = vertal::dump::DiagramBars(load);

    QTest::mouseClick(DiagramCaption(), Qt::LeftButton);
    QCOMPARE(Title(), Text(kLoadCycleDiagramTitle));
    QCOMPARE(Bars(), std::vector<int>(loadBars.begin(), loadBars.end()));
    QCOMPARE(Gauge(14)->accessibleName(), Q("140% < M, ") + Text(kLoadCycleDiagramTitle));

    // From the keyboard: the title takes the focus with Tab and reacts to Space.
    QVERIFY(DiagramCaption()->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(DiagramCaption(), Qt::Key_Space);
    QCOMPARE(Title(), Text(kWorkCycleDiagramTitle));
    QCOMPARE(Bars(), workBars);
    QCOMPARE(Widget("Edit_K_C_N")->property("text").toString(), Q("840"));
    QCOMPARE(Widget("Edit_K_R_C")->property("text").toString(), Q("60"));
  }

  void openingAFileReturnsToTheWorkCycleDiagram() {
    Open(Crane(31), "a.bin");
    const std::vector<int> workBars = Bars();
    QTest::mouseClick(DiagramCaption(), Qt::LeftButton);
    QCOMPARE(Title(), Text(kLoadCycleDiagramTitle));
    Open(Crane(31), "b.bin");
    QCOMPARE(Title(), Text(kWorkCycleDiagramTitle));
    QCOMPARE(Bars(), workBars);
  }

  void resetViewEmptiesBothPagesAndAClickThenShowsEmptyBars() {
    auto& form = *f_->form;
    Open(Crane(31), "a.bin");
    form.ResetView();
    ExpectPages(vertal::dump::EmptyServicePages());
    // Nothing the page shows as a value is left over.
    for (QLabel* caption : f_->Find("Panel_Slugebnaya")->findChildren<QLabel*>())
      if (caption->buddy()) QCOMPARE(caption->buddy()->property("text").toString(), QString());
    QCOMPARE(Widget("Edit_K_C_N")->property("text").toString(), QString());

    // Empty fields count as zero: no message, the title switches, every bar stays empty.
    QTest::mouseClick(DiagramCaption(), Qt::LeftButton);
    QVERIFY(f_->host.messages.empty());
    QCOMPARE(Title(), Text(kLoadCycleDiagramTitle));
    QCOMPARE(Bars(), std::vector<int>(kLoadGauges.size(), 0));
  }

  void gaugesAndFieldsLookAsDesigned() {
    const std::pair<std::size_t, QColor> rows[] = {{0, QColor(0x008000)},
                                                   {8, QColor(0x008000)},
                                                   {9, QColor(0xFFFF00)},
                                                   {10, QColor(0xFF0000)},
                                                   {14, QColor(0xFF0000)}};
    for (const auto& [row, colour] : rows) {
      QProgressBar* gauge = Gauge(row);
      QCOMPARE(gauge->maximum(), 100);
      QVERIFY(!gauge->isTextVisible());
      gauge->setValue(100);
      const QImage image = gauge->grab().toImage();
      QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), colour);
    }
    auto* field = qobject_cast<QLineEdit*>(Widget("Edit_N_b140"));
    QVERIFY(field && field->isReadOnly() && !field->hasFrame() && field->font().bold());
  }

  void totalsStayVisibleBelowTheCentredPanel() {
    auto& form = *f_->form;
    form.show();
    f_->ShowSheet("TabSheet3");
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget* sheet = f_->Sheet("TabSheet3");
    QWidget* panel = f_->Find("Panel_N");
    QWidget* totals = f_->Find("LoadTotals");
    for (const QSize size : {QSize(844, 643), QSize(1000, 760)}) {
      form.resize(size);
      QCoreApplication::processEvents();
      const QSize page = sheet->size();
      QCOMPARE(panel->pos(), QPoint((page.width() - panel->width()) / 2,
                                    (page.height() - panel->height()) / 2));
      QVERIFY(totals->y() > panel->geometry().bottom());
      QCOMPARE(totals->x(), panel->x());
      QVERIFY(sheet->rect().contains(totals->geometry()));
      QVERIFY(totals->isVisible());
    }
  }

 private:
  // What opening the file computes for both pages.
  static vertal::dump::ServicePages Model(const std::string& path) {
    const auto head = vertal::dump::ReadDumpHead(path);
    return vertal::dump::PresentServicePages(*head,
                                             QLocale::system().decimalPoint().toStdString());
  }

  // Opens `dump` in the window and returns what the core computes for the same file.
  vertal::dump::ServicePages Open(const DumpBuilder& dump, const std::string& name) {
    const std::string path = f_->Open(dump, name);
    return Model(path);
  }

  // Every control of both models shows its value; the rows of version 31 show as the model says.
  void ExpectPages(const vertal::dump::ServicePages& pages) {
    const auto expect = [this](std::string_view name, const auto& value) {
      QWidget* widget = Widget(name);
      QVERIFY2(widget, name.data());
      ExpectShown(widget, value);
    };
    VisitControls(pages.service, expect);
    VisitControls(pages.load, expect);
    if (const std::optional<bool> shown = pages.service.version31RowsShown)
      for (std::string_view name : vertal::dump::kVersion31Rows)
        QCOMPARE(Widget(name)->isHidden(), !*shown);
  }

  QWidget* Widget(std::string_view name) const {
    return f_->form->findChild<QWidget*>(
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }
  QProgressBar* Gauge(std::size_t row) const {
    return qobject_cast<QProgressBar*>(Widget(kLoadGauges[row]));
  }
  QLabel* DiagramCaption() const { return f_->Find<QLabel>("Label67"); }
  QString Title() const { return DiagramCaption()->text(); }
  std::vector<int> Bars() const {
    std::vector<int> bars;
    for (std::size_t k = 0; k < kLoadGauges.size(); ++k) bars.push_back(Gauge(k)->value());
    return bars;
  }

  std::unique_ptr<MainWindowFixture> f_;
};

QTEST_MAIN(ServicePagesTest)
#include "ServicePagesTest.moc"
