#include "reports/core/ChartBand.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

namespace vertal::reports {
namespace {

using graphs::ChartBar;
using graphs::ChartBars;
using graphs::ChartLine;
using graphs::ChartPoint;
using graphs::ChartTick;
using graphs::DatedChart;

constexpr double kLegendRowHeight = 4.5;
constexpr int kLegendRows = 2;
constexpr double kLegendHeight = kLegendRowHeight * kLegendRows + 1.0;
constexpr double kValueLabelWidth = 20.0;
constexpr double kValueLabelGap = 1.5;
constexpr double kRightRoom = 4.0;
constexpr double kDateLabelHeight = 6.0;
constexpr double kDateLabelWidth = 18.0;
// The bars' panel takes this part of the height under the legend; a gap parts the panels.
constexpr double kBarPanelShare = 0.3;
constexpr double kPanelGap = 3.0;
constexpr double kBarWidth = 4.5;
constexpr double kBarGap = 1.5;  // between the bars of one period
constexpr double kBarTextHeight = 3.2;
constexpr double kBarTextWidth = 12.0;
constexpr double kMarkerSize = 1.6;
constexpr double kLegendSwatch = 7.0;
constexpr double kSwatchSide = 2.6;
constexpr double kLegendGap = 2.0;
constexpr double kLegendEntryGap = 6.0;
// A generous width of a character of the legend's font, as a part of its size; a label's box
// is wider still, so that no label is cut.
constexpr double kCharWidthShare = 0.6;
constexpr double kLabelBoxShare = 1.25;

constexpr Font kTickFont{10, false, false};
constexpr Font kLegendFont{10, false, false};
constexpr Font kBarFont{8, false, false};
constexpr double kLinePx = 1.6;
constexpr double kFramePx = 1.0;
constexpr double kGridPx = 0.5;
constexpr Colour kGridColour = 0xc8c8c8;

struct Point {
  double x = 0, y = 0;
};

struct Rect {
  double left = 0, top = 0, right = 0, bottom = 0;
  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
};

std::size_t CodePoints(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

double TextWidth(std::string_view text, const Font& font) {
  return static_cast<double>(CodePoints(text)) * font.sizePx * kMmPerPx * kCharWidthShare;
}

// Cuts the segment a–b to `r` (Liang and Barsky); nothing when it misses `r`.
std::optional<std::pair<Point, Point>> Clip(Point a, Point b, const Rect& r) {
  double enter = 0, leave = 1;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const auto edge = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) enter = std::max(enter, t);
    else leave = std::min(leave, t);
    return enter <= leave;
  };
  if (!edge(-dx, a.x - r.left) || !edge(dx, r.right - a.x) || !edge(-dy, a.y - r.top) ||
      !edge(dy, r.bottom - a.y))
    return std::nullopt;
  return std::pair{Point{a.x + enter * dx, a.y + enter * dy}, Point{a.x + leave * dx, a.y + leave * dy}};
}

class ChartPainter {
 public:
  ChartPainter(const DatedChart& chart, const ChartBox& box, Band& band)
      : chart_(chart), box_(box), band_(band) {
    const double plotTop = box.y + kLegendHeight;
    const double plotBottom = box.y + box.height - kDateLabelHeight;
    const double left = box.x + kValueLabelWidth;
    const double right = box.x + box.width - kRightRoom;
    const double barHeight = (plotBottom - plotTop) * kBarPanelShare;
    main_ = {left, plotTop, right, plotBottom - barHeight - kPanelGap};
    bars_ = {left, plotBottom - barHeight, right, plotBottom};
  }

  void Draw() {
    DrawGrid();
    for (const ChartBars& series : chart_.bars) DrawBars(series, &series - chart_.bars.data());
    for (const ChartLine& line : chart_.lines) DrawLine(line);
    DrawLegend();
  }

 private:
  double X(double day) const {
    const double span = chart_.days.to - chart_.days.from;
    return main_.left + (span > 0 ? (day - chart_.days.from) / span : 0) * main_.Width();
  }

  double Y(double value) const {
    const double span = chart_.values.to - chart_.values.from;
    return main_.bottom - (span > 0 ? (value - chart_.values.from) / span : 0) * main_.Height();
  }

  void Rule(Point a, Point b, double px, Colour colour = kBlack, bool dashed = false) {
    band_.rules.push_back({a.x, a.y, b.x, b.y, px, colour, dashed});
  }

  void Frame(const Rect& r) {
    Rule({r.left, r.top}, {r.right, r.top}, kFramePx);
    Rule({r.right, r.top}, {r.right, r.bottom}, kFramePx);
    Rule({r.right, r.bottom}, {r.left, r.bottom}, kFramePx);
    Rule({r.left, r.bottom}, {r.left, r.top}, kFramePx);
  }

  void Text(double x, double y, double width, double height, std::string text, const Font& font,
            Align align) {
    band_.texts.push_back({x, y, width, height, std::move(text), font, align});
  }

