#include "graphs/ui/GraphPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "graphs/core/AzimuthAxis.h"
#include "graphs/core/GraphDescription.h"
#include "graphs/core/GraphJump.h"
#include "graphs/ui/ChartPlot.h"
#include "graphs/ui/GraphChart.h"
#include "graphs/ui/GraphNavigation.h"
#include "graphs/ui/OverviewStrip.h"
#include "common/ui/GuardedCommand.h"
#include "common/ui/PageStyle.h"
#include "common/ui/ScrollBarArrows.h"
#include "common/ui/UiText.h"

namespace vertal::graphs {

namespace {

using ui::ToQString;

// One notch of the mouse wheel (120 eighths of a degree) moves the window by a tenth of it.
constexpr int kWheelNotch = 120;
constexpr std::int64_t kWheelStepsPerWindow = 10;
constexpr std::int64_t kWheelStepFrames = kWindowFrames / kWheelStepsPerWindow;

}  // namespace

GraphPage::GraphPage(const GraphPageSetup& setup, GraphLinks links, QWidget* sheet)
    : QWidget(sheet), links_(std::move(links)), model_(setup.kind) {
  chart_ = new GraphChart(setup.chart, ToQString(model_.View().title), this);
  if (setup.limit) limit_ = chart_->AddSeries(*setup.limit);
  for (const std::string& name : model_.SeriesNames()) {
    for (const SeriesStyle& style : setup.series)
      if (name == style.name) {
        window_.push_back(chart_->AddSeries(style));
        turn_.push_back(style.turnAxis);
        described_.push_back(style.inLegend);
      }
  }
  Q_ASSERT(window_.size() == model_.SeriesNames().size());
  chart_->SetFrameRange(model_.View().axis.min, model_.View().axis.max);

  scrollBar_ = new QScrollBar(Qt::Horizontal, this);
  scrollBar_->setObjectName(QString::fromLatin1(setup.scrollBar));
  scrollBar_->setRange(0, static_cast<int>(kMaxPosition));
  scrollBar_->setSingleStep(1);
  scrollBar_->setPageStep(1);
  // Reached with the tab key, the arrows then step the window frame by frame.
  scrollBar_->setFocusPolicy(Qt::StrongFocus);
  new ui::ScrollBarArrows(scrollBar_);
  scrollBar_->setAccessibleName(ToQString(kFramesAxisTitle));
  chart_->setAccessibleName(sheet->accessibleName());

  keyPanel_ = new QFrame(this);
  keyPanel_->setObjectName(QString::fromLatin1(setup.keyPanel));
  keyPanel_->setFixedHeight(setup.keyPanelHeight);

  overview_ = new OverviewStrip(setup.kind, this);
  legend_ = MakeEpisodeLegend(this);
  navigation_ = new GraphNavigation(this);

  auto* strip = new QHBoxLayout;
  strip->addWidget(overview_, 1);
  strip->addWidget(legend_);
  auto* bar = new QHBoxLayout;
  bar->addWidget(scrollBar_, 1);
  bar->addWidget(navigation_);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(chart_, 1);
  column->addLayout(strip);
  column->addLayout(bar);
  column->addWidget(keyPanel_);

  ui::FillWith(sheet, this);
  BuildNavigation();
}

void GraphPage::BuildNavigation() {
  Host& h = *links_.host;
  ui::ConnectCommand(overview_, &OverviewStrip::PositionChosen, this, h, &GraphPage::MoveTo);
  ui::ConnectCommand(navigation_, &GraphNavigation::WindowStep, this, h, &GraphPage::StepWindow);
  ui::ConnectCommand(navigation_, &GraphNavigation::FrameTyped, this, h, &GraphPage::GoToFrame);
  ui::ConnectCommand(navigation_, &GraphNavigation::MomentTyped, this, h, &GraphPage::GoToMoment);
  ui::ConnectCommand(chart_->Plot(), &QCustomPlot::mouseWheel, this, h, &GraphPage::Wheel);
}

void GraphPage::MoveTo(std::int64_t position) {
  // The scroll bar clamps the position and runs the window fill when it moves.
  scrollBar_->setValue(static_cast<int>(ClampGraphPosition(position)));
}

void GraphPage::StepWindow(int direction) {
  MoveTo(scrollBar_->value() + direction * kWindowFrames);
}

void GraphPage::GoToFrame(const QString& text) {
  if (const auto frame = TypedFrame(ui::ToStdString(text), *links_.host)) MoveTo(*frame);
}

void GraphPage::GoToMoment(const QString& text) {
  const DumpSource file = links_.currentFile();
  if (file.Empty()) return;
  const auto frame = TypedMomentFrame(file, ui::ToStdString(text), *links_.host);
  if (frame) MoveTo(*frame);
}

void GraphPage::Wheel(QWheelEvent* event) {
  wheelAngle_ += event->angleDelta().y();
  const int notches = wheelAngle_ / kWheelNotch;
  wheelAngle_ %= kWheelNotch;
  // Turning the wheel away from the user goes back in the recording.
  if (notches != 0) MoveTo(scrollBar_->value() - notches * kWheelStepFrames);
  event->accept();
}

SeriesGraph* GraphPage::Series(std::string_view name) const {
  for (SeriesGraph* graph : chart_->Plot()->Series())
    if (graph->objectName() == ToQString(name)) return graph;
  return nullptr;
}

std::vector<const SeriesPoints*> GraphPage::ShownPoints() const {
  const GraphView& view = model_.View();
  std::vector<const SeriesPoints*> shown;
  if (limit_ && limit_->visible()) shown.push_back(&view.limit);
  for (std::size_t i = 0; i < window_.size(); ++i)
    if (window_[i]->visible() && !turn_[i]) shown.push_back(&view.series[i]);
  return shown;
}

void GraphPage::Fill() {
  const DumpSource file = links_.currentFile();
  if (file.Empty()) return;
  model_.MoveTo(file, scrollBar_->value(), *links_.host);
  Draw();
}

void GraphPage::Open(GraphModel opened, graphs::Overview overview) {
  model_ = std::move(opened);
  overview_->SetOverview(std::move(overview));
  navigation_->ClearMoment();
  {
    // The model has filled the window it ends on; the scroll bar only follows it.
    const QSignalBlocker quiet(scrollBar_);
    scrollBar_->setValue(static_cast<int>(model_.View().position));
  }
  DrawLimit();
  Draw();
}

void GraphPage::Reset() {
  model_.Reset();
  overview_->SetOverview({});
  navigation_->ClearMoment();
  {
    // With no file current the fill would return at once.
    const QSignalBlocker quiet(scrollBar_);
    scrollBar_->setValue(static_cast<int>(model_.View().position));
  }
  DrawLimit();
  Draw();
}

void GraphPage::Draw() {
  const GraphView& view = model_.View();
  for (std::size_t i = 0; i < window_.size(); ++i)
    GraphChart::SetPoints(window_[i], turn_[i] ? BreakAtWrap(view.series[i]) : view.series[i]);
  chart_->SetFrameRange(view.axis.min, view.axis.max);
  overview_->SetWindow(view.position);
  navigation_->ShowWindowStart(links_.currentFile().Empty() ? std::nullopt
                                                            : std::optional(view.position));
  chart_->Plot()->xAxis->setLabel(ToQString(view.axisTitle));
  chart_->SetTitle(ToQString(view.title));
  Replot();
}

void GraphPage::DrawLimit() {
  if (limit_) GraphChart::SetPoints(limit_, model_.View().limit);
}

void GraphPage::Replot() {
  Restyle();
  chart_->Replot();
  Describe();
}

void GraphPage::Describe() {
  const GraphView& view = model_.View();
  std::vector<std::string> titles;  // kept while the description is made
  std::vector<std::pair<std::size_t, const SeriesPoints*>> shown;
  const auto add = [&](const SeriesGraph* graph, const SeriesPoints& points) {
    if (!graph->visible()) return;
    titles.push_back(ui::ToStdString(graph->name()));
    shown.emplace_back(titles.size() - 1, &points);
  };
  if (limit_) add(limit_, view.limit);
  for (std::size_t i = 0; i < window_.size(); ++i)
    if (described_[i]) add(window_[i], view.series[i]);
  std::vector<DescribedSeries> series;
  for (const auto& [title, points] : shown) series.push_back({titles[title], points});
  const QString text = ToQString(DescribeGraph(
      view.title, view.position, series, ui::ToStdString(QLocale::system().decimalPoint())));
  if (chart_->accessibleDescription() != text) chart_->setAccessibleDescription(text);
}

}  // namespace vertal::graphs
