#include "reports/pdf/core/PdfDocument.h"

#include "reports/pdf/core/PdfNumbers.h"

namespace vertal::reports::pdf {
namespace {

void AppendReference(std::string& out, int number) {
  AppendInt(out, number);
  out += " 0 R";
}

}  // namespace

PdfDocument::PdfDocument(const std::string& path, double widthPoints, double heightPoints)
    : file_(path),
      width_(widthPoints),
      height_(heightPoints),
      pages_(file_.Reserve()),
      resources_(file_.Reserve()) {}

PdfFace& PdfDocument::AddFace(std::string name, FontTables tables) {
  return faces_.emplace_back(std::move(name), std::move(tables));
}

int PdfDocument::AddFont(PdfFace& face) {
  fonts_.emplace_back(file_.Reserve(), face);
  return static_cast<int>(fonts_.size()) - 1;
}

void PdfDocument::AddPage(std::string_view content) {
  const int stream = file_.Reserve();
  file_.WriteStream(stream, "", content);
  const int page = file_.Reserve();
  std::string body = "<</Type/Page/Parent ";
  AppendReference(body, pages_);
  body += "/MediaBox[0 0 ";
  AppendNumber(body, width_);
  body += ' ';
  AppendNumber(body, height_);
  body += "]/Resources ";
  AppendReference(body, resources_);
  body += "/Contents ";
  AppendReference(body, stream);
  body += ">>";
  file_.Write(page, body);
  kids_.push_back(page);
}

bool PdfDocument::Finish(std::string_view title) {
  std::string resources = "<</ProcSet[/PDF/Text]/Font<<";
  for (const PdfFace& face : faces_) {
    const PdfFace::Written written = face.Write(file_);
    for (const PdfFont& font : fonts_)
      if (&font.Face() == &face) font.Write(file_, written);
  }
  for (std::size_t i = 0; i < fonts_.size(); ++i) {
    resources += "/F";
    AppendInt(resources, static_cast<long long>(i));
    resources += ' ';
    AppendReference(resources, fonts_[i].Number());
  }
  resources += ">>>>";
  file_.Write(resources_, resources);

  std::string pages = "<</Type/Pages/Kids[";
  for (const int kid : kids_) {
    AppendReference(pages, kid);
    pages += ' ';
  }
  pages += "]/Count ";
  AppendInt(pages, static_cast<long long>(kids_.size()));
  pages += ">>";
  file_.Write(pages_, pages);

  const int catalog = file_.Reserve();
  std::string body = "<</Type/Catalog/Pages ";
  AppendReference(body, pages_);
  body += ">>";
  file_.Write(catalog, body);

  // The title as UTF-16 with its byte order mark, which every reader takes for any script.
  const int info = file_.Reserve();
  std::string infoBody = "<</Title<FEFF";
  for (const char32_t code : DecodeUtf8(title)) AppendUtf16Hex(infoBody, code);
  infoBody += ">/Producer(vertal)>>";
  file_.Write(info, infoBody);
  return file_.Close(catalog, info);
}

}  // namespace vertal::reports::pdf