  void DrawGrid() {
    const double tickHeight = kTickFont.sizePx * kMmPerPx * kLineSpacing;
    for (const ChartTick& tick : chart_.values.ticks) {
      const double y = Y(tick.at);
      Rule({main_.left, y}, {main_.right, y}, kGridPx, kGridColour);
      Text(box_.x, y - tickHeight / 2, kValueLabelWidth - kValueLabelGap, tickHeight, tick.text,
           kTickFont, Align::Right);
    }
    for (const ChartTick& tick : chart_.days.ticks) {
      const double x = X(tick.at);
      Rule({x, main_.top}, {x, main_.bottom}, kGridPx, kGridColour);
      Rule({x, bars_.top}, {x, bars_.bottom}, kGridPx, kGridColour);
      Text(x - kDateLabelWidth / 2, bars_.bottom, kDateLabelWidth, kDateLabelHeight, tick.text,
           kTickFont, Align::Center);
    }
    Frame(main_);
    Rule({bars_.left, bars_.bottom}, {bars_.right, bars_.bottom}, kFramePx);
  }

  void DrawLine(const ChartLine& line) {
    for (std::size_t i = 1; i < line.points.size(); ++i) {
      const ChartPoint& a = line.points[i - 1];
      const ChartPoint& b = line.points[i];
      if (const auto clipped = Clip({X(a.day), Y(a.value)}, {X(b.day), Y(b.value)}, main_))
        Rule(clipped->first, clipped->second, kLinePx, line.colour, line.dashed);
    }
    if (!line.markers) return;
    for (const ChartPoint& p : line.points) {
      const Point at{X(p.day), Y(p.value)};
      if (at.x < main_.left || at.x > main_.right || at.y < main_.top || at.y > main_.bottom) continue;
      band_.fills.push_back(
          {at.x - kMarkerSize / 2, at.y - kMarkerSize / 2, kMarkerSize, kMarkerSize, line.colour});
    }
  }

  // The bars of each period side by side at its reading's date, each quantity scaled to its
  // highest bar, with its value over it.
  void DrawBars(const ChartBars& series, std::ptrdiff_t index) {
    double highest = 0;
    for (const ChartBar& bar : series.bars) highest = std::max(highest, bar.value);
    const auto count = static_cast<double>(chart_.bars.size());
    const double offset = (static_cast<double>(index) - (count - 1) / 2) * (kBarWidth + kBarGap);
    const double room = bars_.Height() - kBarTextHeight;
    for (const ChartBar& bar : series.bars) {
      const double centre = X(bar.day) + offset;
      if (centre < bars_.left || centre > bars_.right) continue;
      const double height = highest > 0 ? std::max(bar.value, 0.0) / highest * room : 0;
      band_.fills.push_back(
          {centre - kBarWidth / 2, bars_.bottom - height, kBarWidth, height, series.colour});
      Text(centre - kBarTextWidth / 2, bars_.bottom - height - kBarTextHeight, kBarTextWidth,
           kBarTextHeight, bar.text, kBarFont, Align::Center);
    }
  }

  // One entry per name, in the order the lines and bars come, in rows over the panel.
  void DrawLegend() {
    std::vector<std::string_view> named;
    double x = main_.left;
    double top = box_.y;
    double middle = top + kLegendRowHeight / 2;
    const auto entry = [&](std::string_view name) {
      if (std::find(named.begin(), named.end(), name) != named.end()) return false;
      named.push_back(name);
      const double width = kLegendSwatch + kLegendGap + TextWidth(name, kLegendFont);
      if (x > main_.left && x + width > main_.right) {
        x = main_.left;
        top += kLegendRowHeight;
        middle += kLegendRowHeight;
      }
      return true;
    };
    const auto label = [&](std::string_view name) {
      const double width = TextWidth(name, kLegendFont);
      Text(x + kLegendSwatch + kLegendGap, top, width * kLabelBoxShare, kLegendRowHeight,
           std::string(name), kLegendFont, Align::Left);
      x += kLegendSwatch + kLegendGap + width + kLegendEntryGap;
    };
    for (const ChartLine& line : chart_.lines) {
      if (!entry(line.name)) continue;
      Rule({x, middle}, {x + kLegendSwatch, middle}, kLinePx, line.colour, line.dashed);
      if (line.markers)
        band_.fills.push_back({x + (kLegendSwatch - kMarkerSize) / 2, middle - kMarkerSize / 2,
                               kMarkerSize, kMarkerSize, line.colour});
      label(line.name);
    }
    for (const ChartBars& series : chart_.bars) {
      if (!entry(series.name)) continue;
      band_.fills.push_back({x + (kLegendSwatch - kSwatchSide) / 2, middle - kSwatchSide / 2,
                             kSwatchSide, kSwatchSide, series.colour});
      label(series.name);
    }
  }

  const DatedChart& chart_;
  const ChartBox box_;
  Band& band_;
  Rect main_, bars_;
};

}  // namespace

void DrawChart(const DatedChart& chart, const ChartBox& box, Band& band) {
  ChartPainter(chart, box, band).Draw();
}

}  // namespace vertal::reports
