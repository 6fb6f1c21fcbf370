#include "compare/core/CounterChanges.h"

#include <numeric>

#include "common/core/NumberFormat.h"
#include "dump/core/DurationText.h"
#include "dump/core/LoadDistribution.h"
#include "dump/core/ServiceCaptions.h"

namespace vertal::compare {
namespace {

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::string_view kWorkCyclePrefix = "Рабочие циклы ";
constexpr std::string_view kLoadCyclePrefix = "Циклы нагружения ";

// A caption without its closing colon.
std::string Name(std::string_view caption) {
  if (caption.ends_with(':')) caption.remove_suffix(1);
  return std::string(caption);
}

// A growth shows its plus sign; a fall its minus, as the number has it.
std::string Signed(std::string text, bool positive) { return positive ? "+" + text : text; }

std::string CountChange(std::int64_t change) { return Signed(std::to_string(change), change > 0); }

std::string TimeChange(std::int64_t seconds) { return Signed(dump::SecondsToHms(seconds), seconds > 0); }

class Rows {
 public:
  explicit Rows(std::vector<CounterChange>& out) : out_(out) {}

  void Count(std::string name, const std::string& oldText, const std::string& newText,
             std::int64_t oldValue, std::int64_t newValue) {
    out_.push_back({std::move(name), oldText, newText, CountChange(newValue - oldValue)});
  }
  void Time(std::string_view caption, const std::string& oldText, const std::string& newText,
            std::int64_t oldSeconds, std::int64_t newSeconds) {
    out_.push_back({Name(caption), oldText, newText, TimeChange(newSeconds - oldSeconds)});
  }
  void Text(std::string_view caption, const std::string& oldText, const std::string& newText,
            std::string change) {
    out_.push_back({Name(caption), oldText, newText, std::move(change)});
  }

 private:
  std::vector<CounterChange>& out_;
};

// The captions of the load ranges as the later reading's page shows them.
std::array<std::string, dump::kLoadBinCount> RangeCaptions(const dump::LoadPageModel& load) {
  std::array<std::string, dump::kLoadBinCount> captions;
  for (std::size_t k = 0; k < dump::kLoadBinCount; ++k) captions[k] = dump::kRangeCaptions[k];
  if (load.range120Caption) captions[dump::kRange120Caption] = *load.range120Caption;
  if (load.range125Caption) captions[dump::kRange125Caption] = *load.range125Caption;
  return captions;
}

std::int64_t Sum(const std::array<std::uint32_t, dump::kLoadBinCount>& counters) {
  return std::accumulate(counters.begin(), counters.end(), std::int64_t{0});
}

void LoadRanges(const CounterSource& o, const CounterSource& n, Rows& rows) {
  const auto captions = RangeCaptions(n.pages.load);
  for (std::size_t k = 0; k < dump::kLoadBinCount; ++k)
    rows.Count(std::string(kWorkCyclePrefix) + captions[k], o.pages.load.workCycles[k],
               n.pages.load.workCycles[k], o.info.workCycles[k], n.info.workCycles[k]);
  for (std::size_t k = 0; k < dump::kLoadBinCount; ++k)
    rows.Count(std::string(kLoadCyclePrefix) + captions[k], o.pages.load.loadCycles[k],
               n.pages.load.loadCycles[k], o.info.loadCycles[k], n.info.loadCycles[k]);
  rows.Count(Name(dump::kWorkCycleTotalCaption), o.pages.load.workCycleTotal,
             n.pages.load.workCycleTotal, Sum(o.info.workCycles), Sum(n.info.workCycles));
  rows.Count(Name(dump::kLoadCycleTotalCaption), o.pages.load.loadCycleTotal,
             n.pages.load.loadCycleTotal, Sum(o.info.loadCycles), Sum(n.info.loadCycles));
}

void Times(const CounterSource& o, const CounterSource& n, Rows& rows) {
  const dump::ServicePageModel &os = o.pages.service, &ns = n.pages.service;
  const auto& om = o.info.mechanismSeconds;
  const auto& nm = n.info.mechanismSeconds;
  rows.Time(dump::kHoistTimeCaption, os.hoistTime, ns.hoistTime, om[0], nm[0]);
  rows.Time(dump::kAngleTimeCaption, os.angleTime, ns.angleTime, om[1], nm[1]);
  rows.Time(dump::kLengthTimeCaption, os.lengthTime, ns.lengthTime, om[2], nm[2]);
  rows.Time(dump::kSlewTimeCaption, os.slewTime, ns.slewTime, om[3], nm[3]);
  rows.Time(dump::kPoweredTimeCaption, os.poweredTime, ns.poweredTime,
            std::int64_t{o.info.poweredMinutes} * kSecondsPerMinute,
            std::int64_t{n.info.poweredMinutes} * kSecondsPerMinute);
  if (os.loadedTime && ns.loadedTime && o.info.loadedSeconds && n.info.loadedSeconds)
    rows.Time(dump::kLoadedTimeCaption, *os.loadedTime, *ns.loadedTime, *o.info.loadedSeconds,
              *n.info.loadedSeconds);
}

// The overload counts as the service page counts them from its texts.
void Overloads(const CounterSource& o, const CounterSource& n, Rows& rows) {
  const dump::ServicePageModel &os = o.pages.service, &ns = n.pages.service;
  const auto count = [](const std::string& text) { return dump::CountFromText(text); };
  rows.Count(Name(dump::kOverloadTripsCaption), os.overloadTrips, ns.overloadTrips,
             count(os.overloadTrips), count(ns.overloadTrips));
  if (ns.version31RowsShown == false) return;
  rows.Count(Name(dump::kOverloads110To125Caption), os.overloads110To125, ns.overloads110To125,
             count(os.overloads110To125), count(ns.overloads110To125));
  rows.Count(Name(dump::kOverloadsAbove125Caption), os.overloadsAbove125, ns.overloadsAbove125,
             count(os.overloadsAbove125), count(ns.overloadsAbove125));
}

}  // namespace

std::vector<CounterChange> CounterChanges(const Reading& older, const Reading& newer,
                                          std::string_view separator) {
  return CounterChanges(CounterSource{older.pages, older.info}, CounterSource{newer.pages, newer.info},
                        separator);
}

std::vector<CounterChange> CounterChanges(const CounterSource& o, const CounterSource& n,
                                          std::string_view separator) {
  std::vector<CounterChange> out;
  Rows rows(out);
  LoadRanges(o, n, rows);
  Times(o, n, rows);
  // The weight changes by as many tonnes as the two texts differ.
  rows.Count(Name(dump::kLiftedWeightCaption), o.pages.service.liftedWeight,
             n.pages.service.liftedWeight, o.info.liftedWeight / dump::kWeightDivisor,
             n.info.liftedWeight / dump::kWeightDivisor);
  Overloads(o, n, rows);
  const double charChange = static_cast<double>(n.info.charNumber) - static_cast<double>(o.info.charNumber);
  rows.Text(dump::kCharNumberCaption, o.pages.service.charNumber, n.pages.service.charNumber,
            Signed(FormatFloat(dump::kCharNumberPattern, charChange, separator), charChange > 0));
  return out;
}

}  // namespace vertal::compare
