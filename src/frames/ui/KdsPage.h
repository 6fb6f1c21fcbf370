#pragma once
// The page "КДС" of "Циклическая": the records of engine and hydraulic parameters out of their
// range six at a time, the search by parameter and a range of dates, and the summary of the
// last search. Only files of the recorder version that keeps these records are read; for any
// other the page stays as it is.

#include <QWidget>
#include <cstdint>
#include <functional>

#include "dump/core/OpenSequence.h"
#include "frames/core/KdsRecords.h"
#include "frames/ui/PageWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace vertal::frames {

class JumpListCombo;
class PagedTableView;
class RecordGrid;

class KdsPage : public QWidget {
  Q_OBJECT

 public:
  // Builds the page inside `sheet`; `recorderVersion` gives the version of the current file.
  KdsPage(QWidget* sheet, PageWindow& window, std::function<std::int8_t()> recorderVersion);

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

  // --- Handlers ---
  void ScrollBar_KDSChange();
  void BitBtn_Find_KDSClick();
  void ComboBox_KDSChange();

  // The seven parameters in code order, the first chosen.
  void FillParameterList();

  // --- Opening and resetting ---
  // The table's fill at its stage of the open sequence, for files that keep the records.
  void AddOpenStages(dump::OpenSequence& sequence);
  // Empties the grid and moves it to the first record.
  void ResetTable();

  // The search fields as set.
  KdsFields Typed() const;

 private:
  QGroupBox* BuildSearchGroup();
  bool RecordsKept() const;

  PageWindow& window_;
  std::function<std::int8_t()> recorderVersion_;
};

}  // namespace vertal::frames
