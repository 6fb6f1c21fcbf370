#pragma once
// What a graph shows and how it changes: opened with a file, moved by its scroll bar, emptied by
// the view reset. The window draws the view; the command-line tool prints it.

#include <string>
#include <vector>

#include "common/core/JumpList.h"
#include "graphs/core/GraphWindow.h"

namespace vertal::graphs {

enum class GraphKind { Param, Relay };

// The texts of the service page that name the crane in the titles.
struct CraneLabels {
  std::string crane;          // Label_MKran
  std::string craneNumber;    // Label_NKran
  std::string limiterNumber;  // Label_NVERTAL
};

struct GraphView {
  std::int64_t position = 0;
  AxisRange axis{0, 25};
  std::string title;
  std::string axisTitle;  // empty until a fill meets a valid frame
  std::vector<SeriesPoints> series;  // the window's series, in the order of the kind's names
  SeriesPoints limit;                // the 110 % line of the parameter graph
};

class GraphModel {
 public:
  explicit GraphModel(GraphKind kind);

  // The fill when a file is opened: the first window (for the limit line and the opening title)
  // then the last window. False when the file cannot be opened.
  bool Open(const std::string& path, const CraneLabels& labels, const JumpList& overloads);

  // The window fill for a new scroll position. False when the file cannot be opened.
  bool MoveTo(const std::string& path, std::int64_t position, const CraneLabels& labels);

  // Every point removed, position 0, the axis 0 .. 1; titles stay.
  void Reset();

  const GraphView& View() const { return view_; }
  GraphKind Kind() const { return kind_; }
  // The names of the window's series ("Series2" ... or "Series6" ...).
  const std::vector<std::string>& SeriesNames() const { return names_; }

 private:
  GraphWindow Read(const std::string& path, std::int64_t position) const;
  std::string Title(const CraneLabels& labels, bool atOpening) const;
  void Show(const GraphWindow& window, const CraneLabels& labels, bool atOpening);

  GraphKind kind_;
  std::vector<std::string> names_;
  GraphView view_;
};

inline constexpr std::string_view kParamDesignTitle = "Графики временной зависимости регистрируемых параметров";
inline constexpr std::string_view kRelayDesignTitle = "Графики временной зависимости работы реле и концевиков";
inline constexpr std::string_view kLimitSeriesName = "Series1";

// Controls of other pages that the graphs read: the crane in the titles (service page) and the
// list of overload episodes that the limit line marks (period scan).
inline constexpr std::string_view kCraneLabel = "Label_MKran";
inline constexpr std::string_view kCraneNumberLabel = "Label_NKran";
inline constexpr std::string_view kLimiterNumberLabel = "Label_NVERTAL";
inline constexpr std::string_view kOverloadListControl = "ComboBox_Cikl_M";

}  // namespace vertal::graphs
