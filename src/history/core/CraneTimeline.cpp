#include "history/core/CraneTimeline.h"

#include <algorithm>
#include <filesystem>

#include "compare/core/CounterChanges.h"
#include "compare/core/Reading.h"
#include "compare/core/WearForecast.h"
#include "dump/core/Classification.h"
#include "dump/core/ServicePages.h"
#include "history/core/NormativeForecast.h"

namespace vertal::history {
namespace {

constexpr double kPercent = 100.0;
// A finding names so many of the counters that fell and counts the rest.
constexpr std::size_t kNamedCounters = 3;

constexpr std::string_view kFirstReading =
    "Первое считывание крана: израсходованный за период ресурс не определить";
constexpr std::string_view kAfterReset =
    "Счётчики ниже, чем при предыдущем считывании: израсходованный за период ресурс не "
    "определить";

// Dated readings first, by day; then the undated; the file's path decides between equals.
bool ReadEarlier(const ReadingSummary& a, const ReadingSummary& b) {
  if (a.day.has_value() != b.day.has_value()) return a.day.has_value();
  if (a.day != b.day) return a.day < b.day;
  return a.file < b.file;
}

// "считывании 12.10.08 (crane1000.bin)"
std::string Reading(const ReadingSummary& r) {
  return "считывании " + r.pages.service.readingDate + " (" +
         std::filesystem::path(r.file).filename().string() + ")";
}

std::string Named(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < kNamedCounters; ++i)
    text += (i > 0 ? ", " : "") + names[i];
  if (names.size() > kNamedCounters)
    text += " и ещё " + std::to_string(names.size() - kNamedCounters);
  return text;
}

class Timeline {
 public:
  Timeline(CraneHistory& crane, std::string_view separator)
      : crane_(crane), separator_(separator) {}

  void Add(const ReadingSummary* before, const ReadingSummary& r) {
    const std::size_t index = crane_.readings.size();
    HistoryReading& h = crane_.readings.emplace_back();
    h.file = r.file;
    h.dateText = r.pages.service.readingDate;
    h.day = r.day;
    h.charNumber = static_cast<double>(r.info.charNumber);
    h.charNumberText = r.pages.service.charNumber;
    h.liftedWeight = static_cast<double>(r.info.liftedWeight) / dump::kWeightDivisor;
    h.liftedWeightText = std::to_string(r.info.liftedWeight / dump::kWeightDivisor);
    h.owner = r.pages.service.owner;
    h.clockFindings = r.clockFindings.size();

    const compare::CounterSource now{r.pages, r.info};
    const std::vector<compare::CounterChange> changes = compare::CounterChanges(
        before ? compare::CounterSource{before->pages, before->info} : now, now, separator_);
    std::vector<std::string> lower;
    for (const compare::CounterChange& c : changes) {
      CounterValue& v = Counter(h, c.name);
      v.value = c.newValue;
      if (before) v.change = c.change;
      if (before && c.change.starts_with('-')) lower.push_back(c.name);
    }
    if (!lower.empty()) {
      ++segment_;
      Find(FindingKind::CounterLower, {index},
           "При " + Reading(r) + " счётчики ниже, чем при " + Reading(*before) + ": " +
               Named(lower) +
               ". Ограничитель заменён или сброшен: прогноз строится по считываниям начиная с "
               "этого.");
    }
    h.segment = segment_;
    Period(before, r, h, !lower.empty());

    if (before && before->pages.service.normativeGroup != r.pages.service.normativeGroup)
      Find(FindingKind::GroupChanged, {index - 1, index},
           "Нормативная группа крана изменилась: " + before->pages.service.normativeGroup +
               " при " + Reading(*before) + ", " + r.pages.service.normativeGroup + " при " +
               Reading(r) + ".");
    if (!r.clockFindings.empty())
      Find(FindingKind::ClockFindings, {index},
           "Проверка записи при " + Reading(r) + " находит ошибки часов кадров (" +
               std::to_string(r.clockFindings.size()) + "): " + r.clockFindings.front());
  }

