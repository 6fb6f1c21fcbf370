#include "common/ui/JumpListCombo.h"

#include <QLineEdit>
#include <QListView>
#include <QValidator>
#include <algorithm>

namespace vertal::ui {

namespace {
// Characters the closed list is wide enough for; the width never follows the items, which
// would measure every one of them.
constexpr int kShownCharacters = 24;

// Limits what the user types, not what the list shows: the chosen item may be longer than the
// limit, and the user may shorten it, but typing makes no text longer than both the limit and
// the chosen item.
class TypedLengthLimit final : public QValidator {
 public:
  TypedLengthLimit(int limit, QComboBox* list) : QValidator(list), limit_(limit), list_(list) {}
  State validate(QString& input, int&) const override {
    const qsizetype chosen = list_->itemText(list_->currentIndex()).size();
    return input.size() <= std::max(limit_, chosen) ? Acceptable : Invalid;
  }

 private:
  qsizetype limit_;
  QComboBox* list_;
};

}  // namespace

JumpListCombo::JumpListCombo(const char* name, int maxTyped, QWidget* parent) : QComboBox(parent) {
  setObjectName(QString::fromLatin1(name));
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  if (maxTyped > 0) setValidator(new TypedLengthLimit(maxTyped, this));
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

}  // namespace vertal::ui
