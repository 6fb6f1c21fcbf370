// The pages "Перегрузки" and "КДС": their texts, the tables after opening and while paging,
// the searches with their summaries and refusals, the jumps from the result lists, files of the
// recorder version without KDS records, an unreadable file and the view reset.
// Numbers are shown with a decimal comma here, as under a Russian locale.

#include <QApplication>
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
#include "records/core/TypedInput.h"

using vertal::Message;
using vertal::MessageKind;
using vertal::records::NotDateMessage;
using vertal::records::NotWholeNumberMessage;
using vertal::testing::Column;
using vertal::testing::DumpBuilder;
using vertal::testing::FakeHost;
using vertal::testing::FindIn;
using vertal::testing::Items;
using vertal::testing::MainWindowFixture;
using vertal::testing::Q;

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

  void pagesShowTheirTextsAtStart() {
    const std::tuple<const char*, const char*, const char*> texts[] = {
        {"TabSheet_Per", "LabelC_NKAD", "Номер кадра"},
        {"TabSheet_Per", "LabelC_Time", "Вылет, м"},
        {"TabSheet_Per", "LabelC_H", "Грузоподъемность, т"},
        {"TabSheet_Per", "LabelC_S", "Процент загрузки, %"},
        {"TabSheet_Per", "LabelC_P", "Дата перегрузки"},
        {"TabSheet_Per", "Label36", "Режим работы"},
        {"TabSheet_Per", "Label35", "Контрольная сумма"},
        {"TabSheet_Per", "Label_OTBOR", "Отобрано кадров:"},
        {"TabSheet_Per", "Label_Per_OtbZap", "0000"},
        {"TabSheet_Per", "Label184", "Загрузка M% > "},
        {"TabSheet_Per", "Label185", "Дата перегрузки с"},
        {"TabSheet_Per", "Label186", "по "},
        {"TabSheet_Per", "Label_MaxM1", ""},
        {"TabSheet_KDS", "Label8", "Номер кадра"},
        {"TabSheet_KDS", "Label", "Значение параметра"},
        {"TabSheet_KDS", "Label46", "Параметр"},
        {"TabSheet_KDS", "Label45", "Дата"},
        {"TabSheet_KDS", "Label85", "Время"},
        {"TabSheet_KDS", "Label88", "Контрольная сумма"},
        {"TabSheet_KDS", "Label86", "Отобрано кадров:"},
        {"TabSheet_KDS", "Label_KDS_OtbZap", "0000"},
        {"TabSheet_KDS", "Label91", "Дата с"},
        {"TabSheet_KDS", "Label92", "по "},
        {"TabSheet_KDS", "Label_MaxM2", ""},
    };
    for (const auto& [sheet, name, text] : texts)
      QCOMPARE(FindIn<QLabel>(t_->Sheet(sheet), name)->text(), Q(text));
    const std::tuple<const char*, const char*, const char*> groups[] = {
        {"TabSheet_Per", "GroupBox3", "Условия отбора кадров"},
        {"TabSheet_Per", "GroupBox13", "Результат поиска:"},
        {"TabSheet_KDS", "GroupBox14", "Условия отбора кадров"},
        {"TabSheet_KDS", "GroupBox16", "Выбор параметра:"},
        {"TabSheet_KDS", "GroupBox15", "Результат поиска:"}};
    for (const auto& [sheet, name, title] : groups)
      QCOMPARE(FindIn<QGroupBox>(t_->Sheet(sheet), name)->title(), Q(title));
    const std::pair<const char*, const char*> fields[] = {{"Edit_Per_M", "110"},
                                                          {"Edit_Per_Data0", "10.09.08"},
                                                          {"Edit_Per_Data1", "20.09.08"},
                                                          {"Edit_KDS_Data0", "10.09.08"},
                                                          {"Edit_KDS_Data1", "20.09.08"}};
    for (const auto& [name, text] : fields) QCOMPARE(Field(name)->text(), Q(text));
    QCOMPARE(Button("BitBtn_Find_Per")->text(), Q("Найти"));
    QCOMPARE(Button("BitBtn_Find_KDS")->text(), Q("Найти"));
    QVERIFY(Note()->isHidden());
    // The parameter list is filled at start-up, first chosen, and takes no typed text.
    QComboBox* parameters = List("ComboBox_KDS_PAR");
    QVERIFY(!parameters->isEditable());
    QCOMPARE(Items(parameters),
             QStringList({Q("Температура РЖГ"), Q("Температура ДВ"), Q("Давление масла в ДВ"),
                          Q("Уровень масла"), Q("Уровень топлива"), Q("Датчик оборотов ДВ"),
                          Q("Напряжение БС")}));
    QCOMPARE(parameters->currentIndex(), 0);

    // Everything fits the window at its design size.
    for (const char* name : {"TabSheet_Per", "TabSheet_KDS"}) {
      t_->ShowSheet(name);
      QWidget* sheet = t_->Sheet(name);
      for (QWidget* w : sheet->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().isEmpty()) continue;
        const QRect placed(w->mapTo(sheet, QPoint(0, 0)), w->size());
        QVERIFY2(sheet->rect().contains(placed), qPrintable(w->objectName()));
      }
    }
  }

  void openingShowsTheLastPagesFilledFromTheNewFile() {
    Open(Overloads());
    QCOMPARE(Bar("ScrollBar_Per")->value(), 2591);
    QCOMPARE(Column(PerGrid(), 4),
             QStringList(
                 {Q("2595"), Q("15,05"), Q("8,25"), Q("140"), Q("10.09.08"), Q("3"), Q("НОРМА")}));
    QCOMPARE(Column(PerGrid(), 3).last(), Q("БРАК"));  // erased

    // The scroll bar stands at the end already: the page is filled where it stands.
    DumpBuilder next = KdsRecords();
    next.OverloadRecord(2595, vertal::testing::EncodeOverload(99, {0x01, 0x02, 0x08}));
    Open(next, "next.bin");
    QCOMPARE(Bar("ScrollBar_Per")->value(), 2591);
    QCOMPARE(Column(PerGrid(), 4)[3], Q("99"));
    QCOMPARE(Bar("ScrollBar_KDS")->value(), 144);
    QCOMPARE(
        Column(KdsGrid(), 2),
        QStringList({Q("146"), Q("80%"), Q("Ур. Т %"), Q("10.09.08"), Q("12:30:00"), Q("НОРМА")}));
    QVERIFY(t_->host.messages.empty());
  }

  void kdsValuesAreShownWithTheirUnits() {
    QCOMPARE(QLocale::system().decimalPoint(), Q(","));
    Open(KdsRecords());
    Bar("ScrollBar_KDS")->setValue(0);
    const QTableWidget* grid = KdsGrid();
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
    Open(Overloads());
    QComboBox* found = List("ComboBox_Per");
    QScrollBar* bar = Bar("ScrollBar_Per");
    Button("BitBtn_Find_Per")->click();
    QCOMPARE(Items(found),
             QStringList({Q("3-й кадр, дата 20.09.08"), Q("2595-й кадр, дата 10.09.08"),
                          Q("2599-й кадр, дата 11.09.08")}));
    QCOMPARE(found->currentIndex(), 0);
    QCOMPARE(Label("Label_Per_OtbZap")->text(), Q("3"));
    QCOMPARE(Label("Label_MaxM1")->text(),
             Q("Количество перегрузок больше 110% с 10.09.08 по 20.09.08 составляет 3"));
    QCOMPARE(t_->Panel(1), Q(" Поиск закончен"));

    // The jump: record 2595 stands in column 4 of the last page; record 3 in column 0.
    found->setFocus();
    QTest::keyClick(found, Qt::Key_Down);
    QCOMPARE(bar->value(), 2591);
    QCOMPARE(Column(PerGrid(), 4)[0], Q("2595"));
    QTest::keyClick(found, Qt::Key_Up);
    QCOMPARE(bar->value(), 3);
    QCOMPARE(Column(PerGrid(), 0)[3], Q("110"));

    // The summary repeats the fields as typed; a reversed range selects nothing.
    Field("Edit_Per_M")->setText(QStringLiteral(" 95"));
    Field("Edit_Per_Data0")->setText(QStringLiteral("20.09.08"));
    Field("Edit_Per_Data1")->setText(QStringLiteral("10.09.08"));
    Button("BitBtn_Find_Per")->click();
    QCOMPARE(found->count(), 0);
    QCOMPARE(Label("Label_Per_OtbZap")->text(), Q("0"));
    QCOMPARE(Label("Label_MaxM1")->text(),
             Q("Количество перегрузок больше  95% с 20.09.08 по 10.09.08 составляет 0"));

    // One day later at 109 %: the record of 21.09.08 comes in, the one at 109 % still not.
    Field("Edit_Per_M")->setText(QStringLiteral("109"));
    Field("Edit_Per_Data0")->setText(QStringLiteral("21.09.08"));
    Field("Edit_Per_Data1")->setText(QStringLiteral("21.09.08"));
    Button("BitBtn_Find_Per")->click();
    QCOMPARE(Items(found), QStringList{Q("0-й кадр, дата 21.09.08")});
    QVERIFY(t_->host.messages.empty());
  }

  void kdsSearchFindsTheChosenParameterOnly() {
    Open(KdsRecords());
    t_->ShowSheet("TabSheet_KDS");
    QComboBox* found = List("ComboBox_KDS");
    List("ComboBox_KDS_PAR")->setCurrentIndex(4);  // "Уровень топлива"
    Button("BitBtn_Find_KDS")->click();
    QCOMPARE(Items(found), QStringList({Q("4-й кадр, дата: 20.09.08 в 23:59:59"),
                                        Q("146-й кадр, дата: 10.09.08 в 12:30:00")}));
    QCOMPARE(Label("Label_KDS_OtbZap")->text(), Q("2"));
    QCOMPARE(Label("Label_MaxM2")->text(), Q("Количество превышенных параметров ( Уровень топлива ) с "
                                             "10.09.08 по 20.09.08 составляет 2"));
    QCOMPARE(t_->Panel(1), Q(" Поиск закончен"));
    QTest::keyClick(found, Qt::Key_Down);
    QCOMPARE(Bar("ScrollBar_KDS")->value(), 144);
    QCOMPARE(Column(KdsGrid(), 2)[0], Q("146"));

    List("ComboBox_KDS_PAR")->setCurrentIndex(5);
    Button("BitBtn_Find_KDS")->click();
    QCOMPARE(found->count(), 0);
    QCOMPARE(Label("Label_KDS_OtbZap")->text(), Q("0"));
    QVERIFY(Label("Label_MaxM2")->text().endsWith(Q(" составляет 0")));
    QVERIFY(t_->host.messages.empty());
  }

  void searchesShowTheirStatusAndProgress() {
    WatchingHost host;
    vertal::testing::CountingPort port;
    vertal::app::MainWindow form(host, port);
    auto* progress = FindIn<QProgressBar>(&form, "ProgressBar1");
    QStringList seen;
    host.onRepaint = [&] { seen << QStringLiteral("%1|%2").arg(form.StatusText(1)).arg(progress->maximum()); };
    const std::string path = t_->Write(KdsRecords(), "watched.bin");
    form.OpenFile(path);
    seen.clear();
    FindIn<QPushButton>(&form, "BitBtn_Find_Per")->click();
    FindIn<QPushButton>(&form, "BitBtn_Find_KDS")->click();
    QCOMPARE(seen, QStringList({Q(" Идет поиск перегрузок|2600"), Q("Идет поиск параметров|150")}));
    QCOMPARE(form.StatusText(1), Q(" Поиск закончен"));
    QCOMPARE(progress->value(), 0);
  }

  void unreadableFieldsAreRefusedBeforeSearching() {
    Field("Edit_Per_M")->setText(QStringLiteral("x"));
    Button("BitBtn_Find_Per")->click();  // no file yet: nothing at all
    Button("BitBtn_Find_KDS")->click();
    QVERIFY(t_->host.messages.empty());
    Field("Edit_Per_M")->setText(QStringLiteral("110"));

    DumpBuilder both = Overloads();
    both.RecorderVersion(31);
    Open(both);
    Button("BitBtn_Find_Per")->click();
    Button("BitBtn_Find_KDS")->click();
    const QString status = t_->Panel(1);
    const QString perSummary = Label("Label_MaxM1")->text();
    const QString kdsSummary = Label("Label_MaxM2")->text();

    struct Refusal {
      const char* field;
      const char* typed;
      std::string message;
      const char* button;
    };
    const Refusal refusals[] = {
        {"Edit_Per_M", "1x", NotWholeNumberMessage("Загрузка M%", "1x"), "BitBtn_Find_Per"},
        {"Edit_Per_M", "", NotWholeNumberMessage("Загрузка M%", ""), "BitBtn_Find_Per"},
        {"Edit_Per_Data0", "1.9.08", NotDateMessage("Дата перегрузки с", "1.9.08"),
         "BitBtn_Find_Per"},
        {"Edit_Per_Data1", "xx.09.08", NotDateMessage("Дата перегрузки по", "xx.09.08"),
         "BitBtn_Find_Per"},
        {"Edit_KDS_Data0", "", NotDateMessage("Дата с", ""), "BitBtn_Find_KDS"},
        {"Edit_KDS_Data1", "20.09.0", NotDateMessage("Дата по", "20.09.0"), "BitBtn_Find_KDS"},
    };
    for (const Refusal& r : refusals) {
      t_->host.messages.clear();
      QLineEdit* field = Field(r.field);
      const QString kept = field->text();
      field->setText(Q(r.typed));
      Button(r.button)->click();
      QCOMPARE(t_->host.messages, (std::vector<Message>{{MessageKind::Error, r.message}}));
      field->setText(kept);
      QCOMPARE(List("ComboBox_Per")->count(), 3);
      QCOMPARE(Label("Label_Per_OtbZap")->text(), Q("3"));
      QCOMPARE(Label("Label_MaxM1")->text(), perSummary);
      QCOMPARE(Label("Label_MaxM2")->text(), kdsSummary);
      QCOMPARE(t_->Panel(1), status);
    }
  }

  void kdsPageBelongsToTheOpenFile() {
    Open(KdsRecords(31), "v31.bin");
    t_->ShowSheet("TabSheet_KDS");
    List("ComboBox_KDS_PAR")->setCurrentIndex(4);
    Button("BitBtn_Find_KDS")->click();
    const QStringList records = Column(KdsGrid(), 2);
    QCOMPARE(records[0], Q("146"));
    QCOMPARE(List("ComboBox_KDS")->count(), 2);
    QVERIFY(Note()->isHidden());

    // A file of version 30 keeps no KDS records, whatever its bytes there hold.
    DumpBuilder v30 = KdsRecords(30);
    v30.KdsRecord(144, vertal::testing::EncodeKds(1, 1));
    Open(v30, "v30.bin");
    t_->ShowSheet("TabSheet_KDS");
    for (int c = 0; c < KdsGrid()->columnCount(); ++c)
      QCOMPARE(Column(KdsGrid(), c), QStringList(KdsGrid()->rowCount(), QString()));
    QCOMPARE(List("ComboBox_KDS")->count(), 0);
    QCOMPARE(Label("Label_KDS_OtbZap")->text(), Q("0000"));
    QCOMPARE(Label("Label_MaxM2")->text(), QString());
    QVERIFY(Note()->isVisible());
    QCOMPARE(Note()->text(), Q("Записи КДС есть только в файлах версии 31; версия этого файла: 30"));
    // Paging and searching read nothing and change nothing.
    const QString status = t_->Panel(1);
    Bar("ScrollBar_KDS")->setValue(10);
    QCOMPARE(Column(KdsGrid(), 0), QStringList(KdsGrid()->rowCount(), QString()));
    Button("BitBtn_Find_KDS")->click();
    QCOMPARE(List("ComboBox_KDS")->count(), 0);
    QCOMPARE(Label("Label_KDS_OtbZap")->text(), Q("0000"));
    QCOMPARE(t_->Panel(1), status);
    QVERIFY(t_->host.messages.empty());

    Open(KdsRecords(31), "v31.bin");
    QVERIFY(Note()->isHidden());
    QCOMPARE(Column(KdsGrid(), 2), records);
  }

  void unreadableFileShowsOneBoxPerAction() {
    const std::string path = Open(KdsRecords());
    Button("BitBtn_Find_Per")->click();
    List("ComboBox_KDS_PAR")->setCurrentIndex(4);
    Button("BitBtn_Find_KDS")->click();
    QCOMPARE(List("ComboBox_KDS")->count(), 2);
    std::filesystem::remove(path);
    // The open file's bytes are held, so a file gone from disk fails only once it is opened again.
    t_->form->OpenFile(path);
    t_->host.messages.clear();
    Bar("ScrollBar_Per")->setValue(7);
    QCOMPARE(t_->host.messages, (std::vector<Message>{{MessageKind::Error, kOpenFailed}}));
    QStringList expected(7, QString());
    expected[0] = Q("11");
    expected[6] = Q("БРАК");
    QCOMPARE(Column(PerGrid(), 4), expected);

    Bar("ScrollBar_KDS")->setValue(0);
    QCOMPARE(t_->host.messages.size(), std::size_t{2});
    QCOMPARE(Column(KdsGrid(), 5), QStringList({Q("5"), "", "", "", "", Q("БРАК")}));

    // A search empties its list and keeps the count and the summary.
    const QString summary = Label("Label_MaxM1")->text();
    Button("BitBtn_Find_Per")->click();
    QCOMPARE(t_->host.messages.size(), std::size_t{3});
    QCOMPARE(t_->host.messages.back(), (Message{MessageKind::Error, kOpenFailed}));
    QCOMPARE(List("ComboBox_Per")->count(), 0);
    QCOMPARE(Label("Label_MaxM1")->text(), summary);
    Button("BitBtn_Find_KDS")->click();
    QCOMPARE(t_->host.messages.size(), std::size_t{4});
    QCOMPARE(List("ComboBox_KDS")->count(), 0);
    QCOMPARE(Label("Label_KDS_OtbZap")->text(), Q("2"));
  }

  void resetEmptiesBothTablesAndKeepsTheLists() {
    Open(Overloads());
    Button("BitBtn_Find_Per")->click();
    const QStringList items = Items(List("ComboBox_Per"));
    t_->form->ResetView();
    QCOMPARE(Bar("ScrollBar_Per")->value(), 0);
    QCOMPARE(Bar("ScrollBar_KDS")->value(), 0);
    for (int c = 0; c < PerGrid()->columnCount(); ++c)
      QCOMPARE(Column(PerGrid(), c), QStringList(PerGrid()->rowCount(), QString()));
    for (int c = 0; c < KdsGrid()->columnCount(); ++c)
      QCOMPARE(Column(KdsGrid(), c), QStringList(KdsGrid()->rowCount(), QString()));
    QCOMPARE(Items(List("ComboBox_Per")), items);
    QVERIFY(!Label("Label_MaxM1")->text().isEmpty());
    // With no file current, paging and searching do nothing.
    Bar("ScrollBar_Per")->setValue(5);
    Bar("ScrollBar_KDS")->setValue(5);
    Button("BitBtn_Find_Per")->click();
    QCOMPARE(Column(PerGrid(), 0)[0], QString());
    QCOMPARE(Column(KdsGrid(), 0)[0], QString());
    QCOMPARE(Items(List("ComboBox_Per")), items);
    QVERIFY(t_->host.messages.empty());
  }

 private:
  QTableWidget* PerGrid() const { return t_->Find<QTableWidget>("StringGrid_Per_Otb"); }
  QTableWidget* KdsGrid() const { return t_->Find<QTableWidget>("StringGrid_KDS_Otbor"); }
  QScrollBar* Bar(const char* name) const { return t_->Find<QScrollBar>(name); }
  QComboBox* List(const char* name) const { return t_->Find<QComboBox>(name); }
  QLabel* Label(const char* name) const { return t_->Find<QLabel>(name); }
  QLabel* Note() const { return Label("Label_KDS_Note"); }
  QLineEdit* Field(const char* name) const { return t_->Find<QLineEdit>(name); }
  QPushButton* Button(const char* name) const { return t_->Find<QPushButton>(name); }

  // Opens the file and shows the page "Перегрузки".
  std::string Open(const DumpBuilder& builder, const std::string& name = "d.bin") {
    const std::string path = t_->Open(builder, name);
    t_->ShowSheet("TabSheet_Per");
    return path;
  }

  std::unique_ptr<MainWindowFixture> t_;
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
