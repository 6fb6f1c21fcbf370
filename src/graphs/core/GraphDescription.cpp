#include "graphs/core/GraphDescription.h"

#include <algorithm>
#include <charconv>

#include "common/core/NumberFormat.h"

namespace vertal::graphs {

namespace {

// Values are shown to two decimals at most, without trailing zeros: 12.5, 95, 8.25.
constexpr std::string_view kValuePattern = "#0.00";

std::string Value(double value, std::string_view separator) {
  std::string text = FormatFloat(kValuePattern, value, separator);
  const std::size_t point = text.find(separator);
  if (point == std::string::npos) return text;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.size() == point + separator.size()) text.erase(point);
  return text;
}

std::string Count(std::int64_t n) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  return std::string(digits, end);
}

}  // namespace

std::string DescribeGraph(std::string_view title, std::int64_t position,
                          const std::vector<DescribedSeries>& shown, std::string_view separator) {
  std::string text(title);
  text += ". ";
  text += kFramesAxisTitle;
  text += " с " + Count(position) + " по " + Count(position + kWindowFrames - 1) + ".";
  for (const DescribedSeries& series : shown) {
    text += " ";
    text += series.title;
    const std::vector<double>& y = series.points->y;
    if (y.empty()) {
      text += ": точек нет.";
      continue;
    }
    const auto [lowest, highest] = std::minmax_element(y.begin(), y.end());
    text += ": от " + Value(*lowest, separator) + " до " + Value(*highest, separator) +
            ", точек: " + Count(static_cast<std::int64_t>(y.size())) + ".";
  }
  return text;
}

}  // namespace vertal::graphs
