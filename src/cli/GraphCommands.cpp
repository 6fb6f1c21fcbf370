// graph FILE --kind param|relay --at P: the points of one window of a graph, after opening
// FILE as the window does (service page for the crane in the title, period scan for the
// overload episodes on the limit line).

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "dump/core/RecordAccess.h"
#include "dump/core/ServicePresenter.h"
#include "frames/core/PeriodScan.h"
#include "graphs/core/GraphModel.h"

namespace vertal::cli {
namespace {

using graphs::GraphKind;

const std::map<std::string, GraphKind> kKinds{{"param", GraphKind::Param},
                                              {"relay", GraphKind::Relay}};

struct GraphOptions {
  std::string file;
  std::string kind;
  std::int64_t at = 0;
};

// Frame numbers are whole; they print without a fraction.
Json Points(const graphs::SeriesPoints& points) {
  Json out = Json::array();
  for (std::size_t i = 0; i < points.Size(); ++i)
    out.push_back(Json::array({static_cast<std::int64_t>(points.x[i]), points.y[i]}));
  return out;
}

void ReportUnreadable(Host& host) {
  host.ShowMessage({MessageKind::Error, std::string(dump::kOpenFailedText)});
}

CommandResult RunGraph(const GraphOptions& options) {
  const GraphKind kind = kKinds.at(options.kind);
  DumpSession session(options.file);
  dump::AddServiceStages(session.Sequence());
  session.Sequence().Add(dump::OpenStage::PeriodScan, [](dump::OpenContext& c) {
    if (const auto scan = frames::ScanRecordingPeriod(c.path))
      frames::ShowPeriodScan(*scan, *c.controls);
    else
      ReportUnreadable(c.host);
    return true;
  });

  graphs::GraphModel model(kind);
  const RecordedControls& controls = session.Controls();
  const auto labels = [&controls] {
    return graphs::CraneLabels{controls.Text(graphs::kCraneLabel),
                               controls.Text(graphs::kCraneNumberLabel),
                               controls.Text(graphs::kLimiterNumberLabel)};
  };
  const auto stage = kind == GraphKind::Param ? dump::OpenStage::ParamGraph : dump::OpenStage::RelayGraph;
  session.Sequence().Add(stage, [&](dump::OpenContext& c) {
    if (!model.Open(c.path, labels(), controls.List(graphs::kOverloadListControl)))
      ReportUnreadable(c.host);
    return true;
  });

  session.Run();
  // The scroll bar runs the window fill only when its position changes.
  if (session.Opened() && graphs::ClampGraphPosition(options.at) != model.View().position &&
      !model.MoveTo(options.file, options.at, labels()))
    ReportUnreadable(session.Collector());

  const graphs::GraphView& view = model.View();
  Json document = Json::object();
  document["position"] = view.position;
  document["axis"] = Json::array({static_cast<std::int64_t>(view.axis.min),
                                  static_cast<std::int64_t>(view.axis.max)});
  document["title"] = view.title;
  Json series = Json::object();
  if (kind == GraphKind::Param) series[std::string(graphs::kLimitSeriesName)] = Points(view.limit);
  for (std::size_t i = 0; i < view.series.size(); ++i)
    series[model.SeriesNames()[i]] = Points(view.series[i]);
  document["series"] = std::move(series);
  document["messages"] = session.Collector().MessagesJson();
  return session.Finish(std::move(document));
}

}  // namespace

void AddGraphCommands(CommandTable& table) {
  auto options = std::make_shared<GraphOptions>();
  CLI::App* graph = table.Add(
      "graph",
      "The points of one window of 2,048 frames of a graph after opening FILE. Prints "
      "{\"position\", \"axis\", \"title\", \"series\", \"messages\"}.",
      [options] { return RunGraph(*options); });
  graph->add_option("FILE", options->file, "dump file (.bin)")->required();
  graph->add_option("--kind", options->kind, "param (parameters) or relay (coordinate protection)")
      ->required()
      ->check(CLI::IsMember({"param", "relay"}));
  graph->add_option("--at", options->at,
                    "first frame of the window; clamped to 0 .. 268228 like the scroll bar")
      ->required();
}

}  // namespace vertal::cli
