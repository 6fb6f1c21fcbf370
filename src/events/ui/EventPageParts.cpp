#include "events/ui/EventPageParts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/FindPicture.h"
#include "common/ui/JumpListCombo.h"
#include "common/ui/PageStyle.h"
#include "common/ui/UiText.h"
#include "common/ui/ValueStyle.h"

namespace vertal::events {

using ui::BoldTitle;
using ui::MakeGroup;
using ui::StyleAsCount;

namespace {

constexpr int kPartSpacing = 4;
constexpr int kBoxMargin = 4;
constexpr int kControlSpacing = 6;
constexpr int kCaptionGap = 10;  // before each caption but the first
constexpr int kDateLength = 8;
constexpr int kDateWidth = 60;

}  // namespace

QVBoxLayout* FillSheet(QWidget* sheet, QWidget* page) {
  return ui::FillSheet(sheet, page, kPartSpacing);
}

QLabel* MakeSummary(QWidget* page, const char* name) {
  QLabel* summary = ui::MakeLabel(page, name, QString());
  StyleAsCount(summary);
  summary->setIndent(kBoxMargin);
  summary->setAccessibleName(QString::fromUtf8("Результат поиска"));
  return summary;
}

SearchGroup::SearchGroup(QWidget* page, const char* name)
    : box_(MakeGroup(page, name, "Условия отбора кадров")), row_(new QHBoxLayout(box_)) {
  row_->setContentsMargins(kBoxMargin, kBoxMargin, kBoxMargin, kBoxMargin);
  row_->setSpacing(kControlSpacing);
}

QLineEdit* SearchGroup::AddField(const char* captionName, const char* caption,
                                 const char* fieldName, const std::string& text, int maxLength,
                                 int width) {
  QLabel* label = ui::MakeLabel(box_, captionName, QString::fromUtf8(caption));
  auto* field = new QLineEdit(ui::ToQString(text), box_);
  field->setObjectName(QString::fromLatin1(fieldName));
  field->setMaxLength(maxLength);
  field->setFixedWidth(width);
  ui::Caption(label, field);
  if (row_->count() > 0) row_->addSpacing(kCaptionGap);
  row_->addWidget(label);
  row_->addWidget(field);
  return field;
}

QLineEdit* SearchGroup::AddDateField(const char* captionName, const char* caption,
                                     const char* fieldName, const std::string& text) {
  return AddField(captionName, caption, fieldName, text, kDateLength, kDateWidth);
}

void SearchGroup::AddListGroup(const char* groupName, const char* title, QComboBox* list) {
  QGroupBox* group = MakeGroup(box_, groupName, title);
  auto* column = new QVBoxLayout(group);
  column->setContentsMargins(kBoxMargin, kBoxMargin, kBoxMargin, kBoxMargin);
  list->setParent(group);
  list->setAccessibleName(group->title());
  column->addWidget(list);
  BoldTitle(group);
  if (row_->count() > 0) row_->addSpacing(kCaptionGap);
  row_->addWidget(group);
}

JumpListCombo* SearchGroup::AddResultList(const char* groupName, const char* listName, int width) {
  auto* list = new JumpListCombo(listName, 0, box_);
  list->setFixedWidth(width);
  AddListGroup(groupName, "Результат поиска:", list);
  return list;
}

QPushButton* SearchGroup::AddFindButton(const char* name) {
  auto* button = new QPushButton(ui::FindPicture(), QString::fromUtf8("Найти"), box_);
  button->setObjectName(QString::fromLatin1(name));
  row_->addWidget(button, 0, Qt::AlignBottom);
  return button;
}

QGroupBox* SearchGroup::Finish() {
  row_->addStretch(1);
  BoldTitle(box_);
  return box_;
}

}  // namespace vertal::events
