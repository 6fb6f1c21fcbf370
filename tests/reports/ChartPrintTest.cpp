// Printing a chart: one landscape page with the legend, whatever the printer was set to; the
// printer's orientation and the hidden legend come back; a cancelled dialog or an unwritable
// file prints nothing.

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "graphs/core/GraphWindow.h"
#include "graphs/ui/GraphChart.h"
#include "reports/ui/ChartPrint.h"

using vertal::graphs::GraphChart;
using vertal::graphs::SeriesPoints;
using vertal::graphs::SeriesStyle;

namespace {

const SeriesStyle kLoad{"Series2", "Процент загрузки M (%)", 0x008000, 0x008000};
const SeriesStyle kRadius{"Series4", "Вылет R (м.)", 0x800000, 0x800040};
constexpr int kPoints = 2048;

// What poppler's tool prints about a PDF file.
QString Run(const char* tool, const QStringList& arguments) {
  QProcess process;
  process.start(QString::fromLatin1(tool), arguments);
  if (!process.waitForFinished() || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString Info(const QString& pdf) {
  return Run("pdfinfo", {pdf});
}
QString Text(const QString& pdf) {
  return Run("pdftotext", {pdf, QStringLiteral("-")});
}

// The page's width and height in points.
QSizeF PageSize(const QString& pdf) {
  const QString info = Info(pdf);
  const auto match =
      QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
  return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                          : QSizeF();
}

class Chart : public GraphChart {
 public:
  Chart() : GraphChart("Chart_Param", QStringLiteral("Параметры крана")) {
    SeriesPoints load, radius;
    for (int i = 0; i < kPoints; ++i) {
      load.Add(i, 60 + 40 * std::sin(i / 100.0));
      radius.Add(i, 20 + 5 * std::cos(i / 70.0));
    }
    SetPoints(AddSeries(kLoad), load);
    SetPoints(AddSeries(kRadius), radius);
    SetFrameRange(0, kPoints);
    resize(900, 500);
    show();  // lays the chart out as on screen
    Replot();
  }
};

// A printer that writes an A4 portrait PDF file.
void PortraitPdf(QPrinter& printer, const QString& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
}

}  // namespace

class ChartPrintTest : public QObject {
  Q_OBJECT

 private slots:
  void printsOneLandscapePageWithTheLegend() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    Chart chart;
    const QRect area = chart.PlotArea();
    QPrinter printer(QPrinter::HighResolution);
    PortraitPdf(printer, pdf);
    QWidget* asked = nullptr;
    const bool printed = vertal::reports::PrintChartWithDialog(
        chart, &chart, printer, [&asked](QPrinter&, QWidget* parent) {
          asked = parent;
          return true;
        });
    QVERIFY(printed);
    QCOMPARE(asked, static_cast<QWidget*>(&chart));

    const QSizeF page = PageSize(pdf);
    QVERIFY2(page.width() > page.height(), qPrintable(Info(pdf)));
    const QString text = Text(pdf);
    QVERIFY2(text.contains(QStringLiteral("Вылет R (м.)")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Параметры крана")));
    QVERIFY(Info(pdf).contains(QStringLiteral("Chart_Param")));

    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(!chart.LegendShown());
    QCOMPARE(chart.PlotArea(), area);  // the legend's row is gone from the layout again
  }

  void cancelledPrintsNothing() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    Chart chart;
    QPrinter printer;
    PortraitPdf(printer, pdf);
    QVERIFY(!vertal::reports::PrintChartWithDialog(chart, nullptr, printer,
                                                   [](QPrinter&, QWidget*) { return false; }));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(!chart.LegendShown());
  }

  void writesAPdfOrSaysWhyNot() {
    QTemporaryDir dir;
    Chart chart;
    const std::string good = dir.filePath(QStringLiteral("chart.pdf")).toStdString();
    const auto written = vertal::reports::WriteChartPdf(chart, good);
    QVERIFY(std::holds_alternative<int>(written));
    QCOMPARE(std::get<int>(written), 1);
    QVERIFY(Info(QString::fromStdString(good))
                .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));

    const std::string bad = dir.filePath(QStringLiteral("missing/chart.pdf")).toStdString();
    const auto refused = vertal::reports::WriteChartPdf(chart, bad);
    QVERIFY(std::holds_alternative<std::string>(refused));
    QVERIFY(std::get<std::string>(refused).find(bad) != std::string::npos);
    QVERIFY(!chart.LegendShown());
  }
};

QTEST_MAIN(ChartPrintTest)
#include "ChartPrintTest.moc"
