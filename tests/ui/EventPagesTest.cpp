// The pages "Перегрузки" and "КДС": their controls, the tables after opening and while paging,
// the searches with their summaries and refusals, the jumps from the result lists, files of the
// recorder version without KDS records, an unreadable file and the view reset.
// Numbers are shown with a decimal comma here, as under a Russian locale.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <array>
#include <filesystem>
#include <functional>
#include <tuple>

#include "MainWindowFixture.h"
#include "frames/core/FrameSearch.h"
#include "frames/ui/JumpListCombo.h"
#include "frames/ui/KdsPage.h"
#include "frames/ui/OverloadPage.h"
#include "frames/ui/RecordGrid.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

using vertal::Message;
using vertal::MessageKind;
using vertal::frames::KdsPage;
using vertal::frames::NotDateMessage;
using vertal::frames::NotWholeNumberMessage;
using vertal::frames::OverloadPage;
using vertal::testing::DumpBuilder;
using vertal::testing::FakeHost;
using vertal::testing::MainWindowFixture;
using vertal::testing::Q;
using vertal::testing::TempDir;

namespace {

using Record = std::array<std::uint8_t, 10>;
using Date = std::array<std::uint8_t, 3>;

const std::string kOpenFailed = "\n Файл не удалось открыть!";
constexpr Date kSep20{0x20, 0x09, 0x08};



// Overloads: three that the default search finds (records 3, 2595, 2599) among some it must
// pass over.
DumpBuilder Overloads() {
  DumpBuilder b;
  b.OverloadRecord(0, vertal::testing::EncodeOverload(130, {0x21, 0x09, 0x08}));  // a day late
  b.OverloadRecord(1, vertal::testing::EncodeOverload(109, {0x15, 0x09, 0x08}));  // below the threshold
  b.OverloadRecord(2, vertal::testing::EncodeOverload(125, {0x12, 0x09, 0x08}));
  b.Poke(vertal::dump::kOverloadRecords.Offset(2) + 9, 0);  // bad checksum
  b.OverloadRecord(3, vertal::testing::EncodeOverload(110, kSep20));          // at the threshold, last day
  b.OverloadRecord(2595, vertal::testing::EncodeOverload(140, {0x10, 0x09, 0x08}));
  b.OverloadRecord(2599, vertal::testing::EncodeOverload(200, {0x11, 0x09, 0x08}));
  return b;
}

DumpBuilder KdsRecords(std::int8_t version = 31) {
  DumpBuilder b;
  b.RecorderVersion(version);
  b.KdsRecord(0, vertal::testing::EncodeKds(35, 3));
  b.KdsRecord(1, vertal::testing::EncodeKds(245, 7));
  b.KdsRecord(2, vertal::testing::EncodeKds(-5, 1));
  b.KdsRecord(3, vertal::testing::EncodeKds(12, 9));
  b.KdsRecord(4, vertal::testing::EncodeKds(6, 5, kSep20, {0x59, 0x59, 0x23}));  // the last second of the last day
  b.KdsRecord(5, vertal::testing::EncodeKds(7, 5, {0x09, 0x09, 0x08}));          // a day early
  b.KdsRecord(146, vertal::testing::EncodeKds(80, 5, {0x10, 0x09, 0x08}));
  return b;
}

QStringList Column(const QTableWidget* grid, int column) {
  QStringList texts;
  for (int row = 0; row < grid->rowCount(); ++row) {
    const QTableWidgetItem* item = grid->item(row, column);
    texts << (item ? item->text() : QString());
  }
  return texts;
}

QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

// Looks at the window whenever a pass repaints it.
class WatchingHost : public FakeHost {
 public:
  void RepaintNow() override {
    FakeHost::RepaintNow();
    if (onRepaint) onRepaint();
  }
  std::function<void()> onRepaint;
};

}  // namespace

class EventPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    t_ = std::make_unique<MainWindowFixture>();
    t_->form->show();
  }
  void cleanup() { t_.reset(); }

  void pagesHaveTheirControlsWithTheirTexts() {
    OverloadPage& per = Per();
    KdsPage& kds = Kds();
    struct GridShape {
      QTableWidget* grid;
      int columns, rows, pitch, maximum;
      QScrollBar* bar;
    };
    for (const GridShape& g :
         {GridShape{per.StringGrid_Per_Otb, 9, 7, 70, 2591, per.ScrollBar_Per},
          GridShape{kds.StringGrid_KDS_Otbor, 6, 6, 105, 144, kds.ScrollBar_KDS}}) {
      QCOMPARE(g.grid->columnCount(), g.columns);
      QCOMPARE(g.grid->rowCount(), g.rows);
      QCOMPARE(g.grid->columnWidth(0), g.pitch);  // the width and the grid line
      QCOMPARE(g.grid->rowHeight(0), 18);
      QCOMPARE(g.grid->frameShape(), QFrame::NoFrame);
      QVERIFY(g.grid->font().bold());
      QCOMPARE(g.grid->palette().color(QPalette::Text), QColor(0x000080));
      QCOMPARE(g.grid->viewport()->cursor().shape(), Qt::PointingHandCursor);
      QCOMPARE(g.bar->orientation(), Qt::Horizontal);
      QCOMPARE(g.bar->minimum(), 0);
      QCOMPARE(g.bar->maximum(), g.maximum);
    }
    QWidget* perSheet = t_->form->TabSheet_Per;
    QWidget* kdsSheet = t_->form->TabSheet_KDS;
    const std::tuple<QWidget*, const char*, const char*> texts[] = {
        {perSheet, "LabelC_NKAD", "Номер кадра"},
        {perSheet, "LabelC_Time", "Вылет, м"},
        {perSheet, "LabelC_H", "Грузоподъемность, т"},
        {perSheet, "LabelC_S", "Процент загрузки, %"},
        {perSheet, "LabelC_P", "Дата перегрузки"},
        {perSheet, "Label36", "Режим работы"},
        {perSheet, "Label35", "Контрольная сумма"},
        {perSheet, "Label_OTBOR", "Отобрано кадров:"},
        {perSheet, "Label_Per_OtbZap", "0000"},
        {perSheet, "Label184", "Загрузка M% > "},
        {perSheet, "Label185", "Дата перегрузки с"},
        {perSheet, "Label186", "по "},
        {perSheet, "Label_MaxM1", ""},
        {kdsSheet, "Label8", "Номер кадра"},
        {kdsSheet, "Label", "Значение параметра"},
        {kdsSheet, "Label46", "Параметр"},
        {kdsSheet, "Label45", "Дата"},
        {kdsSheet, "Label85", "Время"},
        {kdsSheet, "Label88", "Контрольная сумма"},
        {kdsSheet, "Label86", "Отобрано кадров:"},
        {kdsSheet, "Label_KDS_OtbZap", "0000"},
        {kdsSheet, "Label91", "Дата с"},
        {kdsSheet, "Label92", "по "},
        {kdsSheet, "Label_MaxM2", ""},
    };
    for (const auto& [sheet, name, text] : texts) {
      auto* label = sheet->findChild<QLabel*>(QString::fromLatin1(name));
      QVERIFY2(label, name);
      QCOMPARE(label->text(), Q(text));
    }
    const std::tuple<QWidget*, const char*, const char*> groups[] = {
        {perSheet, "GroupBox3", "Условия отбора кадров"},
        {perSheet, "GroupBox13", "Результат поиска:"},
        {kdsSheet, "GroupBox14", "Условия отбора кадров"},
        {kdsSheet, "GroupBox16", "Выбор параметра:"},
        {kdsSheet, "GroupBox15", "Результат поиска:"}};
    for (const auto& [sheet, name, title] : groups) {
      auto* box = sheet->findChild<QGroupBox*>(QString::fromLatin1(name));
      QVERIFY2(box, name);
      QCOMPARE(box->title(), Q(title));
      QVERIFY(box->font().bold());
    }
    QVERIFY(perSheet->findChild<QWidget*>(QStringLiteral("Panel_Cicl")));
    QVERIFY(kdsSheet->findChild<QWidget*>(QStringLiteral("Panel_KDS")));
    for (QLabel* summary : {per.Label_MaxM1, kds.Label_MaxM2}) {
      QVERIFY(summary->font().bold());
      QCOMPARE(summary->palette().color(QPalette::WindowText), QColor(0xFF0000));
    }
    const std::tuple<QLineEdit*, const char*, int> fields[] = {{per.Edit_Per_M, "110", 3},
                                                               {per.Edit_Per_Data0, "10.09.08", 8},
                                                               {per.Edit_Per_Data1, "20.09.08", 8},
                                                               {kds.Edit_KDS_Data0, "10.09.08", 8},
                                                               {kds.Edit_KDS_Data1, "20.09.08", 8}};
    for (const auto& [field, text, length] : fields) {
      QCOMPARE(field->text(), Q(text));
      QCOMPARE(field->maxLength(), length);
    }
    QCOMPARE(per.BitBtn_Find_Per->text(), Q("Найти"));
    QCOMPARE(kds.BitBtn_Find_KDS->text(), Q("Найти"));
    // The parameter list is filled at start-up, first chosen, and takes no typed text.
    QVERIFY(!kds.ComboBox_KDS_PAR->isEditable());
    QCOMPARE(Items(kds.ComboBox_KDS_PAR),
             QStringList({Q("Температура РЖГ"), Q("Температура ДВ"), Q("Давление масла в ДВ"),
                          Q("Уровень масла"), Q("Уровень топлива"), Q("Датчик оборотов ДВ"),
                          Q("Напряжение БС")}));
    QCOMPARE(kds.ComboBox_KDS_PAR->currentIndex(), 0);

    // Everything fits the window at its design size.
    for (QWidget* sheet : {perSheet, kdsSheet}) {
      ShowSheet(sheet);
      for (QWidget* w : sheet->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().isEmpty()) continue;
        const QRect placed(w->mapTo(sheet, QPoint(0, 0)), w->size());
        QVERIFY2(sheet->rect().contains(placed), qPrintable(w->objectName()));
      }
    }
  }

  void openingShowsTheLastPagesFilledFromTheNewFile() {
    Open(Overloads());
    QCOMPARE(Per().ScrollBar_Per->value(), 2591);
    QCOMPARE(Column(Per().StringGrid_Per_Otb, 4),
             QStringList(
                 {Q("2595"), Q("15,05"), Q("8,25"), Q("140"), Q("10.09.08"), Q("3"), Q("НОРМА")}));
    QCOMPARE(Column(Per().StringGrid_Per_Otb, 3).last(), Q("БРАК"));  // erased

    // The scroll bar stands at the end already: the page is filled where it stands.
    DumpBuilder next = KdsRecords();
    next.OverloadRecord(2595, vertal::testing::EncodeOverload(99, {0x01, 0x02, 0x08}));
    Open(next, "next.bin");
    QCOMPARE(Per().ScrollBar_Per->value(), 2591);
    QCOMPARE(Column(Per().StringGrid_Per_Otb, 4)[3], Q("99"));
    QCOMPARE(Kds().ScrollBar_KDS->value(), 144);
    QCOMPARE(
        Column(Kds().StringGrid_KDS_Otbor, 2),
        QStringList({Q("146"), Q("80%"), Q("Ур. Т %"), Q("10.09.08"), Q("12:30:00"), Q("НОРМА")}));
    QVERIFY(t_->host.messages.empty());
  }

  void kdsValuesAreShownWithTheirUnits() {
    QCOMPARE(QLocale::system().decimalPoint(), Q(","));
    Open(KdsRecords());
    Kds().ScrollBar_KDS->setValue(0);
    const QTableWidget* grid = Kds().StringGrid_KDS_Otbor;
    const QStringList values = {Q("3,50Атм"), Q("24,50В"), Q("-5C°"), Q("##.##"), Q("6%")};
    const QStringList names = {Q("Дав. м. в ДВ атм."), Q("Нап. БС В"), Q("Тем. РЖГ град."),
                               Q("XXXX"), Q("Ур. Т %")};
    for (int c = 0; c < values.size(); ++c) {
      QCOMPARE(Column(grid, c)[1], values[c]);
      QCOMPARE(Column(grid, c)[2], names[c]);
    }
    QCOMPARE(Column(grid, 4)[4], Q("23:59:59"));
  }

  void overloadSearchFindsTheDefaultRangeAndSumsUp() {
    OverloadPage& per = Per();
    Open(Overloads());
    per.BitBtn_Find_Per->click();
    QCOMPARE(Items(per.ComboBox_Per),
             QStringList({Q("3-й кадр, дата 20.09.08"), Q("2595-й кадр, дата 10.09.08"),
                          Q("2599-й кадр, дата 11.09.08")}));
    QCOMPARE(per.ComboBox_Per->currentIndex(), 0);
    QCOMPARE(per.Label_Per_OtbZap->text(), Q("3"));
    QCOMPARE(per.Label_MaxM1->text(),
             Q("Количество перегрузок больше 110% с 10.09.08 по 20.09.08 составляет 3"));
    QCOMPARE(t_->form->StatusText(1), Q(" Поиск закончен"));

    // The jump: record 2595 stands in column 4 of the last page; record 3 in column 0.
    per.ComboBox_Per->setFocus();
    QTest::keyClick(per.ComboBox_Per, Qt::Key_Down);
    QCOMPARE(per.ScrollBar_Per->value(), 2591);
    QCOMPARE(Column(per.StringGrid_Per_Otb, 4)[0], Q("2595"));
    QTest::keyClick(per.ComboBox_Per, Qt::Key_Up);
    QCOMPARE(per.ScrollBar_Per->value(), 3);
    QCOMPARE(Column(per.StringGrid_Per_Otb, 0)[3], Q("110"));

    // The summary repeats the fields as typed; a reversed range selects nothing.
    per.Edit_Per_M->setText(QStringLiteral(" 95"));
    per.Edit_Per_Data0->setText(QStringLiteral("20.09.08"));
    per.Edit_Per_Data1->setText(QStringLiteral("10.09.08"));
    per.BitBtn_Find_Per->click();
    QCOMPARE(per.ComboBox_Per->count(), 0);
    QCOMPARE(per.Label_Per_OtbZap->text(), Q("0"));
    QCOMPARE(per.Label_MaxM1->text(),
             Q("Количество перегрузок больше  95% с 20.09.08 по 10.09.08 составляет 0"));

    // One day later at 109 %: the record of 21.09.08 comes in, the one at 109 % still not.
    per.Edit_Per_M->setText(QStringLiteral("109"));
    per.Edit_Per_Data0->setText(QStringLiteral("21.09.08"));
    per.Edit_Per_Data1->setText(QStringLiteral("21.09.08"));
    per.BitBtn_Find_Per->click();
    QCOMPARE(Items(per.ComboBox_Per), QStringList{Q("0-й кадр, дата 21.09.08")});
    QVERIFY(t_->host.messages.empty());
  }

  void kdsSearchFindsTheChosenParameterOnly() {
    KdsPage& kds = Kds();
    Open(KdsRecords());
    ShowSheet(t_->form->TabSheet_KDS);
    kds.ComboBox_KDS_PAR->setCurrentIndex(4);  // "Уровень топлива"
    kds.BitBtn_Find_KDS->click();
    QCOMPARE(Items(kds.ComboBox_KDS), QStringList({Q("4-й кадр, дата: 20.09.08 в 23:59:59"),
                                                   Q("146-й кадр, дата: 10.09.08 в 12:30:00")}));
    QCOMPARE(kds.Label_KDS_OtbZap->text(), Q("2"));
    QCOMPARE(kds.Label_MaxM2->text(), Q("Количество превышенных параметров ( Уровень топлива ) с "
                                        "10.09.08 по 20.09.08 составляет 2"));
    QCOMPARE(t_->form->StatusText(1), Q(" Поиск закончен"));
    QTest::keyClick(kds.ComboBox_KDS, Qt::Key_Down);
    QCOMPARE(kds.ScrollBar_KDS->value(), 144);
    QCOMPARE(Column(kds.StringGrid_KDS_Otbor, 2)[0], Q("146"));

    kds.ComboBox_KDS_PAR->setCurrentIndex(5);
    kds.BitBtn_Find_KDS->click();
    QCOMPARE(kds.ComboBox_KDS->count(), 0);
    QCOMPARE(kds.Label_KDS_OtbZap->text(), Q("0"));
    QVERIFY(kds.Label_MaxM2->text().endsWith(Q(" составляет 0")));
    QVERIFY(t_->host.messages.empty());
  }

  void searchesShowTheirStatusAndProgress() {
    WatchingHost host;
    vertal::testing::CountingPort port;
    vertal::app::TForm_Main form(host, port);
    QStringList seen;
    host.onRepaint = [&] {
      seen << QStringLiteral("%1|%2").arg(form.StatusText(1)).arg(form.ProgressBar1->maximum());
    };
    const std::string path = dir_.File("watched.bin");
    KdsRecords().Write(path);
    form.SetStatusText(0, QString::fromStdString(path));
    form.OpenDumpFile();
    seen.clear();
    form.overloadPage->BitBtn_Find_Per->click();
    form.kdsPage->BitBtn_Find_KDS->click();
    QCOMPARE(seen, QStringList({Q(" Идет поиск перегрузок|2600"), Q("Идет поиск параметров|150")}));
    QCOMPARE(form.StatusText(1), Q(" Поиск закончен"));
    QCOMPARE(form.ProgressBar1->value(), 0);
  }

  void unreadableFieldsAreRefusedBeforeSearching() {
    OverloadPage& per = Per();
    KdsPage& kds = Kds();
    per.Edit_Per_M->setText(QStringLiteral("x"));
    per.BitBtn_Find_Per->click();  // no file yet: nothing at all
    kds.BitBtn_Find_KDS->click();
    QVERIFY(t_->host.messages.empty());
    per.Edit_Per_M->setText(QStringLiteral("110"));

    DumpBuilder both = Overloads();
    both.RecorderVersion(31);
    Open(both);
    per.BitBtn_Find_Per->click();
    kds.BitBtn_Find_KDS->click();
    const QString status = t_->form->StatusText(1);
    const QString perSummary = per.Label_MaxM1->text();
    const QString kdsSummary = kds.Label_MaxM2->text();

    struct Refusal {
      QLineEdit* field;
      const char* typed;
      std::string message;
      QPushButton* button;
    };
    const Refusal refusals[] = {
        {per.Edit_Per_M, "1x", NotWholeNumberMessage("Загрузка M%", "1x"), per.BitBtn_Find_Per},
        {per.Edit_Per_M, "", NotWholeNumberMessage("Загрузка M%", ""), per.BitBtn_Find_Per},
        {per.Edit_Per_Data0, "1.9.08", NotDateMessage("Дата перегрузки с", "1.9.08"),
         per.BitBtn_Find_Per},
        {per.Edit_Per_Data1, "xx.09.08", NotDateMessage("Дата перегрузки по", "xx.09.08"),
         per.BitBtn_Find_Per},
        {kds.Edit_KDS_Data0, "", NotDateMessage("Дата с", ""), kds.BitBtn_Find_KDS},
        {kds.Edit_KDS_Data1, "20.09.0", NotDateMessage("Дата по", "20.09.0"), kds.BitBtn_Find_KDS},
    };
    for (const Refusal& r : refusals) {
      t_->host.messages.clear();
      const QString kept = r.field->text();
      r.field->setText(Q(r.typed));
      r.button->click();
      QCOMPARE(t_->host.messages, (std::vector<Message>{{MessageKind::Error, r.message}}));
      r.field->setText(kept);
      QCOMPARE(per.ComboBox_Per->count(), 3);
      QCOMPARE(per.Label_Per_OtbZap->text(), Q("3"));
      QCOMPARE(per.Label_MaxM1->text(), perSummary);
      QCOMPARE(kds.Label_MaxM2->text(), kdsSummary);
      QCOMPARE(t_->form->StatusText(1), status);
    }
  }

  void fileWithoutKdsRecordsLeavesThePageAsItWas() {
    KdsPage& kds = Kds();
    Open(KdsRecords(30), "v30.bin");  // nothing read at all
    QCOMPARE(kds.ScrollBar_KDS->value(), 0);
    QCOMPARE(Column(kds.StringGrid_KDS_Otbor, 0), QStringList(6, QString()));

    Open(KdsRecords(31));
    kds.ComboBox_KDS_PAR->setCurrentIndex(4);
    kds.BitBtn_Find_KDS->click();
    const QStringList shown = Column(kds.StringGrid_KDS_Otbor, 0);
    const QStringList items = Items(kds.ComboBox_KDS);
    const QString summary = kds.Label_MaxM2->text();

    DumpBuilder v30 = KdsRecords(30);
    v30.KdsRecord(144, vertal::testing::EncodeKds(1, 1)).KdsRecord(10, vertal::testing::EncodeKds(2, 5));
    Open(v30, "v30.bin");
    QCOMPARE(kds.ScrollBar_KDS->value(), 144);
    QCOMPARE(Column(kds.StringGrid_KDS_Otbor, 0), shown);
    kds.ScrollBar_KDS->setValue(10);  // the scroll bar moves, nothing is read
    QCOMPARE(Column(kds.StringGrid_KDS_Otbor, 0), shown);
    const QString status = t_->form->StatusText(1);
    kds.BitBtn_Find_KDS->click();
    QCOMPARE(Items(kds.ComboBox_KDS), items);
    QCOMPARE(kds.Label_MaxM2->text(), summary);
    QCOMPARE(kds.Label_KDS_OtbZap->text(), Q("2"));
    QCOMPARE(t_->form->StatusText(1), status);
    QVERIFY(t_->host.messages.empty());
  }

  void unreadableFileShowsOneBoxPerAction() {
    const std::string path = Open(KdsRecords());
    Per().BitBtn_Find_Per->click();
    std::filesystem::remove(path);
    Per().ScrollBar_Per->setValue(7);
    QCOMPARE(t_->host.messages, (std::vector<Message>{{MessageKind::Error, kOpenFailed}}));
    QStringList expected(7, QString());
    expected[0] = Q("11");
    expected[6] = Q("БРАК");
    QCOMPARE(Column(Per().StringGrid_Per_Otb, 4), expected);

    Kds().ScrollBar_KDS->setValue(0);
    QCOMPARE(t_->host.messages.size(), std::size_t{2});
    QCOMPARE(Column(Kds().StringGrid_KDS_Otbor, 5),
             QStringList({Q("5"), "", "", "", "", Q("БРАК")}));

    // A search empties its list and keeps the count and the summary.
    const QString summary = Per().Label_MaxM1->text();
    Per().BitBtn_Find_Per->click();
    QCOMPARE(t_->host.messages.size(), std::size_t{3});
    QCOMPARE(t_->host.messages.back(), (Message{MessageKind::Error, kOpenFailed}));
    QCOMPARE(Per().ComboBox_Per->count(), 0);
    QCOMPARE(Per().Label_MaxM1->text(), summary);
  }

  void resetEmptiesBothTablesBeforeTheFrameTable() {
    Open(Overloads());
    Per().BitBtn_Find_Per->click();
    const QStringList items = Items(Per().ComboBox_Per);
    bool emptiedFirst = false;
    t_->form->ResetSteps().Add(vertal::app::ResetStage::Tables, [&] {
      emptiedFirst = Per().ScrollBar_Per->value() == 0 && Kds().ScrollBar_KDS->value() == 0 &&
                     Column(Per().StringGrid_Per_Otb, 0)[0].isEmpty();
    });
    t_->form->ResetView();
    QVERIFY(emptiedFirst);
    for (int c = 0; c < 9; ++c)
      QCOMPARE(Column(Per().StringGrid_Per_Otb, c), QStringList(7, QString()));
    for (int c = 0; c < 6; ++c)
      QCOMPARE(Column(Kds().StringGrid_KDS_Otbor, c), QStringList(6, QString()));
    QCOMPARE(Items(Per().ComboBox_Per), items);
    QVERIFY(!Per().Label_MaxM1->text().isEmpty());
    // With no file current, paging and searching do nothing.
    Per().ScrollBar_Per->setValue(5);
    Kds().ScrollBar_KDS->setValue(5);
    Per().BitBtn_Find_Per->click();
    QCOMPARE(Column(Per().StringGrid_Per_Otb, 0)[0], QString());
    QCOMPARE(Column(Kds().StringGrid_KDS_Otbor, 0)[0], QString());
    QCOMPARE(Items(Per().ComboBox_Per), items);
    QVERIFY(t_->host.messages.empty());
  }

 private:
  OverloadPage& Per() { return *t_->form->overloadPage; }
  KdsPage& Kds() { return *t_->form->kdsPage; }

  void ShowSheet(QWidget* sheet) {
    t_->form->PageControl_Main->setCurrentWidget(t_->form->TabSheet_Cikl);
    t_->form->PageControl_Cikl->setCurrentWidget(sheet);
    QApplication::processEvents();
  }

  std::string Open(const DumpBuilder& builder, const std::string& name = "d.bin") {
    const std::string path = dir_.File(name);
    builder.Write(path);
    t_->form->SetStatusText(0, QString::fromStdString(path));
    t_->form->OpenDumpFile();
    ShowSheet(t_->form->TabSheet_Per);
    return path;
  }

  std::unique_ptr<MainWindowFixture> t_;
  TempDir dir_;
};

int main(int argc, char** argv) {
  // The window takes the decimal separator from the user's regional settings.
  qunsetenv("LC_ALL");
  qputenv("LC_NUMERIC", "ru_RU.UTF-8");
  QApplication app(argc, argv);
  EventPagesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "EventPagesTest.moc"
