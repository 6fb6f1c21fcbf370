#include "graphs/ui/GraphPage.h"

#include <QFrame>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "graphs/ui/GraphChart.h"
#include "ui_common/PageStyle.h"
#include "ui_common/UiText.h"

namespace vertal::graphs {

namespace {

using ui::ToQString;

QList<double> ToList(const std::vector<double>& values) {
  return QList<double>(values.begin(), values.end());
}

void SetPoints(QCPGraph* graph, const SeriesPoints& points) {
  // The model's points are in ascending X already.
  graph->setData(ToList(points.x), ToList(points.y), true);
}

}  // namespace

GraphPage::GraphPage(const GraphPageSetup& setup, GraphLinks links, QWidget* sheet)
    : QWidget(sheet), links_(std::move(links)), model_(setup.kind) {
  chart_ = new GraphChart(setup.chart, ToQString(model_.View().title), this);
  if (setup.limit) limit_ = chart_->AddSeries(*setup.limit);
  for (const std::string& name : model_.SeriesNames()) {
    for (const SeriesStyle& style : setup.series)
      if (name == style.name) window_.push_back(chart_->AddSeries(style));
  }
  Q_ASSERT(window_.size() == model_.SeriesNames().size());
  chart_->xAxis->setRange(model_.View().axis.min, model_.View().axis.max);

  scrollBar_ = new QScrollBar(Qt::Horizontal, this);
  scrollBar_->setObjectName(QString::fromLatin1(setup.scrollBar));
  scrollBar_->setRange(0, static_cast<int>(kMaxPosition));
  scrollBar_->setSingleStep(1);
  scrollBar_->setPageStep(1);
  // Reached with the tab key, the arrows then step the window frame by frame.
  scrollBar_->setFocusPolicy(Qt::StrongFocus);
  scrollBar_->setAccessibleName(ToQString(kFramesAxisTitle));
  chart_->setAccessibleName(sheet->accessibleName());

  keyPanel_ = new QFrame(this);
  keyPanel_->setObjectName(QString::fromLatin1(setup.keyPanel));
  keyPanel_->setFixedHeight(setup.keyPanelHeight);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(chart_, 1);
  column->addWidget(scrollBar_);
  column->addWidget(keyPanel_);

  ui::FillWith(sheet, this);
}

SeriesGraph* GraphPage::Series(std::string_view name) const {
  for (SeriesGraph* graph : chart_->Series())
    if (graph->objectName() == ToQString(name)) return graph;
  return nullptr;
}

std::vector<const SeriesPoints*> GraphPage::ShownPoints() const {
  const GraphView& view = model_.View();
  std::vector<const SeriesPoints*> shown;
  if (limit_ && limit_->visible()) shown.push_back(&view.limit);
  for (std::size_t i = 0; i < window_.size(); ++i)
    if (window_[i]->visible()) shown.push_back(&view.series[i]);
  return shown;
}

void GraphPage::Fill() {
  const std::string path = links_.currentFile();
  if (path.empty()) return;
  model_.MoveTo(path, scrollBar_->value(), *links_.host);
  Draw();
}

void GraphPage::Open(GraphModel opened) {
  model_ = std::move(opened);
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
  for (std::size_t i = 0; i < window_.size(); ++i) SetPoints(window_[i], view.series[i]);
  chart_->xAxis->setRange(view.axis.min, view.axis.max);
  chart_->xAxis->setLabel(ToQString(view.axisTitle));
  chart_->SetTitle(ToQString(view.title));
  Replot();
}

void GraphPage::DrawLimit() {
  if (limit_) SetPoints(limit_, model_.View().limit);
}

void GraphPage::Replot() {
  Restyle();
  chart_->replot();
}

}  // namespace vertal::graphs
