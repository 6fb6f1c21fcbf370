#pragma once
// The page "Общая" of "Циклическая": the frame table five frames at a time, the recording
// period with the four episode lists beside it, and the frame search below. The page shows
// what the core computes; every page turn, scan and search re-reads the current file.
//
// Design names (Qt object names) of the members:
//   StringGrid_O_Otb  grid_                ScrollBar_Cikl           scrollBar_
//   Label_O_OtbZap    recordCount_         Label_NR, Label_KR       periodStart_, periodEnd_
//   ComboBox_Cikl_M   overloadEpisodes_    Label_Cikl_M             overloadEpisodeCount_
//   ComboBox_Cikl_NASTROYKA  tuningEpisodes_   Label_Cikl_NASTROYKA  tuningEpisodeCount_
//   ComboBox_Cikl_MZON  mzonEpisodes_      Label_Cikl_MZON          mzonEpisodeCount_
//   ComboBox_ON       switchOnEpisodes_    Label_ON                 switchOnEpisodeCount_
//   Edit_O_M          loadThreshold_       CheckBox_Error           faultCodesBox_
//   CheckBox_SLim     limitTriggeredBox_   ComboBox_Cikl            foundFrames_
//   BitBtn1           frameSearchButton_ ("Найти", OnFrameSearch)

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
  QScrollBar* ScrollBar() const { return scrollBar_; }

  // --- Handlers ---
  void OnTableScrolled();
  void OnMzonEpisodeChosen();
  void OnTuningEpisodeChosen();
  void OnOverloadEpisodeChosen();
  void OnSwitchOnEpisodeChosen();
  void OnFoundFrameChosen();
  void OnCellSelected(int column, int row);
  void OnFrameSearch();

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
  RecordGrid* grid_ = nullptr;
  QScrollBar* scrollBar_ = nullptr;
  QLabel* recordCount_ = nullptr;

  // --- Recording period and episodes ---
  QLabel* periodStart_ = nullptr;
  QLabel* periodEnd_ = nullptr;
  QLabel* overloadEpisodeCount_ = nullptr;
  JumpListCombo* overloadEpisodes_ = nullptr;
  QLabel* tuningEpisodeCount_ = nullptr;
  JumpListCombo* tuningEpisodes_ = nullptr;
  QLabel* mzonEpisodeCount_ = nullptr;
  JumpListCombo* mzonEpisodes_ = nullptr;
  QLabel* switchOnEpisodeCount_ = nullptr;
  JumpListCombo* switchOnEpisodes_ = nullptr;

  // --- Frame search ---
  QLineEdit* loadThreshold_ = nullptr;
  QCheckBox* faultCodesBox_ = nullptr;
  QCheckBox* limitTriggeredBox_ = nullptr;
  JumpListCombo* foundFrames_ = nullptr;
  QPushButton* frameSearchButton_ = nullptr;

  QWidget* BuildPeriodPanel();
  QGroupBox* BuildEpisodeGroup(const char* name, const char* title, QLabel*& count,
                               JumpListCombo*& list, const char* listName, int maxTyped);
  QGroupBox* BuildSearchGroup();
  void ConnectHandlers();

  PageWindow& window_;
};

}  // namespace vertal::frames
