#include "graphs/core/GraphModel.h"

namespace vertal::graphs {
namespace {
constexpr AxisRange kResetAxis{0, 1};
}  // namespace

GraphModel::GraphModel(GraphKind kind) : kind_(kind) {
  const auto& names = kind == GraphKind::Param
                          ? std::vector<std::string>(kParamSeriesNames.begin(), kParamSeriesNames.end())
                          : std::vector<std::string>(kRelaySeriesNames.begin(), kRelaySeriesNames.end());
  names_ = names;
  view_.title = std::string(kind == GraphKind::Param ? kParamDesignTitle : kRelayDesignTitle);
  view_.series.resize(names_.size());
}

GraphWindow GraphModel::Read(const std::string& path, std::int64_t position) const {
  return kind_ == GraphKind::Param ? ReadParamWindow(path, position) : ReadRelayWindow(path, position);
}

std::string GraphModel::Title(const CraneLabels& l, bool atOpening) const {
  return kind_ == GraphKind::Param ? ParamTitle(l.crane, l.craneNumber, l.limiterNumber, atOpening)
                                   : RelayTitle(l.crane, l.craneNumber, l.limiterNumber, atOpening);
}

void GraphModel::Show(const GraphWindow& window, const CraneLabels& labels, bool atOpening) {
  view_.position = window.position;
  view_.axis = WindowAxis(window.position);
  view_.series = window.series;
  if (window.anyValid) {
    view_.axisTitle = std::string(kFramesAxisTitle);
    view_.title = Title(labels, atOpening);
  }
}

bool GraphModel::Open(const std::string& path, const CraneLabels& labels, const JumpList& overloads) {
  const GraphWindow first = Read(path, 0);
  if (first.unreadable) return false;
  Show(first, labels, true);
  view_.limit = kind_ == GraphKind::Param ? LimitSeries(first, overloads) : SeriesPoints{};
  return MoveTo(path, kOpeningPosition, labels);
}

bool GraphModel::MoveTo(const std::string& path, std::int64_t position, const CraneLabels& labels) {
  const GraphWindow window = Read(path, position);
  if (window.unreadable) {
    view_.position = window.position;
    view_.axis = WindowAxis(window.position);
    for (auto& s : view_.series) s = {};
    return false;
  }
  Show(window, labels, false);
  return true;
}

void GraphModel::Reset() {
  view_.position = 0;
  view_.axis = kResetAxis;
  for (auto& s : view_.series) s = {};
  view_.limit = {};
}

}  // namespace vertal::graphs
