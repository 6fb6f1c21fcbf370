#pragma once
// A result list as a model for a combo box: the numbers are kept, an item's text is made only
// when the view asks for it. Filling it is one assignment of a shared list, however many items
// the list has.

#include <QAbstractListModel>
#include <optional>

#include "common/core/JumpList.h"

namespace vertal::ui {

class JumpListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  void SetList(JumpList list);
  const JumpList& List() const { return list_; }
  std::optional<std::int64_t> NumberAt(int row) const { return list_.NumberAt(row); }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  JumpList list_;
};

}  // namespace vertal::ui
