#pragma once
// A report as a description: the page, the page header and footer printed on every page, and
// the body, a sequence of fixed bands and of text columns that grow line by line and continue
// on the next page. Lengths are millimetres; font sizes are pixels of a 96-dpi screen, as the
// window's fonts are given. The paginator turns a report into pages one at a time, so that a
// report of any length is never held whole; a painter (reports/ui) draws each page.

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "common/core/Colour.h"

namespace vertal::reports {

enum class Orientation { Portrait, Landscape };

// A4 in millimetres, portrait.
inline constexpr double kA4Width = 210.0;
inline constexpr double kA4Height = 297.0;
// Lines of a text column follow each other at this multiple of the font size (the line
// spacing of Arial and its metric twin Liberation Sans).
inline constexpr double kLineSpacing = 1.15;
inline constexpr double kMmPerPx = 25.4 / 96.0;

struct PageSetup {
  Orientation orientation = Orientation::Portrait;
  double margin = 10.0;  // on every side

  double Width() const { return orientation == Orientation::Portrait ? kA4Width : kA4Height; }
  double Height() const { return orientation == Orientation::Portrait ? kA4Height : kA4Width; }
  double InnerWidth() const { return Width() - 2 * margin; }
  double InnerHeight() const { return Height() - 2 * margin; }
};

struct Font {
  double sizePx = 13;  // Arial
  bool bold = false;
  bool italic = false;
  // Extra width of a blank, in parts of the font size. Text read back from a PDF takes a
  // single blank between one-digit numbers ("2 5") for no break at all; a wider blank keeps
  // the numbers apart.
  double blankExtra = 0;

  bool operator==(const Font&) const = default;
};

enum class Align { Left, Center, Right };

// One line of text in a box; the text is centred vertically in the box and cut at its edges.
struct TextItem {
  double x = 0, y = 0, width = 0, height = 0;  // from the top left of its band
  std::string text;
  Font font;
  Align align = Align::Left;
  bool pageNumber = false;  // the page's number is written after the text
};

// A straight line.
struct RuleItem {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // from the top left of its band
  double widthPx = 1;
  Colour colour = kBlack;
  bool dashed = false;
};

// A filled rectangle without an outline (a bar of a chart, a legend's swatch).
struct FillItem {
  double x = 0, y = 0, width = 0, height = 0;  // from the top left of its band
  Colour colour = kBlack;
};

// A band of fixed height.
struct Band {
  double height = 0;
  std::vector<TextItem> texts;
  std::vector<RuleItem> rules;
  std::vector<FillItem> fills = {};
  bool newPage = false;  // starts a page of its own, whatever room the page before has left
};

// Next row of a growing table: fills `cells` (one text per column; it arrives holding one
// empty text per column) and returns true, or returns false when there are no more rows. Rows are pulled as pages fill, so a source may
// read its records as they are needed.
using RowSource = std::function<bool(std::vector<std::string>& cells)>;

struct TextColumn {
  double x = 0, width = 0;  // from the left of the band
  Align align = Align::Center;
};

// Text columns that grow with their rows: each row adds one line to every column. The band
// is at least `minHeight` high; its lines start `top` below its upper edge on its first page
// and at its upper edge on the following pages. `extra` items (a message above the lines,
// say) are printed once, on its first page.
struct ColumnsBand {
  double minHeight = 0;
  double top = 0;
  Font font;
  std::vector<TextColumn> columns;
  RowSource rows;
  Band extra;
};

using BodyPart = std::variant<Band, ColumnsBand>;

struct Report {
  std::string title;  // the print job's and the PDF's title
  PageSetup page;
  Band header;  // on every page, at the top of the printable area
  Band footer;  // on every page, at the bottom of the printable area
  std::vector<BodyPart> body;
};

// A page ready to draw: every position is from the top left corner of the sheet.
struct Page {
  int number = 1;  // from 1
  std::vector<TextItem> texts;  // with the page number already written where asked
  std::vector<RuleItem> rules;
  std::vector<FillItem> fills;
};

// Receives each page as soon as it is laid out; returns false to stop.
using PageSink = std::function<bool(const Page& page)>;

// Lays out the report page by page, in order, handing each page to `sink`. A fixed band that
// does not fit under what the page already holds starts a new page, as does one that asks for
// a page of its own; one taller than an empty page is cut at the footer. Returns the number of pages handed over. Consumes the row
// sources, so a report is laid out once.
int Paginate(Report& report, const PageSink& sink);

// Builds a report afresh, for each time it is laid out (a preview may lay it out again).
using ReportBuilder = std::function<Report()>;

}  // namespace vertal::reports
