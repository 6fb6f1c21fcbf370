#pragma once
// The page "КДС" of "Циклическая": the records of engine and hydraulic parameters out of their
// range six at a time, the search by parameter and a range of dates, and the summary of the
// last search. Only files of the recorder version that keeps these records are read; for any
// other the page is empty and says why.
//
// Design names (Qt object names) of the members:
//   StringGrid_KDS_Otbor  grid_           ScrollBar_KDS     scrollBar_
//   Label_KDS_OtbZap      recordCount_    ComboBox_KDS_PAR  parameterList_
//   Edit_KDS_Data0        fromDate_       Edit_KDS_Data1    toDate_
//   ComboBox_KDS          foundRecords_   Label_MaxM2       searchSummary_
//   Label_KDS_Note        versionNote_    BitBtn_Find_KDS   searchButton_ ("Найти", OnKdsSearch)

#include <QWidget>
#include <optional>
#include <string>
#include <vector>
#include <cstdint>
#include <functional>

#include "events/core/KdsRecords.h"
#include "events/ui/EventPageParts.h"
#include "common/ui/PageWindow.h"
#include "common/ui/ShownPass.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace vertal::ui {
class JumpListCombo;
class PagedTableView;
class RecordGrid;
}  // namespace vertal::ui

namespace vertal::events {

using ui::JumpListCombo;
using ui::PagedTableView;
using ui::PageWindow;
using ui::RecordGrid;

class KdsPage : public QWidget {
  Q_OBJECT

 public:
  // Builds the page inside `sheet`; `recorderVersion` gives the version of the current file.
  KdsPage(QWidget* sheet, PageWindow& window, std::function<std::int8_t()> recorderVersion);

  // --- Handlers ---
  void OnTableScrolled();
  void OnKdsSearch();
  void OnFoundRecordChosen();

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
  void ClearSearch();
  void ShowSearch(const PassResult<KdsSearchModel>& result);

  // Told of every search that ran over a file (not of a refused one), with that file.
  std::function<void(const std::string& file, const PassResult<KdsSearchModel>& result)> searched;

 private:
  QGroupBox* BuildSearchGroup();

  // --- KDS table ---
  PagedTableView* table = nullptr;
  RecordGrid* grid_ = nullptr;
  QScrollBar* scrollBar_ = nullptr;
  QLabel* recordCount_ = nullptr;

  // --- Search ---
  QLineEdit* fromDate_ = nullptr;
  QLineEdit* toDate_ = nullptr;
  QComboBox* parameterList_ = nullptr;
  JumpListCombo* foundRecords_ = nullptr;
  QPushButton* searchButton_ = nullptr;
  QLabel* searchSummary_ = nullptr;

  QLabel* versionNote_ = nullptr;  // why a file shows no records

  PageWindow& window_;
  std::function<std::int8_t()> recorderVersion_;
};

}  // namespace vertal::events
