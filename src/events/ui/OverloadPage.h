#pragma once
// The page "Перегрузки" of "Циклическая": the overload records of the long-term area nine at
// a time, the search by load and a range of dates, and the summary of the last search. The
// page shows what the core computes; every page turn and search re-reads the current file.

#include "events/core/OverloadRecords.h"
#include "events/ui/EventTablePage.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vertal::events {

using ui::JumpListCombo;
using ui::PageWindow;

class OverloadPage : public EventTablePage<OverloadSearchModel> {
  Q_OBJECT

 public:
  // Builds the page inside `sheet`.
  OverloadPage(QWidget* sheet, PageWindow& window);

  // --- Handlers ---
  void BitBtn_Find_PerClick();

  // The search fields as typed.
  OverloadFields Typed() const;
  // How a search shows on the page and in the status bar: the page's "Найти" runs it so, and
  // so do the commands that need its records.
  static ui::PassDisplay SearchDisplay();

 private:
  QGroupBox* BuildSearchGroup();

  QLineEdit* Edit_Per_M = nullptr;
  QLineEdit* Edit_Per_Data0 = nullptr;
  QLineEdit* Edit_Per_Data1 = nullptr;
  JumpListCombo* ComboBox_Per = nullptr;
  QPushButton* BitBtn_Find_Per = nullptr;
};

}  // namespace vertal::events
