#pragma once
// The pages of a laid-out report one under the other, drawn only as they come into view: a
// page is rendered into an image the first time it shows, and only the last few images are
// kept, so that paging through thousands of pages holds no more than a screenful or two.

#include <QAbstractScrollArea>
#include <QImage>
#include <deque>
#include <utility>

#include "reports/core/PageStore.h"

namespace vertal::reports {

class PageView final : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // Shows `pages` (kept by the caller) on sheets of `sheet`.
  PageView(const PageStore& pages, const PageSetup& sheet, QWidget* parent);

  // The scale: 1 shows a page at its size on a 96-dpi screen. Leaves the fitting modes.
  void SetZoom(double zoom);
  double Zoom() const { return zoom_; }
  // Scales the pages to the view's width, or a whole page into the view, and keeps doing so
  // as the view changes size.
  void FitWidth();
  void FitPage();

  // Scrolls page `index` (from 0) to the top of the view.
  void ShowPage(int index);
  // The page at the top of the view (from 0).
  int CurrentPage() const;
  // How many rendered pages are kept.
  int RenderedPages() const { return static_cast<int>(rendered_.size()); }

 signals:
  void currentPageChanged(int index);
  void zoomChanged(double zoom);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  enum class Fit { None, Width, Page };

  QSizeF PageSize() const;  // at the present zoom, in the view's pixels
  double Pitch() const;     // from the top of one page to the top of the next
  void ApplyZoom(double zoom);
  void UpdateScrollBars();
  const QImage& Rendered(int index);

  const PageStore& pages_;
  const PageSetup sheet_;
  double zoom_ = 1;
  Fit fit_ = Fit::Width;
  int current_ = 0;
  std::deque<std::pair<int, QImage>> rendered_;  // the most recently shown last
};

}  // namespace vertal::reports
