#include "export/core/ExportCommand.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "events/core/KdsRecords.h"

namespace vertal::exporting {
namespace {

constexpr std::string_view kTemporarySuffix = ".part";

void RemoveQuietly(const std::filesystem::path& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

}  // namespace

std::string CannotWriteMessage(const std::string& target) {
  return "Файл " + target + " не удалось записать!";
}

ExportResult ExportTable(TableKind kind, const TableSources& sources, const CsvDialect& dialect,
                         const std::string& target, Host& host) {
  if (kind == TableKind::Kds && !events::KdsRecordsKept(sources.shown.recorderVersion)) {
    ShowPlain(host, events::KdsNote(sources.shown.recorderVersion));
    return {ExportEnd::NotKept, 0};
  }
  const std::filesystem::path temporary = target + std::string(kTemporarySuffix);
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) {
    ShowError(host, CannotWriteMessage(target));
    return {ExportEnd::Unwritable, 0};
  }
  std::int64_t rows = 0;
  bool complete = false;
  {
    CsvWriter csv(out, dialect);
    complete = WriteTable(kind, sources, csv, host);
    csv.Flush();
    rows = csv.Rows();
  }
  out.close();
  if (!complete) {
    RemoveQuietly(temporary);
    return {ExportEnd::Unreadable, 0};
  }
  std::error_code renameFailed;
  if (!out.fail()) std::filesystem::rename(temporary, target, renameFailed);
  if (out.fail() || renameFailed) {
    RemoveQuietly(temporary);
    ShowError(host, CannotWriteMessage(target));
    return {ExportEnd::Unwritable, 0};
  }
  return {ExportEnd::Written, rows};
}

}  // namespace vertal::exporting
