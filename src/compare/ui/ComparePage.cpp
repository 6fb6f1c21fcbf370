#include "compare/ui/ComparePage.h"

#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QTableWidget>
#include <QVBoxLayout>

#include "compare/core/DiffTexts.h"
#include "common/ui/ListGrid.h"
#include "common/ui/PageStyle.h"
#include "common/ui/UiText.h"
#include "common/ui/ValueStyle.h"

namespace vertal::compare {
namespace {

using ui::ToQString;

constexpr int kSpacing = 4;
constexpr int kRowPadding = 4;
constexpr int kCounterStretch = 3;
constexpr int kNewItemStretch = 2;
enum CounterColumn { kNameColumn, kOldColumn };
constexpr int kFieldsColumn = 2;
constexpr int kNoNumbers = 3;
constexpr QRgb kNoticeColour = 0xC00000;  // dark red: a refusal or a warning

QLabel* MakeText(QWidget* parent, const char* name, const QString& accessibleName) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAccessibleName(accessibleName);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

// Cells from column `numbersFrom` on hold numbers and stand right-aligned.
void SetRow(QTableWidget* grid, int row, const QStringList& texts, int numbersFrom) {
  for (int column = 0; column < texts.size(); ++column) {
    auto* item = new QTableWidgetItem(texts[column]);
    if (column >= numbersFrom) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->setItem(row, column, item);
  }
}

}  // namespace

ComparePage::ComparePage(QWidget* sheet) : QWidget(sheet) {
  setObjectName(QStringLiteral("ComparePage"));
  QVBoxLayout* column = ui::FillSheet(sheet, this, kSpacing);
  Label_CompareFiles = MakeText(this, "Label_CompareFiles", QStringLiteral("Сравниваемые файлы"));
  Label_CompareNotice = MakeText(this, "Label_CompareNotice", QStringLiteral("Предупреждение"));
  QPalette notice = Label_CompareNotice->palette();
  notice.setColor(QPalette::WindowText, QColor(kNoticeColour));
  Label_CompareNotice->setPalette(notice);
  QFont bold = Label_CompareNotice->font();
  bold.setBold(true);
  Label_CompareNotice->setFont(bold);
  Grid_Counters = MakeGrid("Grid_Counters", QStringLiteral("Изменения счётчиков"),
                           {QStringLiteral("Показатель"), QStringLiteral("Было"),
                            QStringLiteral("Стало"), QStringLiteral("Изменение")},
                           kNameColumn);
  Label_LifeUsed = MakeText(this, "Label_LifeUsed", QStringLiteral("Израсходованный ресурс"));
  Label_NormativeDate =
      MakeText(this, "Label_NormativeDate", QStringLiteral("Достижение нормативного числа"));
  ui::StyleAsValue(Label_LifeUsed);
  ui::StyleAsValue(Label_NormativeDate);
  Grid_NewItems = MakeGrid("Grid_NewItems", QStringLiteral("Новое во втором считывании"),
                           {QStringLiteral("Список"), QStringLiteral("Элемент"),
                            QStringLiteral("Содержание записи")},
                           kFieldsColumn);
  column->addWidget(Label_CompareFiles);
  column->addWidget(Label_CompareNotice);
  column->addWidget(Grid_Counters, kCounterStretch);
  column->addWidget(Label_LifeUsed);
  column->addWidget(Label_NormativeDate);
  column->addWidget(Grid_NewItems, kNewItemStretch);
  Empty();
}

QTableWidget* ComparePage::MakeGrid(const char* name, const QString& accessibleName,
                                    const QStringList& headers, int stretched) {
  QTableWidget* grid = ui::MakeListGrid(this, name, accessibleName, headers, kRowPadding);
  QHeaderView* header = grid->horizontalHeader();
  for (int c = 0; c < grid->columnCount(); ++c)
    header->setSectionResizeMode(c, c == stretched ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
  return grid;
}

void ComparePage::Show(const ReadingDiff& diff) {
  Label_CompareFiles->setText(ToQString(ReadingsText(diff)));
  const std::optional<std::string>& notice = diff.refusal ? diff.refusal : diff.warning;
  Label_CompareNotice->setText(notice ? ToQString(*notice) : QString());
  Label_CompareNotice->setVisible(notice.has_value());
  ShowCounters(diff);
  Label_LifeUsed->setText(ToQString(diff.lifeUsed.text));
  Label_NormativeDate->setText(ToQString(diff.normativeDate.text));
  ShowNewItems(diff);
}

void ComparePage::Empty() {
  Label_CompareFiles->setText(
      QStringLiteral("Файл → Сравнить с файлом…: выберите другое считывание этого крана."));
  Label_CompareNotice->clear();
  Label_CompareNotice->hide();
  Grid_Counters->setRowCount(0);
  Label_LifeUsed->clear();
  Label_NormativeDate->clear();
  Grid_NewItems->setRowCount(0);
}

void ComparePage::ShowCounters(const ReadingDiff& diff) {
  Grid_Counters->setRowCount(static_cast<int>(diff.counters.size()));
  for (std::size_t i = 0; i < diff.counters.size(); ++i) {
    const CounterChange& c = diff.counters[i];
    SetRow(Grid_Counters, static_cast<int>(i),
           {ToQString(c.name), ToQString(c.oldValue), ToQString(c.newValue), ToQString(c.change)},
           kOldColumn);
  }
}

void ComparePage::ShowNewItems(const ReadingDiff& diff) {
  const std::vector<NewItemRow> rows = NewItemRows(diff);
  Grid_NewItems->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    SetRow(Grid_NewItems, static_cast<int>(i),
           {ToQString(rows[i].kind), ToQString(rows[i].item), ToQString(rows[i].fields)}, kNoNumbers);
}

}  // namespace vertal::compare
