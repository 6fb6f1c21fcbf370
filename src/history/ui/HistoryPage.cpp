#include "history/ui/HistoryPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/ui/GuardedCommand.h"
#include "common/ui/ListGrid.h"
#include "common/ui/ModelWidgets.h"
#include "common/ui/PageStyle.h"
#include "common/ui/UiText.h"
#include "common/ui/ValueStyle.h"
#include "graphs/ui/DatedChartView.h"
#include "history/core/HistoryChart.h"
#include "history/core/HistoryTexts.h"

namespace vertal::history {
namespace {

using ui::ToQString;

constexpr int kSpacing = 4;
constexpr int kRowPadding = 4;
constexpr int kChartStretch = 3;
constexpr int kGridStretch = 2;
constexpr auto kStretchedColumn = static_cast<int>(ReadingColumn::File);

}  // namespace

HistoryPage::HistoryPage(QWidget* sheet, ui::PageWindow& window)
    : QWidget(sheet), window_(window) {
  setObjectName(QStringLiteral("Page_History"));
  QVBoxLayout* column = ui::FillSheet(sheet, this, kSpacing);
  crane_ = ui::MakePageText(this, "Label_HistoryCrane", QStringLiteral("Кран"));
  ui::StyleAsValue(crane_);
  printButton_ = new QPushButton(QStringLiteral("Печать…"), this);
  printButton_->setObjectName(QStringLiteral("Button_HistoryPrint"));
  auto* top = new QHBoxLayout;
  top->addWidget(crane_, 1);
  top->addWidget(printButton_, 0, Qt::AlignTop);
  chart_ = new graphs::DatedChartView("Chart_History",
                                         QStringLiteral("Характеристическое число по считываниям"), this);
  forecast_ = ui::MakePageText(this, "Label_HistoryForecast", QStringLiteral("Прогноз"));
  findings_ = ui::MakePageText(this, "Label_HistoryFindings", QStringLiteral("Находки"));
  QStringList headers;
  for (const std::string_view title : kReadingColumnTitles) headers << ToQString(title);
  grid_ = ui::MakeListGrid(this, "Grid_History", QStringLiteral("Считывания крана"), headers,
                           kRowPadding);
  grid_->setFocusPolicy(Qt::StrongFocus);
  QHeaderView* header = grid_->horizontalHeader();
  for (int c = 0; c < grid_->columnCount(); ++c)
    header->setSectionResizeMode(
        c, c == kStretchedColumn ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
  column->addLayout(top);
  column->addWidget(chart_, kChartStretch);
  column->addWidget(forecast_);
  column->addWidget(findings_);
  column->addWidget(grid_, kGridStretch);

  connect(grid_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
    ui::RunGuarded(window_.host(), [&] { OnReadingChosen(index.row()); });
  });
  ui::ConnectCommand(printButton_, &QPushButton::clicked, this, window_.host(), &HistoryPage::OnPrint);
  Empty();
}

void HistoryPage::Show(HistoryPageModel model) {
  model_ = std::move(model);
  ui::ShowModel(this, *model_);
  chart_->Show(DescribeHistoryChart(model_->history, window_.DecimalSeparator()));
  printButton_->setEnabled(static_cast<bool>(printHistory));
  if (grid_->rowCount() > 0) grid_->setCurrentCell(grid_->rowCount() - 1, 0);
}

void HistoryPage::Empty() {
  model_.reset();
  crane_->setText(ToQString(kHistoryHintText));
  chart_->Empty();
  forecast_->clear();
  findings_->clear();
  grid_->setRowCount(0);
  printButton_->setEnabled(false);
}

void HistoryPage::OnReadingChosen(int row) {
  if (!model_) return;
  const std::string file = ReadingFile(*model_, row);
  if (!file.empty() && openReading) openReading(file);
}

void HistoryPage::OnPrint() {
  if (model_ && printHistory) printHistory(model_->history);
}

}  // namespace vertal::history
