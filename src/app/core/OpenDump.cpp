#include "app/core/OpenDump.h"

#include "events/core/OverloadRecords.h"
#include "frames/core/FrameTable.h"

namespace vertal::app {

namespace {

// Each table opens on its last page.
records::TablePage LastPage(const DumpSource& source, const records::TableLayout& layout,
                           std::string_view separator, Host& host) {
  return records::TurnPage(source, layout, layout.MaxPosition(), separator, host);
}

}  // namespace

std::optional<OpenedDump> OpenDump(const DumpSource& source, Host& host, std::string_view separator,
                                   const OpenHooks& hooks) {
  const std::optional<dump::DumpHead> head = dump::OpenDumpHead(source, host);
  if (!head) return std::nullopt;
  if (hooks.recordsChecked) hooks.recordsChecked();

  OpenedDump opened;
  opened.recorderVersion = head->RecorderVersion();
  opened.fileSize = head->fileSize;
  opened.sizeNotice = dump::FileSizeNotice(head->fileSize);
  opened.service = dump::PresentServicePages(*head, separator);
  opened.overloadTable = LastPage(source, events::OverloadTableLayout(), separator, host);
  opened.kds = events::OpenKdsPage(source, opened.recorderVersion, separator, host);
  opened.frameTable = LastPage(source, frames::FrameTableLayout(), separator, host);
  if (hooks.tablesRead) hooks.tablesRead(opened);

  // One pass over the frames serves the period scan and the overview.
  graphs::OverviewReader overview;
  opened.period = frames::RunPeriodScan(
      source, host, hooks.scan,
      [&overview](std::int64_t n, frames::FrameBytes record) { overview.Offer(n, record); });
  const graphs::CraneLabels labels = graphs::LabelsOf(opened.service.service);
  opened.param.Open(source, labels, opened.period.model.overloads, host);
  opened.relay.Open(source, labels, {}, host);
  const frames::PeriodPanelModel& period = opened.period.model;
  std::optional<graphs::Overview> read;
  if (opened.period.end == PassEnd::Done) read = overview.Finish();
  opened.overview = graphs::MarkEpisodes(
      std::move(read), {&period.overloads, &period.tuning, &period.mzon, &period.switchOns});
  return opened;
}

}  // namespace vertal::app
