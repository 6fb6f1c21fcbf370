#include "reports/pdf/ReportPdf.h"

#include <QByteArray>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QRawFont>
#include <QSize>
#include <cmath>
#include <cstdint>
#include <deque>
#include <vector>

#include "common/ui/UiText.h"
#include "reports/pdf/AsciiRuns.h"
#include "reports/pdf/TextBox.h"
#include "reports/pdf/core/PageContent.h"
#include "reports/pdf/core/PdfDocument.h"

namespace vertal::reports {
namespace {

// The layout is placed on whole 1/1200 inch, as Qt's PDF writer places it, so that the
// texts' glyphs fall where its metrics put them.
constexpr double kUnitsPerInch = 1200.0;
constexpr double kMetresPerInch = 0.0254;
constexpr double kPointsPerUnit = kPointsPerInch / kUnitsPerInch;
constexpr double kUnitsPerMm = kUnitsPerInch / kMmPerInch;
// Glyph widths go into the PDF in thousandths of the font size.
constexpr double kWidthScale = 1000.0;

std::string WriteFailed(const std::string& path) {
  return "Не удалось записать файл " + path;
}

// A device of the PDF's resolution with no pixels to speak of: only asked for its resolution,
// by the fonts' metrics.
QImage MetricsDevice() {
  QImage device(1, 1, QImage::Format_Mono);
  const int dotsPerMetre = static_cast<int>(std::lround(kUnitsPerInch / kMetresPerInch));
  device.setDotsPerMeterX(dotsPerMetre);
  device.setDotsPerMeterY(dotsPerMetre);
  return device;
}

// A face (regular, bold, italic) of the document.
struct Face {
  bool bold = false;
  bool italic = false;
  pdf::PdfFace* face = nullptr;
};

// A font of the report with its metrics on the device, made once per size and style, and
// the document's font that draws it.
struct DeviceFont {
  Font font;
  QFontMetricsF metrics;
  AsciiRuns runs;
  int resource;
  double size;  // in device units
  qreal height;
  qreal ascent;
};

// The face's name as a PDF name may hold it: Latin letters, digits and hyphens.
std::string PostScriptName(const QRawFont& raw) {
  std::string name;
  for (const QChar c : raw.familyName() + QLatin1Char('-') + raw.styleName()) {
    const char latin = c.toLatin1();
    if ((latin >= 'A' && latin <= 'Z') || (latin >= 'a' && latin <= 'z') ||
        (latin >= '0' && latin <= '9') || latin == '-')
      name += latin;
  }
  return name.size() > 1 ? name : "Font";
}

class ReportPdfWriter {
 public:
  ReportPdfWriter(const std::string& path, const PageSetup& page)
      : device_(MetricsDevice()),
        document_(path, SheetPoints(page).width(), SheetPoints(page).height()),
        content_(kPointsPerUnit, SheetPoints(page).height()) {}

  bool Ok() const { return document_.Ok(); }

  // Fills under rules, texts over both: a chart's labels stay readable over its lines.
  bool Add(const Page& page) {
    content_.Clear();
    for (const FillItem& fill : page.fills)
      content_.Fill(fill.colour, fill.x * kUnitsPerMm, fill.y * kUnitsPerMm,
                    fill.width * kUnitsPerMm, fill.height * kUnitsPerMm);
    for (const RuleItem& rule : page.rules)
      content_.Line(rule.x1 * kUnitsPerMm, rule.y1 * kUnitsPerMm, rule.x2 * kUnitsPerMm,
                    rule.y2 * kUnitsPerMm, rule.widthPx / kScreenDpi * kUnitsPerInch, rule.colour,
                    rule.dashed);
    for (const TextItem& item : page.texts) Text(item);
    document_.AddPage(content_.Finish());
    return document_.Ok();
  }

  bool Finish(const std::string& title) { return document_.Finish(title); }

 private:
  static QSizeF SheetPoints(const PageSetup& page) {
    const QSize a4 = QPageSize(QPageSize::A4).sizePoints();
    return page.orientation == Orientation::Portrait ? QSizeF(a4) : QSizeF(a4.transposed());
  }

