#include "recording/ui/DayChart.h"

#include <QPainter>
#include <algorithm>

namespace vertal::recording {
namespace {

constexpr int kHeight = 150;
constexpr int kMargin = 6;
constexpr int kLegendHeight = 18;
constexpr int kSwatch = 10;
constexpr int kLegendGap = 180;
constexpr int kMaxBarWidth = 28;
constexpr int kBarGap = 2;
constexpr int kBarsPerDay = 2;
constexpr int kDaySlotParts = 3;     // a day's slot: two bars and one bar's width of space
constexpr qsizetype kDayOfMonthLength = 2;  // "dd" of "dd.mm.yy"
constexpr double kHoursScale = 24.0;  // a full bar is a whole day
constexpr int kMomentScale = 100;     // a full bar is the rated moment, or the day's highest
const QColor kHoursColour(0x2E, 0x6D, 0xB4);
const QColor kMomentColour(0xD9, 0x6A, 0x1E);

}  // namespace

DayChart::DayChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Chart_Days"));
  setAccessibleName(QStringLiteral("Часы работы и наибольший момент по дням"));
  setFixedHeight(kHeight);
}

void DayChart::Show(std::vector<Day> days) {
  days_ = std::move(days);
  update();
}

void DayChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));

  const QFontMetrics metrics = fontMetrics();
  auto legend = [&](int x, const QColor& colour, const QString& text) {
    painter.fillRect(x, kMargin + (kLegendHeight - kSwatch) / 2, kSwatch, kSwatch, colour);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(x + kSwatch + kMargin, kMargin, kLegendGap, kLegendHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
  };
  legend(kMargin, kHoursColour, QStringLiteral("Часы работы (до 24)"));
  legend(kMargin + kLegendGap, kMomentColour, QStringLiteral("Наибольший момент, %"));
  if (days_.empty()) return;

  int momentScale = kMomentScale;
  for (const Day& d : days_) momentScale = std::max(momentScale, d.maxMoment);
  const int top = kMargin + kLegendHeight + kMargin;
  const int bottom = height() - kMargin - metrics.height();
  const int plot = bottom - top;
  const int count = static_cast<int>(days_.size());
  const int slot = (width() - 2 * kMargin) / count;
  const int bar = std::clamp(slot / kDaySlotParts, 1, kMaxBarWidth);
  for (int i = 0; i < count; ++i) {
    const Day& d = days_[static_cast<std::size_t>(i)];
    const int left = kMargin + i * slot + (slot - kBarsPerDay * bar - kBarGap) / 2;
    const int hours = static_cast<int>(std::min(d.hours / kHoursScale, 1.0) * plot);
    const int moment = d.maxMoment * plot / momentScale;
    painter.fillRect(left, bottom - hours, bar, hours, kHoursColour);
    painter.fillRect(left + bar + kBarGap, bottom - moment, bar, moment, kMomentColour);
    painter.setPen(palette().color(QPalette::Text));
    // A narrow slot shows the day of the month only.
    const QString date =
        slot > metrics.horizontalAdvance(d.date) ? d.date : d.date.left(kDayOfMonthLength);
    painter.drawText(QRect(kMargin + i * slot, bottom, slot, metrics.height()), Qt::AlignCenter,
                     date);
  }
}

}  // namespace vertal::recording
