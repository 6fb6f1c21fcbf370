#pragma once
// Draws a report onto a printer or a PDF writer, page by page as the paginator lays them out,
// so that no more than one page is held at a time.

#include "reports/core/ReportLayout.h"

class QPagedPaintDevice;
class QPainter;

namespace vertal::reports {

// Sets the device to an A4 sheet in the report's orientation, without margins of its own: the
// report keeps its margins itself, so the drawing starts at the sheet's corner.
void SetReportPage(QPagedPaintDevice& device, const PageSetup& page);

// Lays out the report and draws its pages with `painter`, which is active on `device`,
// starting a new sheet between pages. Returns the number of pages drawn.
int PaintReport(Report& report, QPagedPaintDevice& device, QPainter& painter);

}  // namespace vertal::reports
