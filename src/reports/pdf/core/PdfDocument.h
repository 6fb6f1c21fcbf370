#pragma once
// A PDF document written page by page: pages share one set of fonts, which go in at the end
// with only the glyphs the pages drew.

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "reports/pdf/core/PdfFile.h"
#include "reports/pdf/core/PdfFont.h"

namespace vertal::reports::pdf {

class PdfDocument {
 public:
  // Every page is `widthPoints` by `heightPoints`.
  PdfDocument(const std::string& path, double widthPoints, double heightPoints);

  // False when the file could not be opened or written.
  bool Ok() const { return file_.Ok(); }

  // A face of the font; `name` is its PostScript name.
  PdfFace& AddFace(std::string name, FontTables tables);
  // A face at one size for the pages, named /F`resource` in their drawings.
  int AddFont(PdfFace& face);
  PdfFont& Font(int resource) { return fonts_[static_cast<std::size_t>(resource)]; }

  void AddPage(std::string_view content);
  // Writes the fonts, the page tree and the document's title (UTF-8) and closes the file;
  // false when anything could not be written.
  bool Finish(std::string_view title);

 private:
  PdfFile file_;
  const double width_;
  const double height_;
  const int pages_;
  const int resources_;
  std::deque<PdfFace> faces_;  // kept in place: fonts and callers hold references
  std::deque<PdfFont> fonts_;
  std::vector<int> kids_;
};

}  // namespace vertal::reports::pdf
