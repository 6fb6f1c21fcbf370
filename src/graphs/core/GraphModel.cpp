#include "graphs/core/GraphModel.h"

#include "dump/core/RecordAccess.h"

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

GraphWindow GraphModel::Read(const DumpSource& source, std::int64_t position) const {
  return kind_ == GraphKind::Param ? ReadParamWindow(source, position) : ReadRelayWindow(source, position);
}

std::string GraphModel::Title(bool atOpening) const {
  const CraneLabels& l = labels_;
  return kind_ == GraphKind::Param ? ParamTitle(l.crane, l.craneNumber, l.limiterNumber, atOpening)
                                   : RelayTitle(l.crane, l.craneNumber, l.limiterNumber, atOpening);
}

void GraphModel::Show(const GraphWindow& window, bool atOpening) {
  view_.position = window.position;
  view_.axis = WindowAxis(window.position);
  view_.series = window.series;
  if (window.anyValid) {
    view_.axisTitle = std::string(kFramesAxisTitle);
    view_.title = Title(atOpening);
  }
}

void GraphModel::Open(const DumpSource& source, const CraneLabels& labels, const JumpList& overloads,
                      Host& host) {
  labels_ = labels;
  const GraphWindow first = Read(source, 0);
  if (first.unreadable) {
    dump::ReportUnreadable(host);
    return;
  }
  Show(first, true);
  view_.limit = kind_ == GraphKind::Param ? LimitSeries(overloads) : SeriesPoints{};
  MoveTo(source, kOpeningPosition, host);
}

void GraphModel::MoveTo(const DumpSource& source, std::int64_t position, Host& host) {
  if (!Fill(source, position)) dump::ReportUnreadable(host);
}

bool GraphModel::Fill(const DumpSource& source, std::int64_t position) {
  const GraphWindow window = Read(source, position);
  if (window.unreadable) {
    view_.position = window.position;
    view_.axis = WindowAxis(window.position);
    for (auto& s : view_.series) s = {};
    return false;
  }
  Show(window, false);
  return true;
}

void GraphModel::Reset() {
  view_.position = 0;
  view_.axis = kResetAxis;
  for (auto& s : view_.series) s = {};
  view_.limit = {};
}

CraneLabels LabelsOf(const dump::ServicePageModel& service) {
  return {service.crane, service.craneSerial, service.limiterSerial};
}

}  // namespace vertal::graphs
