// The frame table of the page "Общая": its texts, the pages it shows after opening and while
// paging, the jumps from the result lists, the code decoder on selected cells, an unreadable
// file and the view reset.

#include <QGroupBox>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "FramePageFixture.h"
#include "frames/core/CodeDecoder.h"
#include "frames/core/FrameTable.h"

using vertal::Message;
using vertal::MessageKind;
using vertal::frames::FrameTableLayout;
using vertal::records::ReadTablePage;
using vertal::testing::DumpBuilder;
using vertal::testing::FrameFields;
using vertal::testing::FramePageFixture;
using vertal::testing::Items;
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

  void pageShowsItsTextsAtStart() {
    t_->ShowPage();
    QCOMPARE(t_->Grid()->toolTip(), Q("Для расшифровки кодов укажите ячейку"));
    QCOMPARE(t_->Label("Label_O_OtbZap")->text(), Q("0000"));
    QCOMPARE(t_->Label("Label11")->text(), Q("Отобрано кадров:"));
    QCOMPARE(t_->Label("Label9")->text(), Q("Загрузка    M% > "));
    QCOMPARE(t_->Threshold()->text(), Q("0"));
    auto* faults = t_->Find<QCheckBox>("CheckBox_Error");
    auto* limits = t_->Find<QCheckBox>("CheckBox_SLim");
    QCOMPARE(faults->text(), Q("Коды отказа"));
    QCOMPARE(limits->text(), Q("Сработало ограничение"));
    QVERIFY(!faults->isChecked() && !limits->isChecked());
    QCOMPARE(t_->FindButton()->text(), Q("Найти"));
    QVERIFY(!t_->FindButton()->icon().isNull());

    const std::pair<const char*, const char*> groups[] = {
        {"GroupBox7", "Период времени охваченный РП"},
        {"GroupBox6", "Работа с перегрузками M > 110%:"},
        {"GroupBox4", "Рыбота в режиме НАСТРОЙКА:"},
        {"GroupBox2", "Cрабатывания МЗОНа:"},  // Latin C
        {"GroupBox17", "Включения прибора:"},
        {"GroupBox1", "Условия отбора кадров"},
        {"GroupBox8", "Результат поиска:"},
    };
    for (const auto& [name, title] : groups) QCOMPARE(t_->Find<QGroupBox>(name)->title(), Q(title));
    for (const char* count : {"Label_Cikl_M", "Label_Cikl_NASTROYKA", "Label_Cikl_MZON", "Label_ON"})
      QVERIFY(t_->Label(count)->text().isEmpty());
  }

  void rowCaptionsStandLevelWithTheirRowsAndAllFitsTheWindow() {
    QWidget* sheet = t_->Sheet("TabSheet_Osn");
    t_->ShowPage();
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
    QTableWidget* grid = t_->Grid();
    QCOMPARE(grid->rowCount(), static_cast<int>(std::size(captions)));
    for (int row = 0; row < grid->rowCount(); ++row) {
      auto* label = sheet->findChild<QLabel*>(QStringLiteral("Label%1").arg(labelNumbers[row]));
      QVERIFY(label);
      QCOMPARE(label->text(), Q(captions[row]));
      const QRect cell = grid->visualRect(grid->model()->index(row, 0));
      QCOMPARE(label->mapTo(sheet, QPoint(0, 0)).y(),
               grid->viewport()->mapTo(sheet, cell.topLeft()).y());
    }
    // Every control is inside the page at the window's design size.
    for (QWidget* w : sheet->findChildren<QWidget*>()) {
      if (!w->isVisible() || w->objectName().isEmpty()) continue;
      const QRect placed(w->mapTo(sheet, QPoint(0, 0)), w->size());
      QVERIFY2(sheet->rect().contains(placed), qPrintable(w->objectName()));
    }
  }

  void openingShowsTheLastPageAndTheScrollBarClamps() {
    QScrollBar* bar = t_->ScrollBar();
    const std::string path = t_->OpenShown(LastFramesDump());
    QCOMPARE(bar->value(), kLastPosition);
    const auto last = ReadTablePage(path, FrameTableLayout(), kLastPosition, ".");
    for (int c = 0; c < 5; ++c) {
      QCOMPARE(t_->FrameColumn(c), Texts(last.columns[static_cast<std::size_t>(c)]));
      QCOMPARE(t_->Cell(c, 0), QString::number(kLastPosition + c));
      QCOMPARE(t_->Cell(c, 20), Q("НОРМА"));
    }

    bar->setValue(-7);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(t_->Cell(0, 0), Q("0"));
    QCOMPARE(t_->Cell(4, 0), Q("4"));
    QCOMPARE(t_->Cell(0, 12), Q("4 2"));  // reeving and mode
    // Frame 2 is erased memory.
    const QStringList erased = t_->FrameColumn(2);
    QCOMPARE(erased[1], Q("FF.FF.FF"));
    QCOMPARE(erased[2], Q("FF:FF:FF"));
    for (int row : {10, 14, 15, 16, 17, 18}) QCOMPARE(erased[row], Q("11111111"));
    QCOMPARE(erased[20], Q("БРАК"));

    bar->setValue(1'000'000);
    QCOMPARE(bar->value(), kLastPosition);
    QCOMPARE(t_->Cell(0, 0), QString::number(kLastPosition));
    QVERIFY(t_->host.messages.empty());
  }

  void choosingAListItemMovesTheTable() {
    QScrollBar* bar = t_->ScrollBar();
    QComboBox* switchOns = t_->List("ComboBox_ON");
    t_->OpenShown(LastFramesDump());
    // Switch-ons: frame 0 and frame 270,334.
    QCOMPARE(switchOns->count(), 2);
    bar->setValue(100);
    switchOns->setFocus();
    QTest::keyClick(switchOns, Qt::Key_Down);  // the item of frame 270,334
    QCOMPARE(bar->value(), kLastPosition);
    QCOMPARE(t_->Cell(3, 0), QString::number(kLastPosition + 3));
    QTest::keyClick(switchOns, Qt::Key_Up);  // the item of frame 0
    QCOMPARE(bar->value(), 0);
    QCOMPARE(t_->Cell(0, 0), Q("0"));

    // Choosing the item already shown, or typing text that names no item, refills nothing.
    t_->Grid()->item(5, 0)->setText(QStringLiteral("kept"));
    emit switchOns->activated(0);
    QTest::keyClicks(switchOns->lineEdit(), QStringLiteral("99"));
    QTest::keyClick(switchOns->lineEdit(), Qt::Key_Return);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(t_->Cell(0, 5), Q("kept"));
    QVERIFY(t_->host.messages.empty());
  }

  void typedTextIsLimitedButItemsShowInFull() {
    DumpBuilder b;
    FrameFields f = WorkFrame();
    f.faultCode = 101;
    b.Frame(123'456, f);
    t_->OpenShown(b);
    QComboBox* mzon = t_->List("ComboBox_Cikl_MZON");
    const QString item = Q("123456-й кадр, дата сраба-ия: 15.09.08");
    QCOMPARE(mzon->currentText(), item);
    QCOMPARE(mzon->lineEdit()->text(), item);
    QTest::keyClicks(mzon->lineEdit(), QStringLiteral("x"));
    QCOMPARE(mzon->lineEdit()->text(), item);

    QComboBox* found = t_->List("ComboBox_Cikl");
    found->lineEdit()->clear();
    QTest::keyClicks(found->lineEdit(), QString(40, QLatin1Char('7')));
    QCOMPARE(found->lineEdit()->text().size(), 30);
    // The overload and tuning lists take text of any length.
    QComboBox* overloads = t_->List("ComboBox_Cikl_M");
    QTest::keyClicks(overloads->lineEdit(), QString(40, QLatin1Char('7')));
    QCOMPARE(overloads->lineEdit()->text().size(), 40);
  }

  void selectedCodeCellsAreExplained() {
    QTableWidget* grid = t_->Grid();
    const auto click = [grid](int column, int row) {
      const QRect cell = grid->visualRect(grid->model()->index(row, column));
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    };
    t_->ShowPage();
    click(0, 10);  // nothing opened yet
    click(0, 19);
    QVERIFY(t_->host.messages.empty());

    t_->OpenShown(LastFramesDump());
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
    QCOMPARE(t_->host.Texts(), expected);
    for (const Message& m : t_->host.messages) QCOMPARE(m.kind, MessageKind::Plain);

    // A fault code without a text (0 on almost every frame) shows no box at all.
    t_->host.messages.clear();
    t_->ScrollBar()->setValue(0);
    click(1, 19);
    QVERIFY(t_->host.messages.empty());
  }

  void unreadableFileShowsOneBoxPerPageTurn() {
    const std::string path = t_->OpenShown(LastFramesDump());
    std::filesystem::remove(path);
    // The open file's bytes are held, so a file gone from disk fails only once it is opened again.
    t_->form->OpenFile(path);
    t_->host.messages.clear();
    t_->ScrollBar()->setValue(50);
    QCOMPARE(t_->host.messages, (std::vector<Message>{{MessageKind::Error, kOpenFailed}}));
    for (int c = 0; c < 5; ++c) {
      QStringList expected(21, QString());
      expected[0] = QString::number(50 + c);
      expected[20] = Q("БРАК");
      QCOMPARE(t_->FrameColumn(c), expected);
    }
    t_->ScrollBar()->setValue(51);
    QCOMPARE(t_->host.messages.size(), std::size_t{2});
  }

  void resetEmptiesTheGridAndKeepsTheLists() {
    t_->OpenShown(LastFramesDump());
    const QStringList switchOns = Items(t_->List("ComboBox_ON"));
    const QString period = t_->Label("Label_NR")->text();
    t_->form->ResetView();
    QCOMPARE(t_->ScrollBar()->value(), 0);
    for (int c = 0; c < 5; ++c) QCOMPARE(t_->FrameColumn(c), QStringList(21, QString()));
    QCOMPARE(Items(t_->List("ComboBox_ON")), switchOns);
    QCOMPARE(t_->Label("Label_NR")->text(), period);
    // With no file current, paging changes the scroll bar only.
    t_->ScrollBar()->setValue(10);
    QCOMPARE(t_->Cell(0, 0), QString());
    QVERIFY(t_->host.messages.empty());
  }

  void gridOffersTheWindowsPopupMenu() {
    QTableWidget* grid = t_->Grid();
    auto* popup = t_->Find<QMenu>("PopupMenu_GRAFIKI");
    QSignalSpy spy(grid, &QWidget::customContextMenuRequested);
    t_->ShowPage();
    const QPoint at(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &event);
    QCOMPARE(spy.count(), 1);
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->actions(), QList<QAction*>{t_->Find<QAction>("Go_KZ")});
    QCOMPARE(popup->actions().front()->text(), Q("Показать графики"));
    popup->close();
  }

 private:
  std::unique_ptr<FramePageFixture> t_;
};

QTEST_MAIN(FrameTablePageTest)
#include "FrameTablePageTest.moc"
