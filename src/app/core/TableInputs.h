#pragma once
// The inputs of a table command, print or export, in the window and in vertal-cli: the service
// pages of the current file, the frame range, and the records of the overload and KDS searches.
// A search whose last run belongs to another file, or that has not run, runs now over the
// current file with the fields as they stand, as "Найти" runs it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/core/DumpDocument.h"
#include "common/core/Host.h"
#include "common/core/ProgressSink.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "export/core/TableExport.h"
#include "reports/core/ReportSequence.h"

namespace vertal::app {

enum class SearchKind { Overloads, Kds };

// Which searches a table command needs.
struct TableNeeds {
  bool overloadRecords = false;
  bool kdsRecords = false;
};
TableNeeds NeedsOf(const reports::ReportRequests& requests);
TableNeeds NeedsOf(exporting::TableKind kind);

// The fields of the window as they stand (the CLI's options).
struct TableFields {
  events::OverloadFields overloads;
  events::KdsFields kds;
  reports::FrameRange range;
};

// The message that refuses the fields a table command needs; nothing when they can be read.
std::optional<std::string> FieldsRefusal(const TableNeeds& needs, const TableFields& fields);

// How a search that a table command runs is shown while it runs and when it ends: in the
// window on its page, as "Найти" shows it; the CLI shows nothing.
class SearchShow {
 public:
  virtual ~SearchShow() = default;
  virtual PassHooks Began(SearchKind kind) = 0;
  // The document holds the search's result by now.
  virtual void Ended(const PassResult<events::OverloadSearchModel>& result) = 0;
  virtual void Ended(const PassResult<events::KdsSearchModel>& result) = 0;
};

// Where the rows of a table command come from.
struct TableInputs {
  DumpSource file;
  reports::CardInputs card;  // the service pages, the version and both search summaries
  reports::FrameRange range;
  events::OverloadFields overloadFields;
  std::vector<std::int64_t> overloadRecords;
  std::vector<std::int64_t> kdsRecords;
  frames::PeriodPanelModel episodes;
};

// Nothing when no file is current, the current file could not be opened, or a search refused
// its fields or could not read the file: each has said why through `host`.
std::optional<TableInputs> GatherTableInputs(const TableNeeds& needs, DumpDocument& document,
                                             const TableFields& fields, Host& host,
                                             SearchShow* show = nullptr);

reports::ReportInputs ReportInputsOf(TableInputs inputs, std::string separator);
exporting::TableSources ExportSourcesOf(TableInputs inputs);

}  // namespace vertal::app
