#pragma once
// The view reset before a readout empties every page. The main window clears the file name and
// brings the service page to the front; each page adds the clearing of its own controls at its
// stage, so the reset runs in the same order whichever page was built first.

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

namespace vertal::app {

enum class ResetStage {
  ServiceLabels,   // identification and operator labels of the service page
  LoadFields,      // the load-distribution fields
  TimesAndTotals,  // mechanism times, operating times, weight, counts
  Gauges,          // the load bars, then the classification labels
  OverloadTable,   // the overload grid and its scroll bar
  KdsTable,        // the KDS grid and its scroll bar
  Tables,          // the frame grid and its scroll bar
  Graphs,          // the series and axes of both graphs
};
inline constexpr std::size_t kResetStageCount = static_cast<std::size_t>(ResetStage::Graphs) + 1;

class ResetSequence {
 public:
  using Step = std::function<void()>;

  // Steps of one stage run in the order they were added.
  void Add(ResetStage stage, Step step) {
    steps_[static_cast<std::size_t>(stage)].push_back(std::move(step));
  }

  void Run() const {
    for (const auto& stage : steps_)
      for (const auto& step : stage) step();
  }

 private:
  std::array<std::vector<Step>, kResetStageCount> steps_;
};

}  // namespace vertal::app
