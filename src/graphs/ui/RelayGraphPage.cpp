#include "graphs/ui/RelayGraphPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>

#include "graphs/core/AxisScale.h"
#include "graphs/ui/ChartPlot.h"
#include "graphs/ui/GraphChart.h"
#include "common/ui/GuardedCommand.h"

namespace vertal::graphs {

namespace {

constexpr QRgb kSet = 0x008000;        // green: the limit is set
constexpr QRgb kTriggered = 0xFF0000;  // red: the limit triggered
constexpr int kPanelHeight = 43;
constexpr int kKeyPixels = 12;
constexpr double kLevelStep = 1;  // one tick per limit height

constexpr SeriesStyle Bars(const char* name, const char* title, QRgb colour) {
  return {name, title, colour, colour, Marker::Bar, false};
}

// Green before red, so that a red bar covers the green one of the same limit and frame.
const SeriesStyle kBarStyles[] = {
    Bars("Series6", "1 - Подъем груза первой лебедкой", kSet),
    Bars("Series7", "2 - Подъем груза второй лебедкой", kSet),
    Bars("Series8", "3 - Передвижение тележки", kSet),
    Bars("Series9", "4 - Передвижение крана", kSet),
    Bars("Series10", "5 - Груз на консоли", kTriggered),
    Bars("Series11", "6 - Перегрузка", kTriggered),
    Bars("Series12", "7 - Блокировка захвата", kTriggered),
    Bars("Series13", "8 - Блокировка спадания каната", kTriggered),
};

GraphPageSetup Setup() {
  return {GraphKind::Relay, "Chart_Rele", "ScrollBarGKZ", "Panel16", kPanelHeight, kBarStyles,
          nullptr};
}

}  // namespace

RelayGraphPage::RelayGraphPage(GraphLinks links, QWidget* sheet)
    : GraphPage(Setup(), std::move(links), sheet) {
  limitKey_ = new QLabel(
      QStringLiteral("1 - ПОТОЛОК     2 - СТЕНА        3 - ПОВОРОТ ВПРАВО     4 - ПОВРОТ ВЛЕВО"),
      KeyPanel());
  limitKey_->setObjectName(QStringLiteral("Label1"));
  QFont font = limitKey_->font();
  font.setPixelSize(kKeyPixels);
  font.setBold(true);
  limitKey_->setFont(font);
  QPalette palette = limitKey_->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  limitKey_->setPalette(palette);
  auto* row = new QHBoxLayout(KeyPanel());
  row->addWidget(limitKey_);
  row->addStretch(1);

  auto ticker = QSharedPointer<QCPAxisTickerFixed>::create();
  ticker->setTickStep(kLevelStep);
  Chart()->Plot()->yAxis->setTicker(ticker);
  Chart()->Plot()->yAxis->setRange(kRelayValueAxis.min, kRelayValueAxis.max);

  ui::ConnectCommand(ScrollBar(), &QScrollBar::valueChanged, this, host(),
                     &RelayGraphPage::OnScrolled);
}

void RelayGraphPage::OnScrolled() {
  Fill();
}

}  // namespace vertal::graphs
