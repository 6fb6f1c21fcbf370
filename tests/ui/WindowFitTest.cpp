// The window at every size: each page shows its values whole, nothing overlaps, each row of a
// record grid stands level with its caption; and a file opened after another shows nothing
// of the one before.

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <map>
#include <random>

#include "MainWindowFixture.h"
#include "common/ui/RecordGrid.h"
#include "tools/demo/DemoRecording.h"

using vertal::testing::DumpBuilder;
using vertal::testing::MainWindowFixture;

namespace {

// Every page of the window that shows values.
constexpr const char* kSheets[] = {"TabSheet_Ident", "TabSheet3",       "TabSheet_Osn",
                                   "TabSheet_Per",   "TabSheet_KDS",    "TabSheet_Days",
                                   "TabSheet_Audit", "TabSheet_Compare", "TabSheet_History",
                                   "TabSheet19",     "TabSheet20"};

DumpBuilder Demo() {
  DumpBuilder b;
  vertal::demo::BuildDemo(b, {});
  return b;
}

QString Where(const QWidget* widget) {
  QStringList names;
  for (const QWidget* w = widget; w; w = w->parentWidget())
    if (!w->objectName().isEmpty()) names.prepend(w->objectName());
  return names.join(QLatin1Char('/'));
}

// The width of the longest word of a label that breaks its text between words.
int LongestWord(const QLabel* label) {
  int widest = 0;
  for (const QString& word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
    widest = std::max(widest, label->fontMetrics().horizontalAdvance(word));
  return widest;
}

// What is wrong with the page as shown: clipped labels, overlapping siblings of one layout,
// grid rows beside another caption. Empty when it is right.
QStringList Faults(const QWidget* window, const QWidget* sheet) {
  QStringList faults;
  for (const QLabel* label : sheet->findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty()) continue;
    const QSize needed = label->sizeHint();
    const bool fits = label->wordWrap()
                          ? label->heightForWidth(label->width()) <= label->height() &&
                                LongestWord(label) <= label->width()
                          : needed.width() <= label->width() && needed.height() <= label->height();
    if (!fits)
      faults << QStringLiteral("clipped %1 \"%2\": %3x%4 in %5x%6")
                    .arg(Where(label), label->text())
                    .arg(needed.width())
                    .arg(needed.height())
                    .arg(label->width())
                    .arg(label->height());
  }
  for (const QWidget* parent : sheet->findChildren<QWidget*>()) {
    const QLayout* layout = parent->layout();
    if (!parent->isVisible() || !layout) continue;
    QList<const QWidget*> placed;
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (child->isVisible() && layout->indexOf(child) >= 0) placed << child;
    for (qsizetype i = 0; i < placed.size(); ++i)
      for (qsizetype j = i + 1; j < placed.size(); ++j)
        if (placed[i]->geometry().intersects(placed[j]->geometry()))
          faults << QStringLiteral("overlap %1 / %2").arg(Where(placed[i]), Where(placed[j]));
  }
  for (const auto* grid : sheet->findChildren<vertal::ui::RecordGrid*>()) {
    if (!grid->isVisible()) continue;
    const QWidget* table = grid->parentWidget()->parentWidget();
    for (int row = 0; row < grid->rowCount(); ++row) {
      const QString caption = grid->verticalHeaderItem(row)->text();
      const QLabel* label = nullptr;
      for (const QLabel* l : table->findChildren<QLabel*>())
        if (l->text() == caption) label = l;
      if (!label) {
        faults << QStringLiteral("no caption \"%1\"").arg(caption);
        continue;
      }
      const int centre = grid->viewport()
                             ->mapTo(window, QPoint(0, grid->rowViewportPosition(row) +
                                                          grid->rowHeight(row) / 2))
                             .y();
      const QRect rect(label->mapTo(window, QPoint(0, 0)), label->size());
      if (centre < rect.top() || centre > rect.bottom())
        faults << QStringLiteral("row \"%1\" at %2, its caption %3..%4")
                      .arg(caption)
                      .arg(centre)
                      .arg(rect.top())
                      .arg(rect.bottom());
    }
  }
  return faults;
}

// The texts the pages show, by control.
std::map<QString, QString> Shown(const QWidget* pages) {
  std::map<QString, QString> shown;
  for (const QWidget* w : pages->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty()) continue;
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w))
      text = label->text();
    else if (const auto* field = qobject_cast<const QLineEdit*>(w))
      text = field->text();
    else if (const auto* box = qobject_cast<const QGroupBox*>(w))
      text = box->title();
    else if (const auto* list = qobject_cast<const QComboBox*>(w))
      text = vertal::testing::Items(list).join(QLatin1Char('|'));
    else if (const auto* grid = qobject_cast<const QTableWidget*>(w))
      for (int c = 0; c < grid->columnCount(); ++c)
        text += vertal::testing::Column(grid, c).join(QLatin1Char('|')) + QLatin1Char('#');
    else
      continue;
    shown[Where(w)] = text;
  }
  return shown;
}

}  // namespace

class WindowFitTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    f_ = std::make_unique<MainWindowFixture>();
    f_->form->show();
  }
  void cleanup() { f_.reset(); }

  void everyPageFitsAtEverySize_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("minimum") << QSize();
    QTest::newRow("900x600") << QSize(900, 600);
    QTest::newRow("1280x1024") << QSize(1280, 1024);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("3840x2160") << QSize(3840, 2160);
  }

  void everyPageFitsAtEverySize() {
    QFETCH(QSize, size);
    QWidget& form = *f_->form;
    f_->Open(Demo());
    QApplication::processEvents();  // the least size follows the values shown
    form.resize(size.isValid() ? size : form.minimumSize());
    // The layouts follow the new size; names broken over more lines raise the least size.
    for (int round = 0; round < 3; ++round) QApplication::processEvents();
    if (!size.isValid()) form.resize(form.minimumSize());
    QApplication::processEvents();
    for (const char* name : kSheets) {
      f_->ShowSheet(name);
      const QStringList faults = Faults(&form, f_->Sheet(name));
      if (!faults.isEmpty()) qWarning().noquote() << name << faults.join(QStringLiteral("\n  "));
      QVERIFY2(faults.isEmpty(), name);
    }
  }

  void aFileOpenedAfterTheDemoShowsWhatItShowsInAFreshWindow_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"empty", "truncated", "random", "version 30"})
      QTest::newRow(kind) << QString::fromLatin1(kind);
  }

  void aFileOpenedAfterTheDemoShowsWhatItShowsInAFreshWindow() {
    QFETCH(QString, kind);
    const std::string path = f_->dir.File("other.bin");
    if (kind == QLatin1String("version 30")) {
      DumpBuilder().RecorderVersion(30).Write(path);
    } else {
      QFile file(QString::fromStdString(path));
      QVERIFY(file.open(QIODevice::WriteOnly));
      std::mt19937 bytes(24);
      if (kind == QLatin1String("random"))
        for (int i = 0; i < 100000; ++i) file.putChar(static_cast<char>(bytes()));
      file.close();
      if (kind == QLatin1String("truncated")) {
        Demo().Write(path);
        std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
      }
    }
    MainWindowFixture fresh;
    fresh.form->show();
    fresh.form->OpenFile(path);

    f_->Open(Demo(), "demo.bin");
    f_->form->OpenFile(path);

    const auto expected = Shown(fresh.Find("PageControl_Main"));
    const auto shown = Shown(f_->Find("PageControl_Main"));
    for (const auto& [control, text] : expected) {
      const auto found = shown.find(control);
      QVERIFY2(found != shown.end(), qPrintable(control));
      if (found->second != text)
        qWarning().noquote() << control << "shows" << found->second << "instead of" << text;
      QVERIFY2(found->second == text, qPrintable(control));
    }
  }

 private:
  std::unique_ptr<MainWindowFixture> f_;
};

QTEST_MAIN(WindowFitTest)
#include "WindowFitTest.moc"
