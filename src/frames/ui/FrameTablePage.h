#pragma once
// The page "Общая" of "Циклическая": the frame table five frames at a time, the recording
// period with the four episode lists beside it, and the frame search below. The page shows
// what the core computes; every page turn, scan and search re-reads the current file.

#include <QWidget>

#include "dump/core/OpenSequence.h"
#include "frames/ui/PageWindow.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;

namespace vertal::frames {

class JumpListCombo;
class PagedTableView;
class RecordGrid;

class FrameTablePage : public QWidget {
  Q_OBJECT

 public:
  // Builds the page inside `sheet`; `popup` is the window's pop-up menu of the grid.
  FrameTablePage(QWidget* sheet, PageWindow& window, QMenu* popup);

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
  // The frame table's fill and the period scan at their stages of the open sequence.
  void AddOpenStages(dump::OpenSequence& sequence);
  // Empties the grid and moves it to the first frame.
  void ResetTable();
  // The pass over all frames when a file is opened.
  void ScanRecordingPeriod();

 private:
  QWidget* BuildPeriodPanel();
  QGroupBox* BuildEpisodeGroup(const char* name, const char* title, QLabel*& count,
                               JumpListCombo*& list, const char* listName, int maxTyped);
  QGroupBox* BuildSearchGroup();
  void ConnectHandlers();

  PageWindow& window_;
};

}  // namespace vertal::frames
