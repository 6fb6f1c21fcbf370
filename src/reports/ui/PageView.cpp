#include "reports/ui/PageView.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "reports/pdf/ReportPainter.h"

namespace vertal::reports {
namespace {

constexpr double kScreenDpi = 96.0;
constexpr double kMmPerInch = 25.4;
constexpr double kMetresPerInch = kMmPerInch / 1000;
// Around and between the pages, in pixels.
constexpr int kGap = 10;
// Rendered pages kept: a screenful of pages at the smallest zoom and a few to go back to.
constexpr std::size_t kKeptPages = 12;
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 8.0;
constexpr int kScrollStepPx = 20;
const QColor kBackground(Qt::gray);
const QColor kPageEdge(Qt::black);

}  // namespace

PageView::PageView(const PageStore& pages, const PageSetup& sheet, QWidget* parent)
    : QAbstractScrollArea(parent), pages_(pages), sheet_(sheet) {
  viewport()->setAutoFillBackground(false);
  verticalScrollBar()->setSingleStep(kScrollStepPx);
  horizontalScrollBar()->setSingleStep(kScrollStepPx);
  UpdateScrollBars();
}

QSizeF PageView::PageSize() const {
  const double pxPerMm = kScreenDpi / kMmPerInch * zoom_;
  return {sheet_.Width() * pxPerMm, sheet_.Height() * pxPerMm};
}

double PageView::Pitch() const {
  return std::ceil(PageSize().height()) + kGap;
}

void PageView::SetZoom(double zoom) {
  fit_ = Fit::None;
  ApplyZoom(zoom);
}

void PageView::FitWidth() {
  fit_ = Fit::Width;
  ApplyZoom(zoom_);
}

void PageView::FitPage() {
  fit_ = Fit::Page;
  ApplyZoom(zoom_);
}

void PageView::ApplyZoom(double zoom) {
  const int shown = CurrentPage();
  // A pixel to spare, so that a page fitted to the width brings no horizontal scroll bar.
  const QSize room = viewport()->size() - QSize(2 * kGap + 1, 2 * kGap + 1);
  const QSizeF unscaled = PageSize() / zoom_;
  if (fit_ == Fit::Width) zoom = room.width() / unscaled.width();
  if (fit_ == Fit::Page)
    zoom = std::min(room.width() / unscaled.width(), room.height() / unscaled.height());
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  if (zoom != zoom_) {
    zoom_ = zoom;
    rendered_.clear();
    emit zoomChanged(zoom_);
  }
  UpdateScrollBars();
  ShowPage(shown);
}

void PageView::UpdateScrollBars() {
  const QSizeF page = PageSize();
  const double height = pages_.Count() * Pitch() + kGap;
  const double width = std::ceil(page.width()) + 2 * kGap;
  verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(height) - viewport()->height()));
  verticalScrollBar()->setPageStep(viewport()->height());
  horizontalScrollBar()->setRange(0, std::max(0, static_cast<int>(width) - viewport()->width()));
  horizontalScrollBar()->setPageStep(viewport()->width());
}

void PageView::ShowPage(int index) {
  index = std::clamp(index, 0, std::max(0, pages_.Count() - 1));
  verticalScrollBar()->setValue(static_cast<int>(index * Pitch()));
  viewport()->update();
}

int PageView::CurrentPage() const {
  // The page whose sheet reaches below the top third of the view.
  const double at = verticalScrollBar()->value() + viewport()->height() / 3.0;
  const int index = static_cast<int>(at / Pitch());
  return std::clamp(index, 0, std::max(0, pages_.Count() - 1));
}

const QImage& PageView::Rendered(int index) {
  const auto kept = std::find_if(rendered_.begin(), rendered_.end(),
                                 [index](const auto& page) { return page.first == index; });
  if (kept != rendered_.end()) {
    if (kept + 1 != rendered_.end()) {
      rendered_.push_back(std::move(*kept));
      rendered_.erase(kept);
    }
    return rendered_.back().second;
  }
  if (rendered_.size() >= kKeptPages) rendered_.pop_front();
  const qreal ratio = devicePixelRatioF();
  const QSize size = (PageSize() * ratio).toSize();
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  // The page's millimetres and font points take their size in pixels from the resolution.
  const int dotsPerMetre = qRound(kScreenDpi * zoom_ * ratio / kMetresPerInch);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintPage(pages_.At(index), image, painter);
  }
  image.setDevicePixelRatio(ratio);
  rendered_.emplace_back(index, std::move(image));
  return rendered_.back().second;
}

void PageView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.fillRect(event->rect(), kBackground);
  if (pages_.Count() == 0) return;
  const QSizeF page = PageSize();
  const double pitch = Pitch();
  const int top = verticalScrollBar()->value();
  const int left = std::max(kGap, (viewport()->width() - static_cast<int>(page.width())) / 2) -
                   horizontalScrollBar()->value();
  const int first = std::max(0, static_cast<int>((top - kGap) / pitch));
  const int last = std::min(pages_.Count() - 1,
                            static_cast<int>((top + viewport()->height()) / pitch));
  for (int index = first; index <= last; ++index) {
    const QRectF sheet(QPointF(left, kGap + index * pitch - top), page);
    painter.drawImage(sheet.topLeft(), Rendered(index));
    painter.setPen(kPageEdge);
    painter.drawRect(sheet);
  }
}

void PageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  ApplyZoom(zoom_);
}

void PageView::scrollContentsBy(int, int) {
  viewport()->update();
  const int current = CurrentPage();
  if (current != current_) {
    current_ = current;
    emit currentPageChanged(current_);
  }
}

}  // namespace vertal::reports
