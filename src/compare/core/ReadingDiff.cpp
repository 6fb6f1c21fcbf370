#include "compare/core/ReadingDiff.h"

#include <utility>

#include "compare/core/CounterChanges.h"
#include "compare/core/Reading.h"
#include "compare/core/RecordMatch.h"
#include "compare/core/WearForecast.h"
#include "dump/core/OperatorTrailer.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/BcdDateTime.h"

namespace vertal::compare {
namespace {

frames::Moment ReadoutOrder(const Reading& a, const Reading& b) {
  const auto dateA = dump::ReadOperatorTrailer(a.head.trailer).date;
  const auto dateB = dump::ReadOperatorTrailer(b.head.trailer).date;
  return frames::CompareDateTime(dateA, dateB, dateA, dateB);
}

std::string Refusal(const Reading& a, const Reading& b) {
  return "Файлы относятся к разным кранам: " + IdentificationText(a) + " и " +
         IdentificationText(b) + ". Сравнивать можно только считывания одного крана.";
}

std::string Warning(const ReadingDiff& d) {
  return "Второй файл считан раньше первого (" + d.newDate + " раньше " + d.oldDate +
         "): изменения показаны от первого файла ко второму.";
}

}  // namespace

std::optional<ReadingDiff> CompareReadings(const std::string& first, const std::string& second,
                                           ReadingOrder order, Host& host,
                                           std::string_view separator) {
  std::optional<Reading> older = LoadReading(first, separator);
  std::optional<Reading> newer = older ? LoadReading(second, separator) : std::nullopt;
  if (!older || !newer) {
    dump::ReportUnreadable(host);
    return std::nullopt;
  }
  const frames::Moment dates = ReadoutOrder(*older, *newer);
  if (order == ReadingOrder::EarlierByDate && dates == frames::Moment::Later) std::swap(older, newer);

  ReadingDiff d;
  d.oldFile = older->path;
  d.newFile = newer->path;
  d.oldDate = older->pages.service.readingDate;
  d.newDate = newer->pages.service.readingDate;
  if (!SameCrane(*older, *newer)) {
    d.refusal = Refusal(*older, *newer);
    return d;
  }
  if (ReadoutOrder(*older, *newer) == frames::Moment::Later) d.warning = Warning(d);
  d.counters = CounterChanges(*older, *newer, separator);
  d.lifeUsed = LifeUsed(*older, *newer, separator);
  d.normativeDate = NormativeDate(*older, *newer, separator);
  d.episodes = FindNewEpisodes(*older, *newer);
  d.overloads = FindNewOverloads(*older, *newer, separator);
  d.kds = FindNewKds(*older, *newer, separator);
  return d;
}

}  // namespace vertal::compare
