#pragma once
// The page "Общая" of "Циклическая": the frame table five frames at a time, the recording
// period with the four episode lists beside it, and the frame search below. The page shows
// what the core computes; every page turn, scan and search re-reads the current file.

#include <QWidget>

#include "records/core/PagedTable.h"
#include "frames/core/PeriodScan.h"
#include "common/ui/PageWindow.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;

namespace vertal::ui {
class JumpListCombo;
class PagedTableView;
class RecordGrid;
}  // namespace vertal::ui

namespace vertal::frames {

using ui::JumpListCombo;
using ui::PagedTableView;
using ui::PageWindow;
using ui::RecordGrid;

class FrameTablePage : public QWidget {
  Q_OBJECT

 public:
  // Builds the page inside `sheet`; `popup` is the window's pop-up menu of the grid.
  FrameTablePage(QWidget* sheet, PageWindow& window, QMenu* popup);

  // The frame table's scroll bar, which the graphs move and follow.
  QScrollBar* ScrollBar() const { return ScrollBar_Cikl; }

  // --- Handlers ---
  void ScrollBar_CiklChange();
  void ComboBox_Cikl_MZONChange();
  void ComboBox_Cikl_NASTROYKAChange();
  void ComboBox_Cikl_MChange();
  void ComboBox_ONChange();
  void ComboBox_CiklChange();
  void StringGrid_O_OtbSelectCell(int column, int row);
  void BitBtn1Click();

  // --- Opening and resetting ---
  // The table as opening leaves it.
  void ShowTable(const records::TablePage& page);
  // The recording period and the episode lists of the scan.
  void ShowPeriod(const PeriodPanelModel& period);
  // Empties the four episode lists as a scan begins; the labels keep their texts.
  void ClearPeriodLists();
  // Empties the grid and moves it to the first frame.
  void ResetTable();

 private:
  // --- Frame table ---
  PagedTableView* table = nullptr;
  RecordGrid* StringGrid_O_Otb = nullptr;
  QScrollBar* ScrollBar_Cikl = nullptr;
  QLabel* Label_O_OtbZap = nullptr;

  // --- Recording period and episodes ---
  QLabel* Label_NR = nullptr;
  QLabel* Label_KR = nullptr;
  QLabel* Label_Cikl_M = nullptr;
  JumpListCombo* ComboBox_Cikl_M = nullptr;
  QLabel* Label_Cikl_NASTROYKA = nullptr;
  JumpListCombo* ComboBox_Cikl_NASTROYKA = nullptr;
  QLabel* Label_Cikl_MZON = nullptr;
  JumpListCombo* ComboBox_Cikl_MZON = nullptr;
  QLabel* Label_ON = nullptr;
  JumpListCombo* ComboBox_ON = nullptr;

  // --- Frame search ---
  QLineEdit* Edit_O_M = nullptr;
  QCheckBox* CheckBox_Error = nullptr;
  QCheckBox* CheckBox_SLim = nullptr;
  JumpListCombo* ComboBox_Cikl = nullptr;
  QPushButton* BitBtn1 = nullptr;

  QWidget* BuildPeriodPanel();
  QGroupBox* BuildEpisodeGroup(const char* name, const char* title, QLabel*& count,
                               JumpListCombo*& list, const char* listName, int maxTyped);
  QGroupBox* BuildSearchGroup();
  void ConnectHandlers();

  PageWindow& window_;
};

}  // namespace vertal::frames
