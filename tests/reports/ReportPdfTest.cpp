// A report as the user gets it on paper: written as PDF and read back with poppler's tools,
// and saved as PDF from the print preview.

#include <QAction>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <string>

#include "reports/pdf/ReportPdf.h"
#include "reports/ui/PageView.h"
#include "reports/ui/ReportPreview.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

using namespace vertal::reports;
using vertal::testing::FakeHost;
using vertal::testing::TempDir;

namespace {

// 61 lines of 13 px fill the first page under the intro; the rest go on the second.
constexpr int kRows = 70;
const char* const kLongText = "Этот текст шире своей колонки и обрезается на её краю";

TextItem Text(double x, double y, double width, double height, std::string text,
              Align align = Align::Left) {
  TextItem item;
  item.x = x;
  item.y = y;
  item.width = width;
  item.height = height;
  item.text = std::move(text);
  item.align = align;
  return item;
}

// A title on every page, a band with a long text cut at its box, then numbered lines that
// run onto the second page.
Report TwoPages() {
  Report report;
  report.title = "Проверочный отчёт";
  report.header.height = 12;
  report.header.texts = {Text(0, 0, 190, 12, "Заголовок отчёта", Align::Center)};
  report.header.texts[0].font = {19, true, true};
  report.footer.height = 10;
  report.footer.texts = {Text(100, 0, 90, 10, "Страница ", Align::Right)};
  report.footer.texts[0].pageNumber = true;
  report.footer.rules = {{0, 0, 190, 0, 2}};
  Band intro;
  intro.height = 10;
  intro.texts = {Text(0, 0, 60, 10, kLongText)};
  report.body.emplace_back(std::move(intro));
  ColumnsBand lines;
  lines.columns = {{0, 30, Align::Right}, {40, 60, Align::Left}};
  lines.rows = [n = 0](std::vector<std::string>& cells) mutable {
    if (n == kRows) return false;
    ++n;
    cells[0] = std::to_string(n);
    cells[1] = n % 2 ? "строка " + std::to_string(n) : "line " + std::to_string(n);
    return true;
  };
  report.body.emplace_back(std::move(lines));
  return report;
}

QString Run(const QString& program, const QStringList& arguments) {
  QProcess tool;
  tool.start(program, arguments);
  tool.waitForFinished();
  return QString::fromUtf8(tool.readAllStandardOutput());
}

QString PdfText(const std::string& path) {
  return Run(QStringLiteral("pdftotext"),
             {QStringLiteral("-layout"), QString::fromStdString(path), QStringLiteral("-")});
}

QString PdfInfo(const std::string& path, const QString& field) {
  for (const QString& line :
       Run(QStringLiteral("pdfinfo"), {QString::fromStdString(path)}).split('\n'))
    if (line.startsWith(field + ':')) return line.mid(field.size() + 1).trimmed();
  return {};
}

// Whether `texts` appear in `page` in this order.
bool InOrder(const QString& page, const QStringList& texts) {
  qsizetype from = 0;
  for (const QString& text : texts) {
    from = page.indexOf(text, from);
    if (from < 0) return false;
    from += text.size();
  }
  return true;
}

void CheckTwoPagePdf(const std::string& path) {
  QCOMPARE(PdfInfo(path, QStringLiteral("Pages")), QStringLiteral("2"));
  QCOMPARE(PdfInfo(path, QStringLiteral("Title")), QStringLiteral("Проверочный отчёт"));
  QCOMPARE(PdfInfo(path, QStringLiteral("Page size")).section(' ', 0, 2),
           QStringLiteral("595 x 842"));
  const QStringList pages = PdfText(path).split('\f');
  QVERIFY(pages.size() >= 2);
  QVERIFY(InOrder(pages[0], {"Заголовок отчёта", "Этот текст шире", "1", "строка 1", "2", "line 2",
                             "строка 61", "Страница 1"}));
  QVERIFY(!pages[0].contains(QString::fromUtf8(kLongText)));  // cut at its box
  QVERIFY(!pages[0].contains("line 62"));
  QVERIFY(InOrder(pages[1], {"Заголовок отчёта", "62", "line 62", "70", "line 70", "Страница 2"}));
  // Each face embedded, cut down to the glyphs drawn, with its map back to the characters.
  const QStringList fonts = Run(QStringLiteral("pdffonts"), {QString::fromStdString(path)})
                                .split('\n', Qt::SkipEmptyParts)
                                .mid(2);
  QCOMPARE(fonts.size(), 2);  // the regular face and the title's bold italic
  for (const QString& font : fonts)
    QVERIFY2(font.contains(QRegularExpression(QStringLiteral(" yes +yes +yes "))), qPrintable(font));
}

}  // namespace

