#pragma once
// The page "История крана" and the window's command "История крана…": the history of the open
// file's crane over the readings in a folder the user chooses, laid out as the page shows it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/Host.h"
#include "common/core/PageControls.h"
#include "common/core/ProgressSink.h"
#include "history/core/CraneHistory.h"

namespace vertal::history {

inline constexpr std::string_view kHistoryFolderTitle = "История крана: папка со считываниями";
inline constexpr std::string_view kNoFileForHistoryText =
    "Сначала откройте файл: история строится для его крана.";
inline constexpr std::string_view kHistoryRunningText = " Идет чтение считываний крана";
inline constexpr std::string_view kHistoryDoneText = " История крана построена";
// What the page says before a history is shown.
inline constexpr std::string_view kHistoryHintText =
    "Файл → История крана…: выберите папку со считываниями этого крана.";

struct HistoryPageModel {
  std::string crane;     // the identification, the normative group and number, the readings
  std::string forecast;  // the design life used and the forecast with what it rests on
  std::string findings;  // a sentence per line, then the files that could not be read
  GridColumns readings;  // a row per reading, in readout order
  CraneHistory history;  // what the page shows, for its chart and its print
};

// The file of row `row` of the readings table; "" beyond the rows.
std::string ReadingFile(const HistoryPageModel& page, int row);

template <typename Visit>
void VisitControls(const HistoryPageModel& m, Visit&& v) {
  v("Label_HistoryCrane", m.crane);
  v("Label_HistoryForecast", m.forecast);
  v("Label_HistoryFindings", m.findings);
  v("Grid_History", m.readings);
}

HistoryPageModel HistoryPageOf(CraneHistory crane, const std::vector<FailedFile>& failed);

// The command: the history of the crane of `file` over the dump files under `folder`, read on
// `jobs` threads. `hooks.progress` counts the files read. Nothing when `file` itself cannot be
// read; that is reported once.
std::optional<HistoryPageModel> CraneHistoryOfFile(const std::string& file,
                                                   const std::string& folder, unsigned jobs,
                                                   Host& host, std::string_view separator,
                                                   const PassHooks& hooks = {});

}  // namespace vertal::history
