#include "frames/ui/JumpListCombo.h"

#include <QLineEdit>
#include <QListView>

namespace vertal::frames {

namespace {
// Characters the closed list is wide enough for; the width never follows the items, which
// would measure every one of them.
constexpr int kShownCharacters = 24;
}  // namespace

JumpListCombo::JumpListCombo(const char* name, int maxTyped, QWidget* parent) : QComboBox(parent) {
  setObjectName(QString::fromLatin1(name));
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  if (maxTyped > 0) lineEdit()->setMaxLength(maxTyped);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(kShownCharacters);
  // Every item is one line of text: the list need not measure each of them.
  auto* list = new QListView(this);
  list->setUniformItemSizes(true);
  setView(list);
  connect(this, &QComboBox::activated, this, &JumpListCombo::Chosen);
}

std::optional<std::int64_t> JumpListCombo::ChosenNumber() const {
  const int index = currentIndex();
  if (index < 0) return std::nullopt;
  const QVariant number = itemData(index, Qt::UserRole);
  if (!number.isValid()) return std::nullopt;
  return number.toLongLong();
}

}  // namespace vertal::frames
