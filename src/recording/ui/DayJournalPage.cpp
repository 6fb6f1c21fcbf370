#include "recording/ui/DayJournalPage.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "recording/core/JournalTexts.h"
#include "recording/ui/DayChart.h"
#include "common/ui/PageStyle.h"
#include "common/ui/UiText.h"

namespace vertal::recording {
namespace {

constexpr int kSpacing = 4;

const QStringList& Headers() {
  static const QStringList headers{
      QStringLiteral("Дата"),           QStringLiteral("Первый\nкадр"),
      QStringLiteral("Последний\nкадр"), QStringLiteral("Часы\nработы"),
      QStringLiteral("Подъёмы"),        QStringLiteral("Наиб.\nмомент, %"),
      QStringLiteral("Время\nмомента"), QStringLiteral("Пере-\nгрузки"),
      QStringLiteral("Наст-\nройка"),   QStringLiteral("МЗОН"),
      QStringLiteral("Вклю-\nчения"),   QStringLiteral("Срабат.\nограничений"),
      QStringLiteral("Коды\nотказов")};
  return headers;
}

}  // namespace

DayJournalPage::DayJournalPage(QWidget* sheet, ui::PageWindow& window, GoToFrame goTo)
    : RecordingPage(sheet, window, std::move(goTo)) {
  setObjectName(QStringLiteral("DayJournalPage"));
  QVBoxLayout* column = ui::FillSheet(sheet, this, kSpacing);
  grid_ = MakeGrid("Grid_Days", QStringLiteral("Журнал по дням"), Headers(),
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
  const auto days = DayJournal(path);
  Show(days ? *days : std::vector<DayRow>{});
}

void DayJournalPage::Empty() {
  Show({});
}

void DayJournalPage::Show(const std::vector<DayRow>& days) {
  firstFrames_.clear();
  std::vector<DayChart::Day> bars;
  grid_->setRowCount(static_cast<int>(days.size()));
  for (std::size_t i = 0; i < days.size(); ++i) {
    const DayTexts t = TextsOf(days[i]);
    const std::string* cells[] = {&t.date,      &t.first,       &t.last,      &t.hours,
                                  &t.lifts,     &t.maxMoment,   &t.maxMomentAt, &t.overloads,
                                  &t.tuning,    &t.mzon,        &t.switchOns, &t.limitTriggers,
                                  &t.faultCodes};
    for (int c = 0; c < static_cast<int>(std::size(cells)); ++c)
      grid_->setItem(static_cast<int>(i), c,
                         new QTableWidgetItem(ui::ToQString(*cells[static_cast<std::size_t>(c)])));
    firstFrames_.push_back(days[i].firstFrame);
    bars.push_back({ui::ToQString(t.date), DayHours(days[i]), days[i].maxMoment});
  }
  if (!days.empty()) grid_->setCurrentCell(0, 0);
  chart_->Show(std::move(bars));
}

}  // namespace vertal::recording
