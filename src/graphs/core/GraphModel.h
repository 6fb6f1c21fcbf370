#pragma once
// What a graph shows and how it changes: opened with a file, moved by its scroll bar, emptied by
// the view reset. The window draws the view; the command-line tool prints it.

#include <string>
#include <vector>

#include "common/core/DumpSource.h"
#include "common/core/Host.h"
#include "common/core/JumpList.h"
#include "dump/core/ServicePages.h"
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
  // then the last window. The crane's labels name it in the titles until the next opening. A
  // file that cannot be opened is reported once.
  void Open(const DumpSource& source, const CraneLabels& labels, const JumpList& overloads, Host& host);

  // The graph-move command: the window fill for a new scroll position. A file that cannot be
  // opened is reported once and leaves the window empty.
  void MoveTo(const DumpSource& source, std::int64_t position, Host& host);

  // Every point removed, position 0, the axis 0 .. 1; titles stay.
  void Reset();

  const GraphView& View() const { return view_; }
  GraphKind Kind() const { return kind_; }
  // The names of the window's series ("Series2" ... or "Series6" ...).
  const std::vector<std::string>& SeriesNames() const { return names_; }

 private:
  GraphWindow Read(const DumpSource& source, std::int64_t position) const;
  bool Fill(const DumpSource& source, std::int64_t position);
  std::string Title(bool atOpening) const;
  void Show(const GraphWindow& window, bool atOpening);

  GraphKind kind_;
  std::vector<std::string> names_;
  CraneLabels labels_;
  GraphView view_;
};

inline constexpr std::string_view kParamDesignTitle = "Графики временной зависимости регистрируемых параметров";
inline constexpr std::string_view kRelayDesignTitle = "Графики временной зависимости работы реле и концевиков";
inline constexpr std::string_view kLimitSeriesName = "Series1";

// The crane as the service page names it.
CraneLabels LabelsOf(const dump::ServicePageModel& service);

}  // namespace vertal::graphs
