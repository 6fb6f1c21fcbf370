// The frame table of the page "Общая": its controls, the pages it shows after opening and
// while paging, the jumps from the result lists, the code decoder on selected cells, an
// unreadable file and the view reset.

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "FramePageFixture.h"
#include "frames/core/CodeDecoder.h"
#include "frames/core/FrameTable.h"
#include "frames/ui/JumpListCombo.h"
#include "frames/ui/RecordGrid.h"

using vertal::Message;
using vertal::MessageKind;
using vertal::frames::FrameTableLayout;
using vertal::frames::ReadTablePage;
using vertal::testing::DumpBuilder;
using vertal::testing::FrameFields;
using vertal::testing::FramePageFixture;
using vertal::testing::Q;
using vertal::testing::WorkFrame;

namespace {

const std::string kOpenFailed = "\n Файл не удалось открыть!";
constexpr int kLastPosition = 270331;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QStringList Texts(const std::vector<std::string>& texts) {
  QStringList list;
  for (const auto& t : texts) list << Text(t);
  return list;
}

// A dump whose last five frames are valid and whose frame 270,334 is a switch-on, so that a
// result list names it; frame 2 is all 0xFF as erased memory is.
DumpBuilder LastFramesDump() {
  DumpBuilder b;
  for (int n = 0; n < 5; ++n) {
    if (n == 2) continue;
    FrameFields f = WorkFrame(0x03);
    f.reeving = 4;
    f.mode = 2;
    f.faultCode = static_cast<std::uint8_t>(n == 0 ? 1 : 0);
    b.Frame(n, f);
  }
  for (int n = kLastPosition; n < kLastPosition + 5; ++n) {
    FrameFields f = WorkFrame(0x21, 0x16);
    f.kos = 0x0D;  // work mode, power line 500-750 kV
    f.relays = 0x81;
    f.limits = 0x88;
    f.faultCode = static_cast<std::uint8_t>(n == kLastPosition + 3 ? 1 : 46);
    b.Frame(n, f);
  }
  return b;
}

}  // namespace

class FrameTablePageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { t_ = std::make_unique<FramePageFixture>(); }
  void cleanup() { t_.reset(); }

  void pageHasItsControlsWithTheirTexts() {
    auto& page = t_->Page();
    QWidget* sheet = t_->Form().TabSheet_Osn;
    t_->ShowPage();
    QCOMPARE(sheet->findChild<QTableWidget*>(QStringLiteral("StringGrid_O_Otb")),
             page.StringGrid_O_Otb);
    QCOMPARE(page.StringGrid_O_Otb->columnCount(), 5);
    QCOMPARE(page.StringGrid_O_Otb->rowCount(), 21);
    QVERIFY(page.StringGrid_O_Otb->horizontalHeader()->isHidden());
    QVERIFY(page.StringGrid_O_Otb->verticalHeader()->isHidden());
    QCOMPARE(page.StringGrid_O_Otb->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(page.StringGrid_O_Otb->toolTip(), Q("Для расшифровки кодов укажите ячейку"));
    QCOMPARE(page.StringGrid_O_Otb->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(page.StringGrid_O_Otb->font().bold());
    QCOMPARE(page.ScrollBar_Cikl->orientation(), Qt::Horizontal);
    QCOMPARE(page.ScrollBar_Cikl->minimum(), 0);
    QCOMPARE(page.ScrollBar_Cikl->maximum(), kLastPosition);
    QCOMPARE(page.Label_O_OtbZap->text(), Q("0000"));
    QCOMPARE(sheet->findChild<QLabel*>(QStringLiteral("Label11"))->text(), Q("Отобрано кадров:"));
    QCOMPARE(sheet->findChild<QLabel*>(QStringLiteral("Label9"))->text(), Q("Загрузка    M% > "));
    QCOMPARE(page.Edit_O_M->text(), Q("0"));
    QCOMPARE(page.Edit_O_M->maxLength(), 3);
    QCOMPARE(page.CheckBox_Error->text(), Q("Коды отказа"));
    QCOMPARE(page.CheckBox_SLim->text(), Q("Сработало ограничение"));
    QVERIFY(!page.CheckBox_Error->isChecked() && !page.CheckBox_SLim->isChecked());
    QCOMPARE(page.BitBtn1->text(), Q("Найти"));
    QVERIFY(!page.BitBtn1->icon().isNull());

    const std::pair<const char*, const char*> groups[] = {
        {"GroupBox7", "Период времени охваченный РП"},
        {"GroupBox6", "Работа с перегрузками M > 110%:"},
        {"GroupBox4", "Рыбота в режиме НАСТРОЙКА:"},
        {"GroupBox2", "Cрабатывания МЗОНа:"},  // Latin C
        {"GroupBox17", "Включения прибора:"},
        {"GroupBox1", "Условия отбора кадров"},
        {"GroupBox8", "Результат поиска:"},
    };
    for (const auto& [name, title] : groups) {
      auto* box = sheet->findChild<QGroupBox*>(QString::fromLatin1(name));
      QVERIFY2(box, name);
      QCOMPARE(box->title(), Q(title));
      QVERIFY(box->font().bold());
    }
    for (QLabel* count :
         {page.Label_Cikl_M, page.Label_Cikl_NASTROYKA, page.Label_Cikl_MZON, page.Label_ON}) {
      QVERIFY(count->text().isEmpty());
      QVERIFY(count->font().bold());
      QCOMPARE(count->palette().color(QPalette::WindowText), QColor(0xFF0000));
    }
    // The controls inside bold-captioned groups keep the normal weight.
    QVERIFY(!page.CheckBox_Error->font().bold());
    QVERIFY(!page.ComboBox_Cikl->font().bold());
  }

  void rowCaptionsStandLevelWithTheirRowsAndAllFitsTheWindow() {
    auto& page = t_->Page();
    QWidget* sheet = t_->Form().TabSheet_Osn;
    t_->ShowPage();
    QCOMPARE(t_->Form().size(), QSize(844, 643));
    const char* const captions[] = {"Номер кадра",          "Дата записи",
                                    "Время записи",         "Угол наклона стрелы, град",
                                    "Длина стрелы, м",      "Вылет, м",
                                    "Давление/Усилие, кгс", "Масса груза, т",
                                    "Азимут, град",         "Ветер, м/сек",
                                    "КОС (Мзон+флаги)",     "Температура среды, град",
                                    "Запасовка\\ Режим",    "Момент загрузки, %",
                                    "Выходные реле",        "Введенные сраб. огран.",
                                    "Дискр. входы 1",       "Дискр. входы 2",
                                    "Дискр. входы 3",       "Коды отказа",
                                    "К. С. кадра"};
    const int labelNumbers[] = {12, 13, 14, 15, 16, 17, 18, 19, 20, 23, 24,
                                25, 26, 27, 28, 29, 30, 31, 32, 33, 34};
    QTableWidget* grid = page.StringGrid_O_Otb;
    for (int row = 0; row < 21; ++row) {
      auto* label = sheet->findChild<QLabel*>(QStringLiteral("Label%1").arg(labelNumbers[row]));
      QVERIFY(label);
      QCOMPARE(label->text(), Q(captions[row]));
      const QRect cell = grid->visualRect(grid->model()->index(row, 0));
      QCOMPARE(label->mapTo(sheet, QPoint(0, 0)).y(),
               grid->viewport()->mapTo(sheet, cell.topLeft()).y());
      if (row > 0)  // 17 pixels and the grid line
        QCOMPARE(cell.top() - grid->visualRect(grid->model()->index(row - 1, 0)).top(), 18);
    }
    QCOMPARE(grid->visualRect(grid->model()->index(0, 1)).left() -
                 grid->visualRect(grid->model()->index(0, 0)).left(),
             74);  // 73 pixels and the grid line
    for (QWidget* w : std::initializer_list<QWidget*>{
             grid, page.ScrollBar_Cikl, page.Label_O_OtbZap, page.Label_NR, page.Label_KR,
             page.ComboBox_Cikl_M, page.ComboBox_Cikl_NASTROYKA, page.ComboBox_Cikl_MZON,
             page.ComboBox_ON, page.Edit_O_M, page.CheckBox_Error, page.CheckBox_SLim,
             page.ComboBox_Cikl, page.BitBtn1}) {
      const QRect placed(w->mapTo(sheet, QPoint(0, 0)), w->size());
      QVERIFY2(sheet->rect().contains(placed), qPrintable(w->objectName()));
    }
  }

  void openingShowsTheLastPageAndTheScrollBarClamps() {
    auto& page = t_->Page();
    const std::string path = t_->Open(LastFramesDump());
    QCOMPARE(page.ScrollBar_Cikl->value(), kLastPosition);
    const auto last = ReadTablePage(path, FrameTableLayout(), kLastPosition, ".");
    for (int c = 0; c < 5; ++c) {
      QCOMPARE(t_->Column(c), Texts(last.columns[static_cast<std::size_t>(c)]));
      QCOMPARE(t_->Cell(c, 0), QString::number(kLastPosition + c));
      QCOMPARE(t_->Cell(c, 20), Q("НОРМА"));
    }

    page.ScrollBar_Cikl->setValue(-7);
    QCOMPARE(page.ScrollBar_Cikl->value(), 0);
    QCOMPARE(t_->Cell(0, 0), Q("0"));
    QCOMPARE(t_->Cell(4, 0), Q("4"));
    QCOMPARE(t_->Cell(0, 12), Q("4 2"));  // reeving and mode
    // Frame 2 is erased memory.
    const QStringList erased = t_->Column(2);
    QCOMPARE(erased[1], Q("FF.FF.FF"));
    QCOMPARE(erased[2], Q("FF:FF:FF"));
    for (int row : {10, 14, 15, 16, 17, 18}) QCOMPARE(erased[row], Q("11111111"));
    QCOMPARE(erased[20], Q("БРАК"));

    page.ScrollBar_Cikl->setValue(1'000'000);
    QCOMPARE(page.ScrollBar_Cikl->value(), kLastPosition);
    QCOMPARE(t_->Cell(0, 0), QString::number(kLastPosition));
    QVERIFY(t_->f.host.messages.empty());
  }

  void choosingAListItemMovesTheTable() {
    auto& page = t_->Page();
    t_->Open(LastFramesDump());
    // Switch-ons: frame 0 and frame 270,334.
    QCOMPARE(page.ComboBox_ON->count(), 2);
    page.ScrollBar_Cikl->setValue(100);
    page.ComboBox_ON->setFocus();
    QTest::keyClick(page.ComboBox_ON, Qt::Key_Down);  // the item of frame 270,334
    QCOMPARE(page.ScrollBar_Cikl->value(), kLastPosition);
    QCOMPARE(t_->Cell(3, 0), QString::number(kLastPosition + 3));
    QTest::keyClick(page.ComboBox_ON, Qt::Key_Up);  // the item of frame 0
    QCOMPARE(page.ScrollBar_Cikl->value(), 0);
    QCOMPARE(t_->Cell(0, 0), Q("0"));

    // Choosing the item already shown, or typing text that names no item, refills nothing.
    page.StringGrid_O_Otb->item(5, 0)->setText(QStringLiteral("kept"));
    emit page.ComboBox_ON->activated(0);
    QTest::keyClicks(page.ComboBox_ON->lineEdit(), QStringLiteral("99"));
    QTest::keyClick(page.ComboBox_ON->lineEdit(), Qt::Key_Return);
    QCOMPARE(page.ScrollBar_Cikl->value(), 0);
    QCOMPARE(t_->Cell(0, 5), Q("kept"));
    QVERIFY(t_->f.host.messages.empty());
  }

  void typedTextIsLimitedButItemsShowInFull() {
    auto& page = t_->Page();
    DumpBuilder b;
    FrameFields f = WorkFrame();
    f.faultCode = 101;
    b.Frame(123'456, f);
    t_->Open(b);
    const QString item = Q("123456-й кадр, дата сраба-ия: 15.09.08");
    QCOMPARE(page.ComboBox_Cikl_MZON->currentText(), item);
    QCOMPARE(page.ComboBox_Cikl_MZON->lineEdit()->text(), item);
    QTest::keyClicks(page.ComboBox_Cikl_MZON->lineEdit(), QStringLiteral("x"));
    QCOMPARE(page.ComboBox_Cikl_MZON->lineEdit()->text(), item);

    page.ComboBox_Cikl->lineEdit()->clear();
    QTest::keyClicks(page.ComboBox_Cikl->lineEdit(), QString(40, QLatin1Char('7')));
    QCOMPARE(page.ComboBox_Cikl->lineEdit()->text().size(), 30);
    // The overload and tuning lists take text of any length.
    QTest::keyClicks(page.ComboBox_Cikl_M->lineEdit(), QString(40, QLatin1Char('7')));
    QCOMPARE(page.ComboBox_Cikl_M->lineEdit()->text().size(), 40);
  }

  void selectedCodeCellsAreExplained() {
    auto& page = t_->Page();
    QTableWidget* grid = page.StringGrid_O_Otb;
    const auto click = [grid](int column, int row) {
      const QRect cell = grid->visualRect(grid->model()->index(row, column));
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    };
    t_->ShowPage();
    click(0, 10);  // nothing opened yet
    click(0, 19);
    QVERIFY(t_->f.host.messages.empty());

    t_->Open(LastFramesDump());
    click(1, 10);
    click(1, 10);  // the cell already selected explains itself again
    click(1, 0);   // rows without codes show nothing
    click(1, 13);
    click(1, 20);
    QTest::keyClick(grid, Qt::Key_Up);  // the keyboard moves onto the fault code
    grid->setCurrentCell(14, 1);
    click(2, 15);
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {},
                      grid->visualRect(grid->model()->index(16, 2)).center());

    const std::string kos = *vertal::frames::DecodeCell(10, "00001101");
    const std::vector<std::string> expected = {
        kos,
        kos,
        "Е46 Реле БПК",
        "Смотри схему подключения VERTAL",
        *vertal::frames::DecodeCell(15, "10001000"),
    };
    QCOMPARE(t_->f.host.Texts(), expected);
    for (const Message& m : t_->f.host.messages) QCOMPARE(m.kind, MessageKind::Plain);

    // A fault code without a text still shows its (empty) box.
    t_->f.host.messages.clear();
    page.ScrollBar_Cikl->setValue(0);
    click(1, 19);
    QCOMPARE(t_->f.host.Texts(), std::vector<std::string>{""});
  }

  void unreadableFileShowsOneBoxPerPageTurn() {
    auto& page = t_->Page();
    const std::string path = t_->Open(LastFramesDump());
    std::filesystem::remove(path);
    page.ScrollBar_Cikl->setValue(50);
    QCOMPARE(t_->f.host.messages, (std::vector<Message>{{MessageKind::Error, kOpenFailed}}));
    for (int c = 0; c < 5; ++c) {
      QStringList expected(21, QString());
      expected[0] = QString::number(50 + c);
      expected[20] = Q("БРАК");
      QCOMPARE(t_->Column(c), expected);
    }
    page.ScrollBar_Cikl->setValue(51);
    QCOMPARE(t_->f.host.messages.size(), std::size_t{2});
  }

  void resetEmptiesTheGridAndKeepsTheLists() {
    auto& page = t_->Page();
    t_->Open(LastFramesDump());
    const QStringList switchOns = FramePageFixture::Items(page.ComboBox_ON);
    const QString period = page.Label_NR->text();
    t_->Form().ResetView();
    QCOMPARE(page.ScrollBar_Cikl->value(), 0);
    for (int c = 0; c < 5; ++c) QCOMPARE(t_->Column(c), QStringList(21, QString()));
    QCOMPARE(FramePageFixture::Items(page.ComboBox_ON), switchOns);
    QCOMPARE(page.Label_NR->text(), period);
    // With no file current, paging changes the scroll bar only.
    page.ScrollBar_Cikl->setValue(10);
    QCOMPARE(t_->Cell(0, 0), QString());
    QVERIFY(t_->f.host.messages.empty());
  }

  void gridOffersTheWindowsPopupMenu() {
    auto& page = t_->Page();
    QCOMPARE(page.StringGrid_O_Otb->contextMenuPolicy(), Qt::CustomContextMenu);
    QSignalSpy spy(page.StringGrid_O_Otb, &QWidget::customContextMenuRequested);
    t_->ShowPage();
    const QPoint at(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                            page.StringGrid_O_Otb->viewport()->mapToGlobal(at));
    QApplication::sendEvent(page.StringGrid_O_Otb->viewport(), &event);
    QCOMPARE(spy.count(), 1);
    QVERIFY(t_->Form().PopupMenu_GRAFIKI->isVisible());
    t_->Form().PopupMenu_GRAFIKI->close();
  }

 private:
  std::unique_ptr<FramePageFixture> t_;
};

QTEST_MAIN(FrameTablePageTest)
#include "FrameTablePageTest.moc"
