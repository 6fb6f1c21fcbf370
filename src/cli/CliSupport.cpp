#include "cli/CliSupport.h"

#include <ostream>
#include <utility>

#include "cli/DecimalSeparator.h"

namespace vertal::cli {

CommandResult BadUsage(std::string explanation) {
  CommandResult result;
  result.document = nullptr;
  result.status = ExitStatus::BadUsage;
  result.error = std::move(explanation);
  return result;
}

Opening::Opening(std::string path) : path_(std::move(path)), separator_(DecimalSeparator()) {
  opened_ = app::OpenDump(path_, host_, separator_);
}

Json Opening::MessagesJson() const {
  Json texts = Json::array();
  for (const Message& m : host_.Messages()) texts.push_back(m.text);
  return texts;
}

Json Opening::VersionAndMessages() const {
  Json document = Json::object();
  if (opened_)
    document["RecorderVersion"] = static_cast<int>(opened_->recorderVersion);
  else
    document["RecorderVersion"] = nullptr;
  document["messages"] = MessagesJson();
  return document;
}

CommandResult Opening::Finish(Json document) const {
  CommandResult result;
  result.document = std::move(document);
  if (!opened_) {
    result.status = ExitStatus::CannotOpen;
    for (const Message& m : host_.Messages())
      if (m.kind == MessageKind::Error) result.error = m.text;
  }
  return result;
}

CommandResult Opening::FinishWithControls(const ControlSnapshot& controls) const {
  Json document = Json::object();
  document["messages"] = MessagesJson();
  document["controls"] = ControlsJson(controls);
  return Finish(std::move(document));
}

frames::TablePage TurnTablePage(Opening& opening, const frames::TableLayout& layout,
                                std::int64_t position) {
  // Over a file that could not be opened the page shows its record numbers and marks; the
  // failure has been reported once already.
  if (!opening.Opened())
    return frames::ReadTablePage(opening.Path(), layout, position, opening.Separator());
  return frames::TurnPage(opening.Path(), layout, position, opening.Separator(), opening.Host());
}

Json ControlsJson(const ControlSnapshot& controls) {
  Json out = Json::object();
  for (const auto& [name, value] : controls.Values()) {
    if (const auto* text = std::get_if<std::string>(&value)) {
      out[name] = *text;
    } else if (const auto* position = std::get_if<int>(&value)) {
      out[name] = *position;
    } else if (const auto* list = std::get_if<JumpList>(&value)) {
      Json items = Json::array();
      for (std::size_t i = 0; i < list->Count(); ++i)
        items.push_back({{"text", list->items[i]}, {"n", list->numbers[i]}});
      out[name] = std::move(items);
    } else if (const auto* grid = std::get_if<GridColumns>(&value)) {
      out[name] = *grid;
    }
  }
  return out;
}

Json HiddenJson(const ControlSnapshot& controls) {
  Json out = Json::array();
  for (const auto& name : controls.HiddenNames()) out.push_back(name);
  return out;
}

Json TablePageJson(std::string_view grid, const frames::TablePage& page) {
  Json document = Json::object();
  document["position"] = page.position;
  document[std::string(grid)] = page.columns;
  return document;
}

void WriteDocument(std::ostream& out, const Json& document) {
  out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace vertal::cli
