#pragma once
// Draws a report onto a printer or a PDF writer, page by page as the paginator lays them out,
// so that no more than one page is held at a time.

#include "reports/core/PageStore.h"
#include "reports/core/ReportLayout.h"

class QPaintDevice;
class QPagedPaintDevice;
class QPainter;

namespace vertal::reports {

// Sets the device to an A4 sheet in the report's orientation, without margins of its own: the
// report keeps its margins itself, so the drawing starts at the sheet's corner.
void SetReportPage(QPagedPaintDevice& device, const PageSetup& page);

// Lays out the report and draws its pages with `painter`, which is active on `device`,
// starting a new sheet between pages. Returns the number of pages drawn.
int PaintReport(Report& report, QPagedPaintDevice& device, QPainter& painter);

// Draws the pages from `first` to `last` (from 0) of laid-out `pages` as PaintReport does.
// Returns the number of pages drawn.
int PaintPages(const PageStore& pages, int first, int last, QPagedPaintDevice& device,
               QPainter& painter);

// Draws one page with `painter`, active on `device`, whose resolution sets the page's size
// (an image rendered for the preview).
void PaintPage(const Page& page, QPaintDevice& device, QPainter& painter);

}  // namespace vertal::reports
