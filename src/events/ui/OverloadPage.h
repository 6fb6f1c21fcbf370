#pragma once
// The page "Перегрузки" of "Циклическая": the overload records of the long-term area nine at
// a time, the search by load and a range of dates, and the summary of the last search. The
// page shows what the core computes; every page turn and search re-reads the current file.
//
// Design names (Qt object names) of the members (the table, its scroll bar, its record count
// and the search summary are the shared skeleton's and keep the names below):
//   StringGrid_Per_Otb  the grid       ScrollBar_Per     its scroll bar
//   Label_Per_OtbZap    record count   Label_MaxM1       search summary
//   Edit_Per_M          loadThreshold_ Edit_Per_Data0    fromDate_
//   Edit_Per_Data1      toDate_        ComboBox_Per      foundRecords_
//   BitBtn_Find_Per     searchButton_ ("Найти", OnOverloadSearch)

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
  void OnOverloadSearch();

  // The search fields as typed.
  OverloadFields Typed() const;
  // How a search shows on the page and in the status bar: the page's "Найти" runs it so, and
  // so do the commands that need its records.
  static ui::PassDisplay SearchDisplay();

 private:
  QGroupBox* BuildSearchGroup();

  QLineEdit* loadThreshold_ = nullptr;
  QLineEdit* fromDate_ = nullptr;
  QLineEdit* toDate_ = nullptr;
  JumpListCombo* foundRecords_ = nullptr;
  QPushButton* searchButton_ = nullptr;
};

}  // namespace vertal::events
