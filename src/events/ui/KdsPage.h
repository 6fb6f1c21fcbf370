#pragma once
// The page "КДС" of "Циклическая": the records of engine and hydraulic parameters out of their
// range six at a time, the search by parameter and a range of dates, and the summary of the
// last search. Only files of the recorder version that keeps these records are read; for any
// other the page is empty and says why.

#include <QWidget>
#include <optional>
#include <string>
#include <vector>
#include <cstdint>
#include <functional>

#include "events/core/KdsRecords.h"
#include "events/ui/EventPageParts.h"
#include "ui_common/PageWindow.h"

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
  void ScrollBar_KDSChange();
  void BitBtn_Find_KDSClick();
  void ComboBox_KDSChange();

  // The seven parameters in code order, the first chosen.
  void FillParameterList();

  // --- Opening and resetting ---
  // The page as opening leaves it.
  void ShowOpened(const KdsPageModel& page);
  // Empties the grid and moves it to the first record.
  void ResetTable();

  // The search fields as set.
  KdsFields Typed() const;
  // The records of the last search while it belongs to the current file.
  const std::optional<std::vector<std::int64_t>>& SearchedRecords() const { return searched_.Records(); }
  // The summary of the last search for printing; nothing while its label is hidden.
  std::optional<std::string> ShownSummary() const;

 private:
  QGroupBox* BuildSearchGroup();

  // --- KDS table ---
  PagedTableView* table = nullptr;
  RecordGrid* StringGrid_KDS_Otbor = nullptr;
  QScrollBar* ScrollBar_KDS = nullptr;
  QLabel* Label_KDS_OtbZap = nullptr;

  // --- Search ---
  QLineEdit* Edit_KDS_Data0 = nullptr;
  QLineEdit* Edit_KDS_Data1 = nullptr;
  QComboBox* ComboBox_KDS_PAR = nullptr;
  JumpListCombo* ComboBox_KDS = nullptr;
  QPushButton* BitBtn_Find_KDS = nullptr;
  QLabel* Label_MaxM2 = nullptr;

  QLabel* Label_KDS_Note = nullptr;  // why a file shows no records

  PageWindow& window_;
  std::function<std::int8_t()> recorderVersion_;
  LastSearch searched_;
};

}  // namespace vertal::events
