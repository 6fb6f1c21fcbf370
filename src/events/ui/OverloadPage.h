#pragma once
// The page "Перегрузки" of "Циклическая": the overload records of the long-term area nine at
// a time, the search by load and a range of dates, and the summary of the last search. The
// page shows what the core computes; every page turn and search re-reads the current file.
//
// Design names (Qt object names) of the members:
//   StringGrid_Per_Otb  grid_            ScrollBar_Per     scrollBar_
//   Label_Per_OtbZap    recordCount_     Edit_Per_M        loadThreshold_
//   Edit_Per_Data0      fromDate_        Edit_Per_Data1    toDate_
//   ComboBox_Per        foundRecords_    Label_MaxM1       searchSummary_
//   BitBtn_Find_Per     searchButton_ ("Найти", OnOverloadSearch)

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "events/core/OverloadRecords.h"
#include "events/ui/EventPageParts.h"
#include "common/ui/PageWindow.h"
#include "common/ui/ShownPass.h"

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

class OverloadPage : public QWidget {
  Q_OBJECT

 public:
  // Builds the page inside `sheet`.
  OverloadPage(QWidget* sheet, PageWindow& window);

  // --- Handlers ---
  void OnTableScrolled();
  void OnOverloadSearch();
  void OnFoundRecordChosen();

  // --- Opening and resetting ---
  // The table as opening leaves it.
  void ShowTable(const records::TablePage& page);
  // Empties the grid and moves it to the first record.
  void ResetTable();

  // The search fields as typed.
  OverloadFields Typed() const;
  // How a search shows on the page and in the status bar: the page's "Найти" runs it so, and
  // so do the commands that need its records.
  static ui::PassDisplay SearchDisplay();
  void ClearSearch();
  void ShowSearch(const PassResult<OverloadSearchModel>& result);

  // Told of every search that ran over a file (not of a refused one), with that file.
  std::function<void(const std::string& file, const PassResult<OverloadSearchModel>& result)> searched;

 private:
  QGroupBox* BuildSearchGroup();

  // --- Overload table ---
  PagedTableView* table = nullptr;
  RecordGrid* grid_ = nullptr;
  QScrollBar* scrollBar_ = nullptr;
  QLabel* recordCount_ = nullptr;

  // --- Search ---
  QLineEdit* loadThreshold_ = nullptr;
  QLineEdit* fromDate_ = nullptr;
  QLineEdit* toDate_ = nullptr;
  JumpListCombo* foundRecords_ = nullptr;
  QPushButton* searchButton_ = nullptr;
  QLabel* searchSummary_ = nullptr;

  PageWindow& window_;
};

}  // namespace vertal::events
