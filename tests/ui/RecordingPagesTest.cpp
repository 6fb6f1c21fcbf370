// The pages "Журнал по дням" and "Проверка записи": filled when shown for the current file,
// choosing a row moves the frame table (and for a day both graphs), emptied by a reset.

#include <QApplication>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "MainWindowFixture.h"

using vertal::testing::Column;
using vertal::testing::DumpBuilder;
using vertal::testing::FindIn;
using vertal::testing::FrameFields;
using vertal::testing::MainWindowFixture;
using vertal::testing::Q;

namespace {

std::uint8_t Bcd(int v) {
  return static_cast<std::uint8_t>((v / 10) << 4 | (v % 10));
}

// `count` frames two seconds apart from 08:00:00 of `day` (September 2008), from slot `first`;
// the frame `setBack` slots in has its clock an hour early.
void Frames(DumpBuilder& b, std::int64_t first, int count, int day, int setBack = -1) {
  for (int i = 0; i < count; ++i) {
    FrameFields f;
    f.date = {Bcd(day), 0x09, 0x08};
    const int second = 2 * i;
    f.time = {Bcd(second % 60), Bcd(second / 60), Bcd(i == setBack ? 7 : 8)};
    f.loadMoment = static_cast<std::uint8_t>(i % 40);
    b.Frame(first + i, f);
  }
}

}  // namespace

class RecordingPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    t_ = std::make_unique<MainWindowFixture>();
    t_->form->show();
  }
  void cleanup() { t_.reset(); }

  void choosingADayMovesTheFrameTableAndBothGraphs() {
    DumpBuilder b;
    Frames(b, 100, 50, 10);
    Frames(b, 3000, 50, 11);
    Frames(b, 6000, 50, 12);
    t_->Open(b);
    auto* grid = Grid("TabSheet_Days", "Grid_Days");
    QVERIFY(grid->rowCount() == 0);  // computed only when the page is shown
    t_->ShowSheet("TabSheet_Days");
    QCOMPARE(Column(grid, 0), (QStringList{"10.09.08", "11.09.08", "12.09.08"}));
    QCOMPARE(grid->accessibleName(), Q("Журнал по дням"));

    Choose(grid, 1);
    QCOMPARE(t_->Find<QScrollBar>("ScrollBar_Cikl")->value(), 3000);
    QCOMPARE(t_->CurrentSheet("PageControl_Cikl"), t_->Sheet("TabSheet_Osn"));
    QCOMPARE(FindIn<QScrollBar>(t_->Sheet("TabSheet19"), "ScrollBarGPar")->value(), 3000);
    QCOMPARE(FindIn<QScrollBar>(t_->Sheet("TabSheet20"), "ScrollBarGKZ")->value(), 3000);
  }

  void aClockSetBackIsFoundAndChoosingItMovesTheFrameTable() {
    DumpBuilder b;
    Frames(b, 0, 100, 10, 50);
    t_->Open(b);
    t_->ShowSheet("TabSheet_Audit");
    auto* grid = Grid("TabSheet_Audit", "Grid_Audit");
    const QStringList texts = Column(grid, 1);
    int clockRow = -1;
    for (int row = 0; row < texts.size(); ++row)
      if (texts[row].startsWith(Q("Время идёт назад"))) clockRow = row;
    QVERIFY2(clockRow >= 0, qPrintable(texts.join('\n')));
    QCOMPARE(grid->item(clockRow, 0)->text(), Q("Предупреждение"));
    QCOMPARE(grid->item(clockRow, 2)->text(), QStringLiteral("50"));

    Choose(grid, clockRow);
    QCOMPARE(t_->Find<QScrollBar>("ScrollBar_Cikl")->value(), 50);
    QCOMPARE(t_->CurrentSheet("PageControl_Cikl"), t_->Sheet("TabSheet_Osn"));

    t_->form->ResetView();
    QCOMPARE(grid->rowCount(), 0);
  }

  void aFileGoneSinceOpeningIsReportedOncePerPage() {
    DumpBuilder b;
    Frames(b, 0, 10, 10);
    std::filesystem::remove(t_->Open(b));
    for (const auto& [sheet, name] :
         {std::pair{"TabSheet_Days", "Grid_Days"}, std::pair{"TabSheet_Audit", "Grid_Audit"}}) {
      t_->host.messages.clear();
      t_->ShowSheet(sheet);
      QCOMPARE(t_->host.messages, (std::vector<vertal::Message>{{vertal::MessageKind::Error,
                                                                 "\n Файл не удалось открыть!"}}));
      QCOMPARE(Grid(sheet, name)->rowCount(), 0);
    }
  }

  void anUnreadableFileOpenedWithThePageInViewIsReportedByOpenAlone() {
    DumpBuilder b;
    Frames(b, 0, 10, 10);
    t_->Open(b);
    t_->ShowSheet("TabSheet_Days");
    QCOMPARE(Grid("TabSheet_Days", "Grid_Days")->rowCount(), 1);
    t_->host.messages.clear();
    t_->form->OpenFile(t_->dir.File("missing.bin"));
    QCOMPARE(t_->host.messages.size(), std::size_t{1});
    // The days of the file before are not shown as those of the current file.
    QCOMPARE(Grid("TabSheet_Days", "Grid_Days")->rowCount(), 0);
  }

 private:
  QTableWidget* Grid(const char* sheet, const char* name) const {
    return FindIn<QTableWidget>(t_->Sheet(sheet), name);
  }
  // Chooses a row from the keyboard: the row made current, then Enter.
  static void Choose(QTableWidget* grid, int row) {
    grid->setFocus();
    grid->setCurrentCell(row, 0);
    QTest::keyClick(grid, Qt::Key_Return);
    QApplication::processEvents();
  }

  std::unique_ptr<MainWindowFixture> t_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  RecordingPagesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "RecordingPagesTest.moc"
