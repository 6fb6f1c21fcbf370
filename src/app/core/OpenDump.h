#pragma once
// The Open command: everything opening a dump file shows, computed in one pass over the file as
// the window and the command-line tool both present it. The head is read and checked first,
// then the service pages, the last page of each table, the recording-period scan and both
// graphs.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/DumpSource.h"
#include "common/core/Host.h"
#include "common/core/ProgressSink.h"
#include "dump/core/ServicePages.h"
#include "events/core/KdsRecords.h"
#include "records/core/PagedTable.h"
#include "frames/core/PeriodScan.h"
#include "graphs/core/GraphModel.h"
#include "graphs/core/Overview.h"

namespace vertal::app {

struct OpenedDump {
  std::int8_t recorderVersion = 0;
  std::int64_t fileSize = 0;
  std::string sizeNotice;  // "" for a file of the full size
  dump::ServicePages service;
  records::TablePage overloadTable;
  events::KdsPageModel kds;
  records::TablePage frameTable;
  PassResult<frames::PeriodPanelModel> period;
  graphs::GraphModel param{graphs::GraphKind::Param};
  graphs::GraphModel relay{graphs::GraphKind::Relay};
  graphs::Overview overview;  // every frame slot at once, under both graphs
};

// Where the window follows the opening as it goes: the service page is brought to the front
// once the records are checked, the pages read so far are shown before the long scan, and the
// scan reports its progress.
struct OpenHooks {
  std::function<void()> recordsChecked;
  std::function<void(const OpenedDump& soFar)> tablesRead;
  PassHooks scan;
};

// Nothing when the file cannot be opened; that is reported once.
std::optional<OpenedDump> OpenDump(const DumpSource& source, Host& host, std::string_view separator,
                                   const OpenHooks& hooks = {});

}  // namespace vertal::app
