#pragma once
// A result list: an editable drop-down list whose items each stand for a record number. The
// items and numbers come in as one model (JumpListModel, which keeps the number of each row
// under Qt::UserRole), so a list of any length is filled in one step. Only a choice of the
// user counts: `Chosen` is raised when the user picks an item, with the mouse or the
// keyboard, also the item already shown; typed text that names no item raises nothing.

#include <QComboBox>
#include <cstdint>
#include <optional>

namespace vertal::ui {

class JumpListCombo : public QComboBox {
  Q_OBJECT

 public:
  // `maxTyped` limits the typed text; 0 leaves it free.
  JumpListCombo(const char* name, int maxTyped, QWidget* parent = nullptr);

  // The record number of the current item; nothing when no item is chosen.
  std::optional<std::int64_t> ChosenNumber() const;

 signals:
  void Chosen();
};

}  // namespace vertal::ui
