#pragma once
// The skeleton the pages "Перегрузки" and "КДС" share: the paged table in its named area at
// the top, the page's own parts under it, then the search group and the summary of the last
// search. The table pages with its scroll bar and goes to the record chosen among the results;
// the page's search runs over the current file with its progress shown and tells `searched`.

#include <QWidget>
#include <functional>
#include <string>

#include "common/core/ProgressSink.h"
#include "common/ui/ModelWidgets.h"
#include "common/ui/PageWindow.h"
#include "common/ui/ShownPass.h"
#include "records/core/PagedTable.h"

class QGroupBox;
class QLabel;
class QVBoxLayout;

namespace vertal::ui {
class JumpListCombo;
class PagedTableView;
struct PagedTableSetup;
}  // namespace vertal::ui

namespace vertal::events {

// What does not depend on the model of the page's search.
class EventTableFrame : public QWidget {
 public:
  // The table as opening leaves it.
  void ShowTable(const records::TablePage& page);
  // Empties the grid and moves it to the first record.
  void ResetTable();

 protected:
  // Builds the page inside `sheet` with the table in the area `areaName`.
  EventTableFrame(QWidget* sheet, ui::PageWindow& window, const char* pageName,
                  const char* areaName, const ui::PagedTableSetup& setup);

  // Puts `part` under the parts placed so far.
  void AddPart(QWidget* part);
  // Ends the page with `search` and the summary `summaryName` under it; a result chosen in
  // `results` moves the table there.
  void Finish(QGroupBox* search, ui::JumpListCombo* results, const char* summaryName);

  ui::PagedTableView* table = nullptr;
  ui::PageWindow& window_;

 private:
  void OnTableScrolled();
  void OnFoundRecordChosen();

  QVBoxLayout* parts_ = nullptr;
  ui::JumpListCombo* results_ = nullptr;
};

template <class SearchModel>
class EventTablePage : public EventTableFrame {
 public:
  using SearchResult = PassResult<SearchModel>;

  void ClearSearch() { ui::ShowModel(this, SearchModel{}); }
  void ShowSearch(const SearchResult& result) {
    if (result.end != PassEnd::Refused) ui::ShowModel(this, result.model);
  }

  // Told of every search that ran over a file (not of a refused one), with that file.
  std::function<void(const std::string& file, const SearchResult& result)> searched;

 protected:
  using EventTableFrame::EventTableFrame;

  // Runs the page's search, `run(file, hooks)`, over the current file; nothing without one.
  template <class Run>
  void RunSearch(const ui::PassDisplay& display, Run run) {
    const DumpSource file = window_.CurrentFile();
    if (file.Empty()) return;
    ui::ShownPass pass(window_, display);
    const SearchResult result = run(file, pass.Hooks([this] { ClearSearch(); }));
    ShowSearch(result);
    if (searched) searched(file.Path(), result);
    pass.End(result.end);
  }
};

}  // namespace vertal::events
