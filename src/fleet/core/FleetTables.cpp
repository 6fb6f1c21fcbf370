#include "fleet/core/FleetTables.h"

#include <array>
#include <vector>

#include "common/core/Bcd.h"
#include "common/core/NumberFormat.h"

namespace vertal::fleet {
namespace {

constexpr std::string_view kCsvDecimalPoint = ".";
constexpr std::string_view kHundredths = "#0.00";
constexpr std::string_view kThousandths = "#0.000";
constexpr double kSecondsPerHour = 3600.0;
constexpr double kMinutesPerHour = 60.0;
constexpr double kPercent = 100.0;
constexpr int kWeightDecimals = 2;  // the lifted weight counts hundredths of a tonne

enum class Mechanism : std::size_t { Hoist, Angle, Length, Slew };

void Hours(CsvWriter& out, double hours) { out.Field(FormatFloat(kHundredths, hours, kCsvDecimalPoint)); }

void MechanismHours(CsvWriter& out, const CraneRow& r, Mechanism m) {
  Hours(out, r.info.mechanismSeconds[static_cast<std::size_t>(m)] / kSecondsPerHour);
}

void Count(CsvWriter& out, std::size_t n) { out.Integer(static_cast<std::int64_t>(n)); }

void EpisodeCount(CsvWriter& out, const CraneRow& r, Episodes list) {
  Count(out, r.episodes[static_cast<std::size_t>(list)]);
}

// Dates and times that are not valid BCD (a record missing from a short file, an erased slot)
// are left empty, so that a reader can type the columns as dates and times.
void Date(CsvWriter& out, frames::Bcd3 date) {
  out.Date(frames::BcdDateValid(date) ? BcdDateText(date) : std::string());
}

void Moment(CsvWriter& out, const frames::Moment6& m, bool time) {
  if (!time) return Date(out, m.date);
  out.Field(frames::BcdTimeValid(m.time) ? BcdTimeText(m.time) : std::string());
}

// The share of the design life used: the characteristic number of its normative value.
void LifeUsed(CsvWriter& out, const CraneRow& r) {
  const std::int32_t normative = r.classification.normativeNumber;
  if (normative == 0) return out.Field("");
  out.Field(FormatFloat(kHundredths, static_cast<double>(r.info.charNumber) * kPercent / normative,
                        kCsvDecimalPoint));
}

struct CraneColumn {
  std::string_view name;
  void (*write)(CsvWriter& out, const CraneRow& row);
  bool always = false;  // also for a file that could not be read
};

// clang-format off
const std::array kCraneColumns = {
  CraneColumn{"file", [](CsvWriter& o, const CraneRow& r) { o.Field(r.file); }, true},
  CraneColumn{"sha256", [](CsvWriter& o, const CraneRow& r) { o.Field(r.sha256); }, true},
  CraneColumn{"size_bytes", [](CsvWriter& o, const CraneRow& r) { o.Integer(r.sizeBytes); }, true},
  CraneColumn{"complete", [](CsvWriter& o, const CraneRow& r) { o.Field(r.complete ? "true" : "false"); }, true},
  CraneColumn{"recorder_version", [](CsvWriter& o, const CraneRow& r) { o.Integer(r.recorderVersion); }},
  CraneColumn{"modification", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.modification); }},
  CraneColumn{"limiter_serial", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.limiterSerial); }},
  CraneColumn{"program", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.program); }},
  CraneColumn{"change_number", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.changeNumber); }},
  CraneColumn{"tables_version", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.tablesVersion); }},
  CraneColumn{"limiter_maker", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.limiterMaker); }},
  CraneColumn{"crane_model", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.crane); }},
  CraneColumn{"crane_serial", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.craneSerial); }},
  CraneColumn{"crane_maker", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.craneMaker); }},
  CraneColumn{"crane_year", [](CsvWriter& o, const CraneRow& r) { o.Integer(r.info.craneYear); }},
  CraneColumn{"commissioning", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.commissioning); }},
  CraneColumn{"install_date", [](CsvWriter& o, const CraneRow& r) { Date(o, r.info.installDate); }},
  CraneColumn{"owner", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.owner); }},
  CraneColumn{"readout_date", [](CsvWriter& o, const CraneRow& r) { Date(o, r.readoutDate); }},
  CraneColumn{"operator_name", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.operatorName); }},
  CraneColumn{"operator_organisation", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.organisation); }},
  CraneColumn{"operator_certificate", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.certificate); }},
  CraneColumn{"first_date", [](CsvWriter& o, const CraneRow& r) { Moment(o, r.first, false); }},
  CraneColumn{"first_time", [](CsvWriter& o, const CraneRow& r) { Moment(o, r.first, true); }},
  CraneColumn{"last_date", [](CsvWriter& o, const CraneRow& r) { Moment(o, r.last, false); }},
  CraneColumn{"last_time", [](CsvWriter& o, const CraneRow& r) { Moment(o, r.last, true); }},
  CraneColumn{"powered_hours", [](CsvWriter& o, const CraneRow& r) { Hours(o, r.info.poweredMinutes / kMinutesPerHour); }},
  CraneColumn{"hoist_hours", [](CsvWriter& o, const CraneRow& r) { MechanismHours(o, r, Mechanism::Hoist); }},
  CraneColumn{"angle_hours", [](CsvWriter& o, const CraneRow& r) { MechanismHours(o, r, Mechanism::Angle); }},
  CraneColumn{"length_hours", [](CsvWriter& o, const CraneRow& r) { MechanismHours(o, r, Mechanism::Length); }},
  CraneColumn{"slew_hours", [](CsvWriter& o, const CraneRow& r) { MechanismHours(o, r, Mechanism::Slew); }},
  CraneColumn{"loaded_hours", [](CsvWriter& o, const CraneRow& r) {
    if (r.info.loadedSeconds) Hours(o, *r.info.loadedSeconds / kSecondsPerHour); else o.Field("");
  }},
  CraneColumn{"lifted_weight_t", [](CsvWriter& o, const CraneRow& r) { o.Scaled(r.info.liftedWeight, kWeightDecimals, kHundredths); }},
  CraneColumn{"load_cycles", [](CsvWriter& o, const CraneRow& r) { o.Field(r.loadCycleTotal); }},
  CraneColumn{"work_cycles", [](CsvWriter& o, const CraneRow& r) { o.Field(r.workCycleTotal); }},
  CraneColumn{"class_of_use_u", [](CsvWriter& o, const CraneRow& r) { o.Integer(r.classification.classOfUse); }},
  CraneColumn{"spectrum_factor_kp", [](CsvWriter& o, const CraneRow& r) {
    o.Field(FormatFloat(kThousandths, static_cast<double>(r.classification.spectrumFactor), kCsvDecimalPoint));
  }},
  CraneColumn{"spectrum_class_q", [](CsvWriter& o, const CraneRow& r) { o.Integer(r.classification.spectrumClass); }},
  CraneColumn{"group_a", [](CsvWriter& o, const CraneRow& r) { o.Integer(r.classification.group); }},
  CraneColumn{"normative_group", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.normativeGroup); }},
  CraneColumn{"char_number", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.charNumber); }},
  CraneColumn{"normative_char_number", [](CsvWriter& o, const CraneRow& r) { o.Integer(r.classification.normativeNumber); }},
  CraneColumn{"life_used_percent", LifeUsed},
  CraneColumn{"overload_trips", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.overloadTrips); }},
  CraneColumn{"overloads_110_125", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.overloads110To125); }},
  CraneColumn{"overloads_above_125", [](CsvWriter& o, const CraneRow& r) { o.Field(r.shown.overloadsAbove125); }},
  CraneColumn{"overload_episodes", [](CsvWriter& o, const CraneRow& r) { EpisodeCount(o, r, Episodes::Overload); }},
  CraneColumn{"tuning_episodes", [](CsvWriter& o, const CraneRow& r) { EpisodeCount(o, r, Episodes::Tuning); }},
  CraneColumn{"mzon_episodes", [](CsvWriter& o, const CraneRow& r) { EpisodeCount(o, r, Episodes::Mzon); }},
  CraneColumn{"switch_ons", [](CsvWriter& o, const CraneRow& r) { EpisodeCount(o, r, Episodes::SwitchOn); }},
  CraneColumn{"overload_records", [](CsvWriter& o, const CraneRow& r) { Count(o, r.overloadRecords); }},
  CraneColumn{"kds_records", [](CsvWriter& o, const CraneRow& r) { Count(o, r.kdsRecords); }},
  CraneColumn{"damaged_long_term_records", [](CsvWriter& o, const CraneRow& r) { Count(o, r.damagedLongTermRecords); }},
  CraneColumn{"invalid_frames", [](CsvWriter& o, const CraneRow& r) { Count(o, r.invalidFrames); }},
  CraneColumn{"error", [](CsvWriter& o, const CraneRow& r) { o.Field(r.error); }, true},
};
// clang-format on

