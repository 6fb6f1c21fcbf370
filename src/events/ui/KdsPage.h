#pragma once
// The page "КДС" of "Циклическая": the records of engine and hydraulic parameters out of their
// range six at a time, the search by parameter and a range of dates, and the summary of the
// last search. Only files of the recorder version that keeps these records are read; for any
// other the page is empty and says why.
//
// Design names (Qt object names) of the members (the table, its scroll bar, its record count
// and the search summary are the shared skeleton's and keep the names below):
//   StringGrid_KDS_Otbor  the grid       ScrollBar_KDS     its scroll bar
//   Label_KDS_OtbZap      record count   Label_MaxM2       search summary
//   ComboBox_KDS_PAR      parameterList_ Edit_KDS_Data0    fromDate_
//   Edit_KDS_Data1        toDate_        ComboBox_KDS      foundRecords_
//   Label_KDS_Note        versionNote_   BitBtn_Find_KDS   searchButton_ ("Найти", OnKdsSearch)

#include <cstdint>
#include <functional>

#include "events/core/KdsRecords.h"
#include "events/ui/EventTablePage.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vertal::events {

using ui::JumpListCombo;
using ui::PageWindow;

class KdsPage : public EventTablePage<KdsSearchModel> {
  Q_OBJECT

 public:
  // Builds the page inside `sheet`; `recorderVersion` gives the version of the current file.
  KdsPage(QWidget* sheet, PageWindow& window, std::function<std::int8_t()> recorderVersion);

  // --- Handlers ---
  void OnKdsSearch();

  // The seven parameters in code order, the first chosen.
  void FillParameterList();

  // --- Opening and resetting ---
  // The page as opening leaves it.
  void ShowOpened(const KdsPageModel& page);
  // Empties the grid and moves it to the first record.
  void ResetTable();

  // The search fields as set.
  KdsFields Typed() const;
  // How a search shows on the page and in the status bar: the page's "Найти" runs it so, and
  // so do the commands that need its records.
  static ui::PassDisplay SearchDisplay();

 private:
  QGroupBox* BuildSearchGroup();

  QLineEdit* fromDate_ = nullptr;
  QLineEdit* toDate_ = nullptr;
  QComboBox* parameterList_ = nullptr;
  JumpListCombo* foundRecords_ = nullptr;
  QPushButton* searchButton_ = nullptr;

  QLabel* versionNote_ = nullptr;  // why a file shows no records

  std::function<std::int8_t()> recorderVersion_;
};

}  // namespace vertal::events
