#include "graphs/ui/DatedChartView.h"

#include <QVBoxLayout>
#include <algorithm>
#include <qcustomplot.h>
#include <set>

namespace vertal::graphs {

namespace {

// The bars' panel takes this part of the height, as on the printed page.
constexpr double kLinesShare = 0.7;
constexpr double kBarsShare = 0.3;
constexpr double kBarTextRoom = 1.35;  // the highest bar leaves room for its value above it
constexpr int kLinesRow = 0;
constexpr int kBarsRow = 1;
constexpr int kDatedLegendRow = 2;
constexpr int kDatedLegendColumns = 3;
constexpr double kLegendStretch = 0.001;
constexpr int kBarPixels = 9;
constexpr int kBarGapPixels = 2;
constexpr int kLeastHeight = 300;
constexpr double kMarkerSize = 6;
constexpr int kLineWidth = 2;
constexpr int kBarFontPixels = 10;
constexpr int kBarTextGap = 2;     // pixels between the values of one period
constexpr int kTextDarker = 170;   // a bar's value in its bar's colour, darker

QColor ColourOf(Colour colour) {
  return QColor(static_cast<QRgb>(colour));
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QSharedPointer<QCPAxisTickerText> TicksOf(const ChartAxis& axis) {
  auto ticker = QSharedPointer<QCPAxisTickerText>::create();
  for (const ChartTick& tick : axis.ticks) ticker->addTick(tick.at, Text(tick.text));
  return ticker;
}

}  // namespace

DatedChartView::DatedChartView(const char* name, const QString& accessibleName,
                                   QWidget* parent)
    : QWidget(parent) {
  setObjectName(QString::fromLatin1(name));
  setAccessibleName(accessibleName);
  setMinimumHeight(kLeastHeight);
  plot_ = new QCustomPlot(this);
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(plot_);
  plot_->setBackground(Qt::white);

  // Two panels one over the other on the same dates, their left edges in line.
  lines_ = plot_->axisRect();
  bars_ = new QCPAxisRect(plot_);
  plot_->plotLayout()->addElement(kBarsRow, 0, bars_);
  plot_->plotLayout()->setRowStretchFactor(kLinesRow, kLinesShare);
  plot_->plotLayout()->setRowStretchFactor(kBarsRow, kBarsShare);
  auto* edges = new QCPMarginGroup(plot_);
  lines_->setMarginGroup(QCP::msLeft | QCP::msRight, edges);
  bars_->setMarginGroup(QCP::msLeft | QCP::msRight, edges);
  lines_->axis(QCPAxis::atBottom)->setTickLabels(false);
  bars_->axis(QCPAxis::atLeft)->setTicks(false);
  bars_->axis(QCPAxis::atLeft)->setTickLabels(false);
  barGroup_ = new QCPBarsGroup(plot_);
  barGroup_->setSpacingType(QCPBarsGroup::stAbsolute);
  barGroup_->setSpacing(kBarGapPixels);

  lines_->insetLayout()->take(plot_->legend);
  plot_->plotLayout()->addElement(kDatedLegendRow, 0, plot_->legend);
  plot_->plotLayout()->setRowStretchFactor(kDatedLegendRow, kLegendStretch);
  plot_->legend->setFillOrder(QCPLegend::foColumnsFirst);
  plot_->legend->setWrap(kDatedLegendColumns);
  plot_->legend->setBorderPen(Qt::NoPen);
  plot_->legend->setVisible(true);
  Empty();
}

void DatedChartView::Show(const DatedChart& chart) {
  plot_->clearPlottables();
  plot_->clearItems();
  for (QCPAxisRect* rect : {lines_, bars_}) {
    QCPAxis* dates = rect->axis(QCPAxis::atBottom);
    dates->setTicker(TicksOf(chart.days));
    dates->setRange(chart.days.from, chart.days.to);
    dates->grid()->setVisible(true);
  }
  QCPAxis* values = lines_->axis(QCPAxis::atLeft);
  values->setTicker(TicksOf(chart.values));
  values->setRange(chart.values.from, chart.values.to);
  AddLines(chart);
  AddBars(chart);
  plot_->replot();
}

void DatedChartView::Empty() {
  Show(DatedChart{});
}

void DatedChartView::AddLines(const DatedChart& chart) {
  std::set<std::string_view> named;  // lines of one name share one legend entry
  for (const ChartLine& line : chart.lines) {
    QCPGraph* graph =
        plot_->addGraph(lines_->axis(QCPAxis::atBottom), lines_->axis(QCPAxis::atLeft));
    QPen pen(ColourOf(line.colour));
    pen.setWidth(kLineWidth);
    if (line.dashed) pen.setStyle(Qt::DashLine);
    graph->setPen(pen);
    if (line.markers)
      graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssSquare, ColourOf(line.colour),
                                             ColourOf(line.colour), kMarkerSize));
    graph->setName(Text(line.name));
    for (const ChartPoint& point : line.points) graph->addData(point.day, point.value);
    if (!named.insert(line.name).second) graph->removeFromLegend();
  }
}

void DatedChartView::AddBars(const DatedChart& chart) {
  // One scale per quantity: the left and right axes, more at the right when needed.
  const QList<QCPAxis*> extra = bars_->axes(QCPAxis::atRight);
  for (qsizetype i = 1; i < extra.size(); ++i) bars_->removeAxis(extra[i]);
  QFont font = plot_->font();
  font.setPixelSize(kBarFontPixels);
  const auto count = static_cast<int>(chart.bars.size());
  for (int index = 0; index < count; ++index) {
    const ChartBars& series = chart.bars[static_cast<std::size_t>(index)];
    // Each quantity on its own hidden scale, from 0 to its highest bar and room for the value.
    QCPAxis* scale = index == 0   ? bars_->axis(QCPAxis::atLeft)
                     : index == 1 ? bars_->axis(QCPAxis::atRight)
                                  : bars_->addAxis(QCPAxis::atRight);
    double highest = 0;
    for (const ChartBar& bar : series.bars) highest = std::max(highest, bar.value);
    scale->setRange(0, std::max(highest, 1.0) * kBarTextRoom);
    auto* bars = new QCPBars(bars_->axis(QCPAxis::atBottom), scale);
    bars->setName(Text(series.name));
    bars->setWidthType(QCPBars::wtAbsolute);
    bars->setWidth(kBarPixels);
    bars->setPen(QPen(ColourOf(series.colour).darker()));
    bars->setBrush(ColourOf(series.colour));
    bars->setBarsGroup(barGroup_);
    // The value over its bar: the values of the bars left of a period's middle end there, those
    // right of it begin there, so that the values of one period stand side by side.
    const int side = 2 * index - (count - 1);
    const Qt::Alignment across = side < 0 ? Qt::AlignRight : side > 0 ? Qt::AlignLeft : Qt::AlignHCenter;
    for (const ChartBar& bar : series.bars) {
      bars->addData(bar.day, std::max(bar.value, 0.0));
      auto* text = new QCPItemText(plot_);
      text->setClipAxisRect(bars_);
      text->position->setAxes(bars_->axis(QCPAxis::atBottom), scale);
      text->position->setCoords(bar.day, std::max(bar.value, 0.0));
      text->setPositionAlignment(Qt::AlignBottom | across);
      text->setPadding(QMargins(kBarTextGap, 0, kBarTextGap, 0));
      text->setColor(ColourOf(series.colour).darker(kTextDarker));
      text->setFont(font);
      // Over the bars of the other quantities too.
      text->setLayer(QStringLiteral("axes"));
      text->setText(Text(bar.text));
    }
  }
}

}  // namespace vertal::graphs