  DeviceFont& Use(const Font& font) {
    if (current_ != nullptr && current_->font == font) return *current_;
    for (DeviceFont& known : fonts_)
      if (known.font == font) return *(current_ = &known);
    const QFont qfont = DeviceQFont(font, device_);
    const QFontMetricsF metrics(qfont, &device_);
    DeviceFont& made = fonts_.emplace_back(
        DeviceFont{font, metrics, AsciiRuns(qfont, device_, true),
                   document_.AddFont(FaceOf(font, qfont)), qfont.pointSizeF() / kPointsPerUnit,
                   metrics.height(), metrics.ascent()});
    // A blank is never drawn, but its width in the file is what readers of the text take for
    // the width of a character when they lay out the columns.
    const QList<quint32> blank = made.runs.RawFont().glyphIndexesForString(QStringLiteral(" "));
    if (!blank.isEmpty())
      Number(made, static_cast<std::uint16_t>(blank.front()), U' ');
    return *(current_ = &made);
  }

  pdf::PdfFace& FaceOf(const Font& font, const QFont& qfont) {
    for (Face& face : faces_)
      if (face.bold == font.bold && face.italic == font.italic) return *face.face;
    const QRawFont raw = QRawFont::fromFont(qfont);
    pdf::PdfFace& made = document_.AddFace(PostScriptName(raw), [raw](std::string_view tag) {
      const QByteArray table = raw.fontTable(std::string(tag).c_str());
      return std::string(table.constData(), static_cast<std::size_t>(table.size()));
    });
    faces_.push_back(Face{font.bold, font.italic, &made});
    return made;
  }

  // The glyph's number in the document, given it when the font draws it the first time.
  std::uint16_t Number(const DeviceFont& font, std::uint16_t glyph, char32_t code) {
    pdf::PdfFont& pdfFont = document_.Font(font.resource);
    const std::uint16_t known = pdfFont.Number(glyph);
    if (known != 0) return known;
    return pdfFont.Add(
        glyph,
        font.metrics.horizontalAdvance(QString::fromUcs4(&code, 1)) * kWidthScale / font.size,
        code);
  }

  // One line in its box: centred vertically, placed by its alignment, cut short with an
  // ellipsis when wider than the box.
  void Text(const TextItem& item) {
    if (item.text.empty()) return;
    DeviceFont& font = Use(item.font);
    const double left = item.x * kUnitsPerMm;
    const double width = item.width * kUnitsPerMm;
    const double baseline =
        std::round(TextBaseline(font.height, font.ascent, item.y * kUnitsPerMm,
                                item.height * kUnitsPerMm));
    qreal advance = 0;
    font.runs.Layout(item.text, advance);
    if (advance > width) {
      const QString elided =
          font.metrics.elidedText(ui::ToQString(item.text), Qt::ElideRight, width);
      font.runs.Layout(elided.toStdString(), advance);
    }
    const double start = std::round(AlignedLeft(item.align, left, width, advance));
    const QList<quint32>& glyphs = font.runs.Glyphs();
    const QList<QPointF>& positions = font.runs.Positions();
    glyphs_.clear();
    xs_.clear();
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
      glyphs_.push_back(Number(font, static_cast<std::uint16_t>(glyphs[i]),
                               font.runs.Codes()[static_cast<std::size_t>(i)]));
      xs_.push_back(start + positions[i].x());
    }
    content_.Glyphs(document_.Font(font.resource), font.resource, font.size, baseline, glyphs_.data(),
                    xs_.data(), glyphs_.size());
  }

  QImage device_;
  pdf::PdfDocument document_;
  pdf::PageContent content_;
  std::vector<Face> faces_;
  std::deque<DeviceFont> fonts_;   // a handful per report; `current_` points in
  DeviceFont* current_ = nullptr;
  std::vector<std::uint16_t> glyphs_;
  std::vector<double> xs_;
};

}  // namespace

PdfWritten WriteReportPdf(Report& report, const std::string& path) {
  ReportPdfWriter writer(path, report.page);
  if (!writer.Ok()) return {0, WriteFailed(path)};
  PdfWritten written;
  written.pages = Paginate(report, [&](const Page& page) { return writer.Add(page); });
  if (!writer.Finish(report.title)) written.error = WriteFailed(path);
  return written;
}

void PdfViewer::Show(const ReportBuilder& build) {
  Report report = build();
  last_ = WriteReportPdf(report, path_);
  ++shown_;
}

}  // namespace vertal::reports
