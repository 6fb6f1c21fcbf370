#include "graphs/ui/OverviewStrip.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>

#include "graphs/core/GraphWindow.h"

namespace vertal::graphs {

namespace {

constexpr int kStripHeight = 60;
constexpr int kTickRow = 3;  // pixels per episode list at the top
constexpr int kTickBand = kTickRow * static_cast<int>(kEpisodeListCount);
constexpr int kLaneGap = 1;
constexpr int kLimitLanes = 4;       // ceiling, wall, slew right, slew left; bottom to top
constexpr int kMinWindowPixels = 3;  // the window stays visible at any width
constexpr int kWindowAlpha = 70;
constexpr int kLegendLeading = 3;  // pixels between the legend lines
constexpr double kMomentHeadroom = 1.1;
constexpr std::uint8_t kLimitBitsSet = 0x80;        // bit 7: the ceiling limit set
constexpr std::uint8_t kLimitBitsTriggered = 0x08;  // bit 3: the ceiling limit triggered

constexpr QRgb kBackground = 0xFFFFFF;
constexpr QRgb kBorder = 0xA0A0A0;
constexpr QRgb kMomentColour = 0x008000;  // as the load moment's line
constexpr QRgb kLimitLine = 0xFF0000;
constexpr QRgb kSet = 0x008000;
constexpr QRgb kTriggered = 0xFF0000;
constexpr QRgb kNewest = 0x000000;
constexpr QRgb kWindow = 0x000080;

struct EpisodeKey {
  const char* name;
  QRgb colour;
};
// In the order of EpisodeList.
constexpr std::array<EpisodeKey, kEpisodeListCount> kEpisodeKeys{{
    {"Перегрузки", 0xE00000},
    {"Настройка", 0xE08000},
    {"МЗОН", 0x8000C0},
    {"Включения", 0x0070E0},
}};

// The columns that fall on pixel `px` of a strip `width` pixels wide: at least one.
std::pair<std::int64_t, std::int64_t> ColumnsOf(int px, int width) {
  const std::int64_t first = std::int64_t{px} * kOverviewColumns / width;
  const std::int64_t end = std::max(first + 1, (std::int64_t{px} + 1) * kOverviewColumns / width);
  return {first, std::min(end, kOverviewColumns)};
}

}  // namespace

OverviewStrip::OverviewStrip(GraphKind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setObjectName(QStringLiteral("GraphOverview"));
  setAccessibleName(QStringLiteral("Обзор записи"));
  setFixedHeight(kStripHeight);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void OverviewStrip::SetOverview(Overview overview) {
  overview_ = std::move(overview);
  pictureStale_ = true;
  update();
}

void OverviewStrip::SetWindow(std::int64_t position) {
  if (position == window_) return;
  window_ = position;
  update();
}

int OverviewStrip::PixelOf(std::int64_t frame) const {
  return static_cast<int>(frame * width() / dump::kFrameCount);
}

std::int64_t OverviewStrip::PositionAt(int x) const {
  const std::int64_t frame = (std::int64_t{std::clamp(x, 0, width() - 1)} * 2 + 1) *
                             dump::kFrameCount / (2 * std::int64_t{std::max(width(), 1)});
  return ClampGraphPosition(frame - kWindowFrames / 2);
}

void OverviewStrip::Render() {
  picture_ = QPixmap(size());
  picture_.fill(QColor(kBackground));
  if (width() <= 0 || height() <= 0) return;
  QPainter painter(&picture_);
  const QRect area(0, kTickBand + 1, width(), height() - kTickBand - 2);
  if (!overview_.columns.empty()) {
    if (kind_ == GraphKind::Param)
      RenderMoments(painter, area);
    else
      RenderLanes(painter, area);
    RenderEpisodes(painter);
    if (overview_.newest) {
      const int x = PixelOf(*overview_.newest);
      painter.setPen(QColor(kNewest));
      painter.drawLine(x, 0, x, height() - 1);
      const QPoint tip[] = {
          {x - kTickRow, height() - 1}, {x + kTickRow, height() - 1}, {x, height() - 1 - kTickRow}};
      painter.setBrush(QColor(kNewest));
      painter.drawPolygon(tip, static_cast<int>(std::size(tip)));
    }
  }
  painter.setPen(QColor(kBorder));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void OverviewStrip::RenderMoments(QPainter& painter, QRect area) {
  int highest = 0;
  for (const OverviewColumn& c : overview_.columns)
    if (c.recorded) highest = std::max<int>(highest, c.highMoment);
  const double top = std::max<double>(highest, kLimitPercent) * kMomentHeadroom;
  auto y = [&](double moment) {
    return area.bottom() - static_cast<int>(moment / top * area.height());
  };
  painter.setPen(QPen(QColor(kLimitLine), 1, Qt::DotLine));
  painter.drawLine(area.left(), y(kLimitPercent), area.right(), y(kLimitPercent));
  painter.setPen(QColor(kMomentColour));
  for (int px = 0; px < width(); ++px) {
    const auto [first, end] = ColumnsOf(px, width());
    int low = -1;
    int high = -1;
    for (std::int64_t c = first; c < end; ++c) {
      const OverviewColumn& column = overview_.columns[static_cast<std::size_t>(c)];
      if (!column.recorded) continue;
      low = low < 0 ? column.lowMoment : std::min<int>(low, column.lowMoment);
      high = std::max<int>(high, column.highMoment);
    }
    if (high >= 0) painter.drawLine(px, y(low), px, y(high));
  }
}

void OverviewStrip::RenderLanes(QPainter& painter, QRect area) {
  const int lane = area.height() / kLimitLanes;
  for (int px = 0; px < width(); ++px) {
    const auto [first, end] = ColumnsOf(px, width());
    std::uint8_t limits = 0;
    for (std::int64_t c = first; c < end; ++c)
      limits |= overview_.columns[static_cast<std::size_t>(c)].limits;
    for (int k = 0; k < kLimitLanes; ++k) {
      const bool triggered = limits & (kLimitBitsTriggered >> k);
      const bool set = limits & (kLimitBitsSet >> k);
      if (!triggered && !set) continue;
      // Lane 1 at the bottom, as the limit heights of the graph; red covers green.
      painter.setPen(QColor(triggered ? kTriggered : kSet));
      const int bottom = area.bottom() - k * lane;
      painter.drawLine(px, bottom, px, bottom - lane + 1 + kLaneGap);
    }
  }
}

void OverviewStrip::RenderEpisodes(QPainter& painter) {
  for (int px = 0; px < width(); ++px) {
    const auto [first, end] = ColumnsOf(px, width());
    OverviewColumn under;  // the columns under the pixel together
    for (std::int64_t c = first; c < end; ++c)
      under.episodes |= overview_.columns[static_cast<std::size_t>(c)].episodes;
    for (std::size_t list = 0; list < kEpisodeListCount; ++list) {
      if (!HasEpisode(under, list)) continue;
      painter.setPen(QColor(kEpisodeKeys[list].colour));
      const int top = static_cast<int>(list) * kTickRow + 1;
      painter.drawLine(px, top, px, top + kTickRow - 1);
    }
  }
}

void OverviewStrip::paintEvent(QPaintEvent*) {
  if (pictureStale_) Render();
  pictureStale_ = false;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
  if (overview_.columns.empty()) return;
  const int left = PixelOf(window_);
  const int right = std::max(left + kMinWindowPixels, PixelOf(window_ + kWindowFrames));
  QColor fill(kWindow);
  fill.setAlpha(kWindowAlpha);
  painter.setPen(QColor(kWindow));
  painter.setBrush(fill);
  painter.drawRect(QRect(QPoint(left, 0), QPoint(right - 1, height() - 1)));
}

void OverviewStrip::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  pictureStale_ = true;
}

void OverviewStrip::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Choose(event->position().toPoint().x());
}

void OverviewStrip::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) Choose(event->position().toPoint().x());
}

void OverviewStrip::Choose(int x) {
  if (overview_.columns.empty()) return;
  emit PositionChosen(static_cast<int>(PositionAt(x)));
}

QLabel* MakeEpisodeLegend(QWidget* parent) {
  QString text;
  QStringList names;
  for (const EpisodeKey& key : kEpisodeKeys) {
    names << QString::fromUtf8(key.name);
    if (!text.isEmpty()) text += QStringLiteral("<br>");
    text += QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2")
                .arg(QColor(key.colour).name(), QString::fromUtf8(key.name));
  }
  auto* legend = new QLabel(text, parent);
  legend->setObjectName(QStringLiteral("OverviewLegend"));
  legend->setTextFormat(Qt::RichText);
  legend->setAccessibleName(names.join(QStringLiteral(", ")));
  QFont font = legend->font();
  font.setPixelSize(kStripHeight / static_cast<int>(kEpisodeListCount) - kLegendLeading);
  legend->setFont(font);
  return legend;
}

}  // namespace vertal::graphs
