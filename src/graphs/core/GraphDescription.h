#pragma once
// The description of a graph for assistive tools: its title, the frames of the window it shows,
// and for each visible series its lowest and highest value in the window and its number of
// points, so that a screen reader tells what the chart draws.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/core/GraphWindow.h"

namespace vertal::graphs {

struct DescribedSeries {
  std::string_view title;  // its legend entry
  const SeriesPoints* points = nullptr;
};

// "<title>. Кадры с 266240 по 268287. <series>: от 0 до 95, точек: 2048. <series>: точек нет."
// for the window at `position` and the visible series in the order given.
std::string DescribeGraph(std::string_view title, std::int64_t position,
                          const std::vector<DescribedSeries>& shown, std::string_view separator);

}  // namespace vertal::graphs
