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
  filesLabel_ = ui::MakePageText(this, "Label_CompareFiles", QStringLiteral("Сравниваемые файлы"));
  notice_ = ui::MakePageText(this, "Label_CompareNotice", QStringLiteral("Предупреждение"));
  QPalette notice = notice_->palette();
  notice.setColor(QPalette::WindowText, QColor(kNoticeColour));
  notice_->setPalette(notice);
  QFont bold = notice_->font();
  bold.setBold(true);
  notice_->setFont(bold);
  countersGrid_ = MakeGrid("Grid_Counters", QStringLiteral("Изменения счётчиков"),
                           {QStringLiteral("Показатель"), QStringLiteral("Было"),
                            QStringLiteral("Стало"), QStringLiteral("Изменение")},
                           kNameColumn);
  lifeUsed_ = ui::MakePageText(this, "Label_LifeUsed", QStringLiteral("Израсходованный ресурс"));
  normativeDate_ =
      ui::MakePageText(this, "Label_NormativeDate", QStringLiteral("Достижение нормативного числа"));
  ui::StyleAsValue(lifeUsed_);
  ui::StyleAsValue(normativeDate_);
  newItemsGrid_ = MakeGrid(
      "Grid_NewItems", QStringLiteral("Новое во втором считывании"),
      {QStringLiteral("Список"), QStringLiteral("Элемент"), QStringLiteral("Содержание записи")},
      kFieldsColumn);
  column->addWidget(filesLabel_);
  column->addWidget(notice_);
  column->addWidget(countersGrid_, kCounterStretch);
  column->addWidget(lifeUsed_);
  column->addWidget(normativeDate_);
  column->addWidget(newItemsGrid_, kNewItemStretch);
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
  filesLabel_->setText(ToQString(ReadingsText(diff)));
  const std::optional<std::string>& notice = diff.refusal ? diff.refusal : diff.warning;
  notice_->setText(notice ? ToQString(*notice) : QString());
  notice_->setVisible(notice.has_value());
  ShowCounters(diff);
  lifeUsed_->setText(ToQString(diff.lifeUsed.text));
  normativeDate_->setText(ToQString(diff.normativeDate.text));
  ShowNewItems(diff);
}

void ComparePage::Empty() {
  filesLabel_->setText(
      QStringLiteral("Файл → Сравнить с файлом…: выберите другое считывание этого крана."));
  notice_->clear();
  notice_->hide();
  countersGrid_->setRowCount(0);
  lifeUsed_->clear();
  normativeDate_->clear();
  newItemsGrid_->setRowCount(0);
}

void ComparePage::ShowCounters(const ReadingDiff& diff) {
  countersGrid_->setRowCount(static_cast<int>(diff.counters.size()));
  for (std::size_t i = 0; i < diff.counters.size(); ++i) {
    const CounterChange& c = diff.counters[i];
    SetRow(countersGrid_, static_cast<int>(i),
           {ToQString(c.name), ToQString(c.oldValue), ToQString(c.newValue), ToQString(c.change)},
           kOldColumn);
  }
}

void ComparePage::ShowNewItems(const ReadingDiff& diff) {
  const std::vector<NewItemRow> rows = NewItemRows(diff);
  newItemsGrid_->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    SetRow(newItemsGrid_, static_cast<int>(i),
           {ToQString(rows[i].kind), ToQString(rows[i].item), ToQString(rows[i].fields)},
           kNoNumbers);
}

}  // namespace vertal::compare
