#include "common/ui/JumpListModel.h"

#include "common/ui/UiText.h"

namespace vertal::ui {

void JumpListModel::SetList(JumpList list) {
  beginResetModel();
  list_ = std::move(list);
  endResetModel();
}

int JumpListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.Count());
}

QVariant JumpListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  if (role == Qt::DisplayRole || role == Qt::EditRole) return ToQString(list_.Text(row));
  if (role == Qt::UserRole) return QVariant::fromValue<qlonglong>(list_.Numbers()[row]);
  return {};
}

}  // namespace vertal::ui
