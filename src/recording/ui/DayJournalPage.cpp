#include "recording/ui/DayJournalPage.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "common/core/Bcd.h"
#include "common/ui/ModelWidgets.h"
#include "common/ui/PageStyle.h"
#include "common/ui/UiText.h"
#include "recording/core/JournalTexts.h"
#include "recording/core/RecordingPages.h"
#include "recording/ui/DayChart.h"

namespace vertal::recording {
namespace {

constexpr int kJournalSpacing = 4;

}  // namespace

DayJournalPage::DayJournalPage(QWidget* sheet, ui::PageWindow& window, GoToFrame goTo)
    : RecordingPage(sheet, window, std::move(goTo)) {
  setObjectName(QStringLiteral("DayJournalPage"));
  QVBoxLayout* column = ui::FillSheet(sheet, this, kJournalSpacing);
  grid_ = MakeGrid("Grid_Days", QStringLiteral("Журнал по дням"), kDayColumnCaptions,
                   [this](int row) { OnDayChosen(row); });
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setStretchLastSection(true);
  chart_ = new DayChart(this);
  column->addWidget(grid_, 1);
  column->addWidget(chart_);
}

void DayJournalPage::OnDayChosen(int row) {
  if (row < 0 || row >= static_cast<int>(firstFrames_.size())) return;
  GoTo(firstFrames_[static_cast<std::size_t>(row)]);
}

void DayJournalPage::Fill(const std::string& path) {
  Show(RunDayJournal(path, Window().host()).model);
}

void DayJournalPage::Empty() {
  Show({});
}

void DayJournalPage::Show(const DayJournalModel& journal) {
  ui::ShowModel(this, journal);
  firstFrames_.clear();
  std::vector<DayChart::Day> bars;
  for (const DayRow& day : journal.days) {
    firstFrames_.push_back(day.firstFrame);
    bars.push_back({ui::ToQString(BcdDateText(day.date)), DayHours(day), day.maxMoment});
  }
  if (!journal.days.empty()) grid_->setCurrentCell(0, 0);
  chart_->Show(std::move(bars));
}

}  // namespace vertal::recording