class ReportPdfTest : public QObject {
  Q_OBJECT

 private slots:
  void writtenPdfReadsBackPageByPage() {
    TempDir dir;
    Report report = TwoPages();
    const PdfWritten written = WriteReportPdf(report, dir.File("report.pdf"));
    QVERIFY(written.error.empty());
    QCOMPARE(written.pages, 2);
    CheckTwoPagePdf(dir.File("report.pdf"));
  }

  // A control character read from a dump is neither drawn nor read back.
  void controlCharactersAreNotDrawn() {
    TempDir dir;
    Report report;
    Band band;
    band.height = 10;
    band.texts = {Text(0, 0, 100, 10, "Кран\x01 12\x7F" "3")};
    report.body.emplace_back(std::move(band));
    QVERIFY(WriteReportPdf(report, dir.File("control.pdf")).error.empty());
    QCOMPARE(PdfText(dir.File("control.pdf")).trimmed(), QStringLiteral("Кран 123"));
  }

  void previewSavesAsPdfAndReportsAFailure() {
    TempDir dir;
    FakeHost host;
    host.saveAnswers = {dir.File("saved.pdf"), dir.File("missing/saved.pdf"), std::nullopt};
    PreviewViewer viewer(nullptr, host);
    int previewPages = 0;
    viewer.onShow = [&](ReportPreview& preview) {
      QTimer::singleShot(0, preview.Dialog(), [&] {
        previewPages = preview.PageCount();
        QAction* save = preview.SavePdfAction();
        QCOMPARE(save->text(), QStringLiteral("Сохранить в PDF…"));
        for (int i = 0; i < 3; ++i) save->trigger();
        preview.Dialog()->reject();
      });
    };
    viewer.Show(TwoPages);
    QCOMPARE(previewPages, 2);
    QCOMPARE(host.saveDialogs.size(), 3u);
    QCOMPARE(QString::fromStdString(host.saveDialogs[0].filters.at(0).description),
             QStringLiteral("PDF (*.pdf)"));
    QCOMPARE(QString::fromStdString(host.saveDialogs[0].defaultExtension), QStringLiteral("pdf"));
    CheckTwoPagePdf(dir.File("saved.pdf"));
    QCOMPARE(host.Texts(),
             std::vector<std::string>{"Не удалось записать файл " + dir.File("missing/saved.pdf")});
    QCOMPARE(host.messages.at(0).kind, vertal::MessageKind::Error);
  }

  // The preview draws the page the user goes to, and prints the page range they chose.
  void previewPagesAndPrintsTheChosenRange() {
    TempDir dir;
    FakeHost host;
    ReportPreview preview(TwoPages, host, nullptr, [&](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(dir.File("printed.pdf")));
      printer.setFromTo(2, 2);
      return true;
    });
    preview.Dialog()->show();
    QVERIFY(QTest::qWaitForWindowExposed(preview.Dialog()));
    auto* number = preview.Dialog()->findChild<QLineEdit*>(QStringLiteral("PageNumber"));
    number->setText(QStringLiteral("2"));
    emit number->editingFinished();
    QCOMPARE(preview.View()->CurrentPage(), 1);
    const QImage shown = preview.View()->viewport()->grab().toImage();
    QVERIFY(preview.View()->RenderedPages() >= 1);
    QVERIFY(shown.pixelColor(shown.width() / 2, shown.height() / 2) != QColor(Qt::gray));
    preview.PrintAction()->trigger();
    QCOMPARE(PdfInfo(dir.File("printed.pdf"), QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY(InOrder(PdfText(dir.File("printed.pdf")), {"Заголовок отчёта", "line 62", "Страница 2"}));
  }
};

QTEST_MAIN(ReportPdfTest)
#include "ReportPdfTest.moc"
