#include "dump/ui/ServicePage.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

#include "dump/core/ServiceCaptions.h"
#include "common/ui/ModelWidgets.h"
#include "common/ui/PageStyle.h"
#include "common/ui/ValueStyle.h"

namespace vertal::dump {

namespace {

using ui::Caption;
using ui::MakeLabel;
using ui::StyleAsValue;

constexpr int kPageMargin = 4;
constexpr int kColumnSpacing = 6;
constexpr int kGroupSpacing = 4;
constexpr int kBoxMargin = 6;
constexpr int kCaptionSpacing = 8;
constexpr int kRowSpacing = 2;

struct Field {
  const char* value;        // objectName of the value label
  const char* caption;      // caption text at start
  const char* captionName;  // objectName of the caption, where it has one
  bool name = false;        // a name of up to forty characters from the file
};

struct Group {
  const char* title;
  std::span<const Field> fields;
};

constexpr Field kLimiter[] = {
    {"Label_ModVERTAL", "Модификация:", nullptr},
    {"Label_NVERTAL", "Зав. №:", nullptr},
    {"Label_Prog", "Программа:", nullptr},
    {"Label_NumIzmen", "Номер изменения:", "Label44"},
    {"Label_VTabl", "Версия таблиц:", nullptr},
    {"Label_VRP", "Версия РП:", nullptr},
    {"Label_IzgotVERTAL", "Изготовитель VERTAL:", nullptr, true},
};

constexpr Field kCrane[] = {
    {"Label_MKran", "Кран: ", nullptr, true},
    {"Label_NKran", "№:", nullptr},
    {"Label_IzgotKran", "Завод-изготовитель крана:", nullptr, true},
    {"Label_GodIzgot", "Год изготовления:", nullptr},
    {"Label_GrRegNag", "Грурппа режима работы:", nullptr},
    {"Label_VladKran", "Владелец крана:", nullptr, true},
};

constexpr Field kService[] = {
    {"Label_NalOrg", "Пуско-наладочная организация:", nullptr, true},
    {"Label_DataUst", "Дата установки РП:", nullptr},
};

constexpr Field kOperator[] = {
    {"Label_Name", "Инормацию считал:", nullptr, true},
    {"Label_Org", "Организация:", nullptr, true},
    {"Label_NUd", "Удост. №:", nullptr},
    {"Label_DataSch", "Дата считывания:", nullptr},
};

constexpr Field kMechanisms[] = {
    {"E_LEsec", kHoistTimeCaption.data(), nullptr},
    {"E_ALsec", kAngleTimeCaption.data(), nullptr},
    {"E_Lsec", kLengthTimeCaption.data(), nullptr},
    {"E_GAsec", kSlewTimeCaption.data(), nullptr},
};

constexpr Field kResource[] = {
    {"L_TimeAll", kPoweredTimeCaption.data(), nullptr},
    {"Label_N_N_L", kLoadedTimeCaption.data(), "Label39"},
    {"Label_Sum_Q", kLiftedWeightCaption.data(), nullptr},
    {"Label_HarCh", kCharNumberCaption.data(), nullptr},
    {"Label_NHarch", "Характеристическое число (нормативное):", nullptr},
    {"L_GRKr", "Нормативная группа классификации крана в целом:", nullptr},
    {"Label_KIspU", "Класс использования:", nullptr},
    {"Label_KNag", "Коэффициент распределения нагрузок:", nullptr},
    {"Label_RezhQ", "Режим нагружения:", nullptr},
    {"Label_RezhA", "Фактическая группа классификации крана в целом:", nullptr},
    {"Label_K_C_PO_P", kOverloadTripsCaption.data(), "Label10"},
    {"Label_K_P_110_125", kOverloads110To125Caption.data(), "Label38"},
    {"Label_K_P_125", kOverloadsAbove125Caption.data(), "Label40"},
};

// Identification on the left, times and classification on the right.
const Group kLeftColumn[] = {
    {"Идентификация ограничителя", kLimiter},
    {"Индентификация крана", kCrane},
    {"Сервисная организация", kService},
    {"Информация об операторе", kOperator},
};
const Group kRightColumn[] = {
    {"Время работы механизмов", kMechanisms},
    {"Информация о режимах работы и ресурсе крана", kResource},
};

}  // namespace

ServicePage::ServicePage(QFrame* panel) : QWidget(panel) {
  setObjectName(QStringLiteral("ServicePage"));
  ui::FillWith(panel, this);

  auto* columns = new QHBoxLayout(this);
  columns->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
  columns->setSpacing(kColumnSpacing);

  // The identification takes the room its names need; the right column keeps its width.
  const auto addColumn = [&](std::span<const Group> groups, int stretch) {
    auto* column = new QVBoxLayout;
    column->setSpacing(kGroupSpacing);
    Column& placed = columns_.emplace_back();
    for (const Group& group : groups) {
      auto* box = new QGroupBox(QString::fromUtf8(group.title), this);
      auto* grid = new QGridLayout(box);
      grid->setContentsMargins(kBoxMargin, kBoxMargin, kBoxMargin, kBoxMargin);
      grid->setHorizontalSpacing(kCaptionSpacing);
      grid->setVerticalSpacing(kRowSpacing);
      grid->setColumnStretch(1, 1);
      int row = 0;
      for (const Field& field : group.fields) {
        QLabel* caption = MakeLabel(box, field.captionName, QString::fromUtf8(field.caption));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // beside the first line of a name
        QLabel* value = MakeLabel(box, field.value, QString());
        if (field.name) {
          // A long name breaks between words and is never narrower than its longest word.
          value->setWordWrap(true);
          names_.push_back(value);
          value->setMinimumWidth(1);
        }
        StyleAsValue(value);
        Caption(caption, value);
        captions_.push_back(caption);
        placed.captions.push_back(caption);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        ++row;
      }
      column->addWidget(box);
      placed.grids.push_back(grid);
    }
    column->addStretch(1);
    columns->addLayout(column, stretch);
  };
  addColumn(kLeftColumn, 1);
  addColumn(kRightColumn, 0);
  AlignValues();
}

void ServicePage::Show(const ServicePageModel& model) {
  ui::ShowModel(this, model);
  if (model.version31RowsShown)
    for (std::string_view name : kVersion31Rows)
      if (QWidget* row = ui::FindControl(this, name)) row->setVisible(*model.version31RowsShown);
  FollowCaptions();
  AlignValues();
  HoldNameWidths();
  HoldNameHeights();
}

void ServicePage::HoldNameWidths() {
  for (QLabel* name : names_) {
    const QFontMetrics metrics(name->font());
    int widest = 1;
    for (const QString& word : name->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
      widest = std::max(widest, metrics.horizontalAdvance(word));
    name->setMinimumWidth(widest);
  }
}

void ServicePage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  HoldNameHeights();
}

void ServicePage::HoldNameHeights() {
  for (QLabel* name : names_) {
    const int height = name->heightForWidth(name->width());
    if (height > 0 && name->minimumHeight() != height) name->setMinimumHeight(height);
  }
}

void ServicePage::AlignValues() {
  // Captions change with the recorder version: the widest is measured each time.
  for (const Column& column : columns_) {
    int width = 0;
    for (const QLabel* caption : column.captions)
      if (!caption->isHidden()) width = std::max(width, caption->sizeHint().width());
    // Setting even the same width lays the page out and repaints the whole page tree.
    for (QGridLayout* grid : column.grids)
      if (grid->columnMinimumWidth(0) != width) grid->setColumnMinimumWidth(0, width);
  }
}

void ServicePage::FollowCaptions() {
  for (QLabel* caption : captions_) caption->buddy()->setAccessibleName(caption->text());
}

}  // namespace vertal::dump
