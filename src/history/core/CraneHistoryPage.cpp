#include "history/core/CraneHistoryPage.h"

#include "history/core/HistoryTexts.h"

namespace vertal::history {
namespace {

// The identification ("ограничитель зав. № …") starts the page's first line: a capital there.
std::string LineStart(std::string text) {
  constexpr std::string_view kLower = "о", kCapital = "О";
  if (text.starts_with(kLower)) text.replace(0, kLower.size(), kCapital);
  return text;
}

std::string CraneText(const CraneHistory& crane) {
  std::string text = LineStart(crane.identification);
  if (!crane.owner.empty()) text += ", владелец: " + crane.owner;
  if (text.empty() || text.back() != '.') text += '.';
  text += "\nГруппа классификации: " + (crane.normativeGroup.empty() ? "—" : crane.normativeGroup);
  if (crane.normativeNumber > 0)
    text += ", нормативное характеристическое число " + std::to_string(crane.normativeNumber);
  text += ". Считываний: " + std::to_string(crane.readings.size()) + ".";
  return text;
}

// The forecast's sentence names the readings and the dates it rests on.
std::string ForecastText(const CraneHistory& crane) {
  return crane.lifeUsed.text + "\n" + crane.forecast.date.text;
}

std::string FindingsText(const CraneHistory& crane, const std::vector<FailedFile>& failed) {
  std::string text;
  auto line = [&text](const std::string& sentence) {
    if (!text.empty()) text += '\n';
    text += sentence;
  };
  for (const HistoryFinding& finding : crane.findings) line(finding.text);
  if (crane.findings.empty()) line("Находок нет.");
  for (const FailedFile& file : failed) line("Не прочитан файл " + file.file + ": " + file.error);
  return text;
}

}  // namespace

std::string ReadingFile(const HistoryPageModel& page, int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= page.history.readings.size()) return {};
  return page.history.readings[static_cast<std::size_t>(row)].file;
}

HistoryPageModel HistoryPageOf(CraneHistory crane, const std::vector<FailedFile>& failed) {
  HistoryPageModel page;
  page.crane = CraneText(crane);
  page.forecast = ForecastText(crane);
  page.findings = FindingsText(crane, failed);
  page.readings.assign(kReadingColumnTitles.size(), {});
  for (std::size_t i = 0; i < crane.readings.size(); ++i) {
    std::vector<std::string> cells = ReadingCells(crane, i);
    cells.resize(page.readings.size());
    for (std::size_t c = 0; c < cells.size(); ++c) page.readings[c].push_back(std::move(cells[c]));
  }
  page.history = std::move(crane);
  return page;
}

std::optional<HistoryPageModel> CraneHistoryOfFile(const std::string& file,
                                                   const std::string& folder, unsigned jobs,
                                                   Host& host, std::string_view separator,
                                                   const PassHooks& hooks) {
  hooks.Begin();
  FileHistory found = HistoryOfFile(file, folder, jobs, separator, hooks.progress);
  if (!found.crane) {
    const std::string why = found.failed.empty() ? std::string() : ": " + found.failed.front().error;
    ShowError(host, "Не удалось прочитать файл " + file + why);
    return std::nullopt;
  }
  return HistoryPageOf(std::move(*found.crane), found.failed);
}

}  // namespace vertal::history