using EventField = std::string EventRow::*;
struct EventColumn {
  std::string_view name;
  EventField field;
};
const std::array kEventColumns = {
    EventColumn{"frame", &EventRow::frame},
    EventColumn{"record", &EventRow::record},
    EventColumn{"date", &EventRow::date},
    EventColumn{"time", &EventRow::time},
    EventColumn{"load_percent", &EventRow::loadPercent},
    EventColumn{"radius_m", &EventRow::radius},
    EventColumn{"capacity_t", &EventRow::capacity},
    EventColumn{"mode", &EventRow::mode},
    EventColumn{"parameter_code", &EventRow::parameterCode},
    EventColumn{"parameter", &EventRow::parameter},
    EventColumn{"value", &EventRow::value},
    EventColumn{"unit", &EventRow::unit},
};
constexpr std::array<std::string_view, 5> kEventLeadColumns = {
    "sha256", "limiter_serial", "crane_serial", "kind", "list"};

template <typename Names>
void Header(CsvWriter& out, const Names& names) {
  std::vector<CsvColumn> columns;
  for (std::string_view name : names) columns.push_back({name, name});
  out.Header(columns);
}

}  // namespace

std::string_view EpisodeListName(Episodes list) {
  constexpr std::array<std::string_view, kEpisodeListCount> kNames = {"overload", "tuning", "mzon",
                                                                      "switch_on"};
  return kNames[static_cast<std::size_t>(list)];
}

void WriteCraneHeader(CsvWriter& out) {
  std::vector<std::string_view> names;
  for (const CraneColumn& c : kCraneColumns) names.push_back(c.name);
  Header(out, names);
}

void WriteCraneRow(CsvWriter& out, const CraneRow& row) {
  for (const CraneColumn& c : kCraneColumns) {
    if (row.Read() || c.always)
      c.write(out, row);
    else
      out.Field("");
  }
  out.EndRow();
}

void WriteEventHeader(CsvWriter& out) {
  std::vector<std::string_view> names(kEventLeadColumns.begin(), kEventLeadColumns.end());
  for (const EventColumn& c : kEventColumns) names.push_back(c.name);
  Header(out, names);
}

void WriteEventRow(CsvWriter& out, const EventOwner& owner, const EventRow& event) {
  out.Field(owner.sha256);
  out.Field(owner.limiterSerial);
  out.Field(owner.craneSerial);
  out.Field(event.kind);
  out.Field(event.list);
  for (const EventColumn& c : kEventColumns) {
    if (c.name == "date")
      out.Date(event.*c.field);
    else
      out.Field(event.*c.field);
  }
  out.EndRow();
}

}  // namespace vertal::fleet
