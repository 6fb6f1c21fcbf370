#pragma once
// The page "Перегрузки" of "Циклическая": the overload records of the long-term area nine at
// a time, the search by load and a range of dates, and the summary of the last search. The
// page shows what the core computes; every page turn and search re-reads the current file.

#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "events/core/OverloadRecords.h"
#include "events/ui/EventPageParts.h"
#include "ui_common/PageWindow.h"

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
  void ShowTable(const frames::TablePage& page);
  // Empties the grid and moves it to the first record.
  void ResetTable();

  // The search fields as typed.
  OverloadFields Typed() const;
  // The records of the last search while it belongs to the current file.
  const std::optional<std::vector<std::int64_t>>& SearchedRecords() const { return searched_.Records(); }
  // The summary of the last search for printing; nothing while its label is hidden.
  std::optional<std::string> ShownSummary() const;

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
  LastSearch searched_;
};

}  // namespace vertal::events
