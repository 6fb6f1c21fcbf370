#pragma once
// The page "Журнал по дням": one row per calendar day of the recording and a bar chart of the
// days below. Choosing a day moves the frame table and both graphs to its first frame.
//
// Design name (Qt object name): Grid_Days grid_.

#include <vector>

#include "recording/core/RecordingPages.h"
#include "recording/ui/RecordingPage.h"

namespace vertal::recording {

class DayChart;

class DayJournalPage : public RecordingPage {
  Q_OBJECT

 public:
  DayJournalPage(QWidget* sheet, ui::PageWindow& window, GoToFrame goTo);

  // --- Handlers ---
  void OnDayChosen(int row);

 protected:
  void Fill(const std::string& path) override;
  void Empty() override;

 private:
  void Show(const DayJournalModel& journal);

  QTableWidget* grid_ = nullptr;
  DayChart* chart_ = nullptr;
  std::vector<std::int64_t> firstFrames_;  // per row
};

}  // namespace vertal::recording
