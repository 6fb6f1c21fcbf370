#include "SpreadReport.h"

#include <algorithm>
#include <cstddef>

namespace vertal::bench {

namespace {
constexpr double kLowShare = 0.1;   // the fastest tenth ends here
constexpr double kHighShare = 0.9;  // the slowest tenth starts here

double At(const std::vector<double>& sorted, double share) {
  const auto last = static_cast<double>(sorted.size() - 1);
  return sorted[static_cast<std::size_t>(share * last + 0.5)];
}
}  // namespace

void SpreadReport::Stop() {
  times_.push_back(
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count());
}

SpreadReport::~SpreadReport() {
  if (times_.empty()) return;
  std::sort(times_.begin(), times_.end());
  const double median = At(times_, 0.5);
  state_.counters["median"] = median * scale_;
  state_.counters["p10"] = At(times_, kLowShare) * scale_;
  state_.counters["p90"] = At(times_, kHighShare) * scale_;
  state_.counters["floor"] = floorMs_ * scale_;
  state_.counters["x_floor"] = median / floorMs_;
}

}  // namespace vertal::bench
