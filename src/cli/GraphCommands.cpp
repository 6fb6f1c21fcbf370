// graph FILE --kind param|relay --at P: the points of one window of a graph, after opening
// FILE as the window does.

#include <nlohmann/json.hpp>

#include "cli/Commands.h"

namespace vertal::cli {
namespace {

// Frame numbers are whole; they print without a fraction.
Json Points(const graphs::SeriesPoints& points) {
  Json out = Json::array();
  for (std::size_t i = 0; i < points.Size(); ++i)
    out.push_back(Json::array({static_cast<std::int64_t>(points.x[i]), points.y[i]}));
  return out;
}

}  // namespace

CommandResult RunGraph(const GraphOptions& options) {
  const bool param = options.kind == "param";
  Opening opening(options.file);
  std::optional<graphs::GraphModel> model;
  if (const auto& opened = opening.Opened()) {
    model = param ? opened->param : opened->relay;
    // The scroll bar runs the window fill only when its position changes.
    if (graphs::ClampGraphPosition(options.at) != model->View().position)
      model->MoveTo(options.file, options.at, opening.Host());
  } else {
    model.emplace(param ? graphs::GraphKind::Param : graphs::GraphKind::Relay);
  }

  const graphs::GraphView& view = model->View();
  Json document = Json::object();
  document["position"] = view.position;
  document["axis"] = Json::array({static_cast<std::int64_t>(view.axis.min),
                                  static_cast<std::int64_t>(view.axis.max)});
  document["title"] = view.title;
  Json series = Json::object();
  if (param) series[std::string(graphs::kLimitSeriesName)] = Points(view.limit);
  for (std::size_t i = 0; i < view.series.size(); ++i)
    series[model->SeriesNames()[i]] = Points(view.series[i]);
  document["series"] = std::move(series);
  document["messages"] = opening.MessagesJson();
  return opening.Finish(std::move(document));
}

}  // namespace vertal::cli
