// Two readings of one crane compared: the counters' changes, the wear forecast and what the
// later reading holds that the earlier one does not.

#include <nlohmann/json.hpp>

#include "cli/Commands.h"
#include "cli/DecimalSeparator.h"
#include "cli/JsonForms.h"
#include "compare/core/ReadingDiff.h"

namespace vertal::cli {
namespace {

Json ReadingJson(const std::string& file, const std::string& date) {
  Json out = Json::object();
  out["file"] = file;
  out["reading_date"] = date;
  return out;
}

Json CountersJson(const std::vector<compare::CounterChange>& counters) {
  Json out = Json::array();
  for (const compare::CounterChange& c : counters) {
    Json row = Json::object();
    row["name"] = c.name;
    row["old"] = c.oldValue;
    row["new"] = c.newValue;
    row["change"] = c.change;
    out.push_back(std::move(row));
  }
  return out;
}

Json ItemJson(const JumpList& list, std::size_t i) {
  Json item = Json::object();
  item["text"] = list.Text(i);
  item["n"] = list.Numbers()[i];
  return item;
}

Json ListJson(const JumpList& list) {
  Json out = Json::array();
  for (std::size_t i = 0; i < list.Count(); ++i) out.push_back(ItemJson(list, i));
  return out;
}

Json EpisodesJson(const compare::NewEpisodes& e) {
  Json out = Json::object();
  out["overloads"] = ListJson(e.overloads);
  out["tuning"] = ListJson(e.tuning);
  out["mzon"] = ListJson(e.mzon);
  out["switch_ons"] = ListJson(e.switchOns);
  return out;
}

Json RecordsJson(const compare::NewRecords& records) {
  Json out = Json::array();
  for (std::size_t i = 0; i < records.items.Count(); ++i) {
    Json item = ItemJson(records.items, i);
    item["fields"] = records.fields[i];
    out.push_back(std::move(item));
  }
  return out;
}

}  // namespace

CommandResult RunDiff(const DiffOptions& options) {
  CollectingHost host;
  const std::optional<compare::ReadingDiff> diff = compare::CompareReadings(
      options.oldFile, options.newFile, compare::ReadingOrder::AsGiven, host, DecimalSeparator());
  CommandResult result;
  Json messages = Json::array();
  for (const Message& m : host.Messages()) messages.push_back(m.text);
  result.document["messages"] = std::move(messages);
  if (!diff) {
    result.status = ExitStatus::CannotOpen;
    result.error = host.Messages().back().text;
    return result;
  }
  Json& d = result.document.Tree();
  d["old"] = ReadingJson(diff->oldFile, diff->oldDate);
  d["new"] = ReadingJson(diff->newFile, diff->newDate);
  d["refused"] = OptionalText(diff->refusal);
  d["warning"] = OptionalText(diff->warning);
  d["counters"] = CountersJson(diff->counters);
  d["life_used"] = EstimateJson(diff->lifeUsed);
  d["normative_date"] = EstimateJson(diff->normativeDate);
  d["new_episodes"] = EpisodesJson(diff->episodes);
  d["new_overloads"] = RecordsJson(diff->overloads);
  d["new_kds"] = RecordsJson(diff->kds);
  return result;
}

}  // namespace vertal::cli
