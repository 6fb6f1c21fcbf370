#pragma once
// The page "Перегрузки" of "Циклическая": the overload records of the long-term area nine at
// a time, the search by load and a range of dates, and the summary of the last search. The
// page shows what the core computes; every page turn and search re-reads the current file.

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
  void ScrollBar_PerChange();
  void BitBtn_Find_PerClick();
  void ComboBox_PerChange();

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
  RecordGrid* StringGrid_Per_Otb = nullptr;
  QScrollBar* ScrollBar_Per = nullptr;
  QLabel* Label_Per_OtbZap = nullptr;

  // --- Search ---
  QLineEdit* Edit_Per_M = nullptr;
  QLineEdit* Edit_Per_Data0 = nullptr;
  QLineEdit* Edit_Per_Data1 = nullptr;
  JumpListCombo* ComboBox_Per = nullptr;
  QPushButton* BitBtn_Find_Per = nullptr;
  QLabel* Label_MaxM1 = nullptr;

  PageWindow& window_;
};

}  // namespace vertal::events