  // Runs of readings of one day, each as one finding.
  void SameDays(const std::vector<ReadingSummary>& readings) {
    for (std::size_t i = 0; i < readings.size();) {
      std::size_t end = i + 1;
      while (end < readings.size() && readings[i].day && readings[end].day == readings[i].day)
        ++end;
      if (end - i > 1) {
        std::vector<std::size_t> run;
        std::string files;
        for (std::size_t k = i; k < end; ++k) {
          run.push_back(k);
          files +=
              (k > i ? ", " : "") + std::filesystem::path(readings[k].file).filename().string();
        }
        Find(FindingKind::SameDay, std::move(run),
             "Считывания одного дня (" + readings[i].pages.service.readingDate + "): " + files +
                 ".");
      }
      i = end;
    }
  }

 private:
  CounterValue& Counter(HistoryReading& h, const std::string& name) {
    auto& names = crane_.counterNames;
    const auto at = std::find(names.begin(), names.end(), name);
    const auto k = static_cast<std::size_t>(at - names.begin());
    if (at == names.end()) names.push_back(name);
    if (h.counters.size() < names.size()) h.counters.resize(names.size());
    return h.counters[k];
  }

  // What the period since the reading before used: design life, weight, overloads above 125 %.
  void Period(const ReadingSummary* before, const ReadingSummary& r, HistoryReading& h,
              bool reset) {
    if (!before) {
      h.lifeUsed = {std::nullopt, std::string(kFirstReading)};
      return;
    }
    h.overloadsAbove125 = NewRecordCount(before->heavyOverloads, r.heavyOverloads);
    if (reset) {
      h.lifeUsed = {std::nullopt, std::string(kAfterReset)};
      return;
    }
    h.liftedInPeriod =
        static_cast<double>(r.info.liftedWeight - before->info.liftedWeight) / dump::kWeightDivisor;
    h.liftedInPeriodText = std::to_string(r.info.liftedWeight / dump::kWeightDivisor -
                                          before->info.liftedWeight / dump::kWeightDivisor);
    const std::int32_t normative = dump::NormativeNumber(r.pages.service.normativeGroup);
    const double grown =
        static_cast<double>(r.info.charNumber) - static_cast<double>(before->info.charNumber);
    h.lifeUsed = compare::LifeUsed(static_cast<double>(before->info.charNumber),
                                   static_cast<double>(r.info.charNumber), normative, separator_);
    if (normative > 0) h.lifeUsedPercent = grown / normative * kPercent;
  }

  void Find(FindingKind kind, std::vector<std::size_t> readings, std::string text) {
    crane_.findings.push_back({kind, std::move(readings), std::move(text)});
  }

  CraneHistory& crane_;
  std::string_view separator_;
  std::size_t segment_ = 0;
};

void Identify(CraneHistory& crane, const ReadingSummary& last, std::string_view separator) {
  const dump::ServicePageModel& shown = last.pages.service;
  crane.limiterSerial = shown.limiterSerial;
  crane.crane = shown.crane;
  crane.craneSerial = shown.craneSerial;
  crane.owner = shown.owner;
  crane.identification = compare::IdentificationText(shown);
  crane.normativeGroup = shown.normativeGroup;
  crane.normativeNumber = dump::NormativeNumber(shown.normativeGroup);
  if (crane.normativeNumber <= 0) {
    crane.lifeUsed = {std::nullopt, std::string(compare::kNoNormativeText)};
    return;
  }
  const double percent =
      static_cast<double>(last.info.charNumber) / crane.normativeNumber * kPercent;
  crane.lifeUsedPercent = percent;
  const std::string share = compare::ShareText(percent, separator);
  crane.lifeUsed = {share, "Израсходовано " + share + " нормативного характеристического числа (" +
                               std::to_string(crane.normativeNumber) + ")"};
}

}  // namespace

CraneHistory BuildCraneHistory(std::vector<ReadingSummary> readings, std::string_view separator) {
  CraneHistory crane;
  if (readings.empty()) return crane;
  std::sort(readings.begin(), readings.end(), ReadEarlier);
  Timeline timeline(crane, separator);
  for (std::size_t i = 0; i < readings.size(); ++i)
    timeline.Add(i > 0 ? &readings[i - 1] : nullptr, readings[i]);
  timeline.SameDays(readings);
  // A counter only some readings show leaves the others' cells empty.
  for (HistoryReading& h : crane.readings) h.counters.resize(crane.counterNames.size());
  Identify(crane, readings.back(), separator);
  crane.forecast = NormativeForecast(crane.readings, crane.normativeNumber, separator);
  return crane;
}

}  // namespace vertal::history
