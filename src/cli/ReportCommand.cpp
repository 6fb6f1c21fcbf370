// report FILE --kind ... --pdf OUT.pdf: the print command after opening FILE, writing the
// report as a PDF instead of showing its preview.

#include <QWidget>
#include <memory>

#include <nlohmann/json.hpp>

#include "app/core/TableInputs.h"
#include "cli/Commands.h"
#include "cli/PaintingApplication.h"
#include "graphs/ui/GraphChart.h"
#include "graphs/ui/GraphPages.h"
#include "graphs/ui/ParamGraphPage.h"
#include "graphs/ui/RelayGraphPage.h"
#include "reports/core/FrameRangeInput.h"
#include "reports/core/ReportSequence.h"
#include "reports/ui/ChartPrint.h"
#include "reports/pdf/ReportPdf.h"

namespace vertal::cli {
namespace {

Json PagesDocument(const Opening& opening, int pages) {
  Json document = Json::object();
  document["messages"] = opening.MessagesJson();
  document["pages"] = pages;
  return document;
}

// The graph page as the window would show it at `at`, printed to the PDF.
CommandResult PrintGraph(const ReportOptions& options, Opening& opening) {
  const app::OpenedDump& opened = *opening.Opened();
  const bool param = options.kind == "graph-param";
  graphs::GraphModel model = param ? opened.param : opened.relay;
  if (graphs::ClampGraphPosition(options.at) != model.View().position)
    model.MoveTo(options.file, options.at, opening.Host());

  QWidget sheet;
  const graphs::GraphLinks links{[&options] { return options.file; }, &opening.Host()};
  std::unique_ptr<graphs::GraphPage> page;
  if (param) {
    page = std::make_unique<graphs::ParamGraphPage>(links, &sheet);
  } else {
    page = std::make_unique<graphs::RelayGraphPage>(links, &sheet);
  }
  page->Open(std::move(model));
  const std::variant<int, std::string> written = reports::WriteChartPdf(*page->Chart(), options.pdf);
  if (const auto* error = std::get_if<std::string>(&written)) return BadUsage(*error);
  return opening.Finish(PagesDocument(opening, std::get<int>(written)));
}

}  // namespace

CommandResult RunReport(const ReportOptions& given) {
  ReportOptions options = given;
  options.kds.from = options.overloads.from;  // one pair of dates serves both searches
  options.kds.to = options.overloads.to;
  reports::ReportRequests requests;
  reports::FrameRange range;
  if (options.kind == "card") requests.card = true;
  if (options.kind == "per") requests.overloads = true;
  if (options.kind == "kds") requests.kds = true;
  if (options.kind == "oper") {
    const auto read = reports::ReadFrameRange(options.first, options.last);
    if (const auto* refusal = std::get_if<Message>(&read)) return BadUsage(refusal->text);
    range = std::get<reports::FrameRange>(read);
    requests.operative = true;
  }
  // Search fields that the window would refuse are bad usage, as for the searches.
  const app::TableFields fields{options.overloads, options.kds, range};
  if (auto refusal = app::FieldsRefusal(app::NeedsOf(requests), fields)) return BadUsage(*refusal);

  PaintingApplication application;
  Opening opening(options.file);
  if (!opening.Opened()) return opening.Finish(PagesDocument(opening, 0));
  if (options.kind == "graph-param" || options.kind == "graph-relay")
    return PrintGraph(options, opening);

  std::optional<app::TableInputs> inputs =
      app::GatherTableInputs(app::NeedsOf(requests), opening.Document(), fields, opening.Host());
  if (!inputs) return opening.Finish(PagesDocument(opening, 0));

  reports::PdfViewer viewer(options.pdf);
  reports::RunReportSequence(requests, app::ReportInputsOf(std::move(*inputs), opening.Separator()),
                             viewer, opening.Host());
  if (viewer.Shown() == 0) return opening.Finish(PagesDocument(opening, 0));
  if (!viewer.Last().error.empty()) return BadUsage(viewer.Last().error);
  return opening.Finish(PagesDocument(opening, viewer.Last().pages));
}

}  // namespace vertal::cli
