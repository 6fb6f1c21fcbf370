#pragma once
// How a series of a graph is drawn: its name, legend entry, colours, marker and line.

#include <QColor>

namespace vertal::graphs {

enum class Marker {
  None,
  Circle,
  Bar,  // a filled rectangle 1 pixel wide and 15 high: consecutive frames form a bar
};

struct SeriesStyle {
  const char* name;        // objectName of the series
  const char* title;       // its legend entry
  QRgb pointColour;        // points and the line between them
  QRgb legendColour;       // the legend icon
  Marker marker = Marker::None;
  bool line = true;        // points joined in ascending X
  int lineWidth = 1;
  bool inLegend = true;
  bool crosshair = true;   // crosshair cursor over its points
  // On the right-hand axis of a full turn, its line broken where it wraps through 0/360.
  bool turnAxis = false;
};

}  // namespace vertal::graphs
