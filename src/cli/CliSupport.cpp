#include "cli/CliSupport.h"

#include "cli/DecimalSeparator.h"

#include <ostream>
#include <utility>

namespace vertal::cli {

CommandResult BadUsage(std::string explanation) {
  CommandResult result;
  result.document = nullptr;
  result.status = ExitStatus::BadUsage;
  result.error = std::move(explanation);
  return result;
}

Json CollectingHost::MessagesJson() const {
  Json texts = Json::array();
  for (const Message& m : messages_) texts.push_back(m.text);
  return texts;
}

DumpSession::DumpSession(std::string path) : context_(std::move(path), host_) {
  context_.controls = &controls_;
  context_.decimalSeparator = DecimalSeparator();
  dump::AddFileStages(sequence_);
}

bool DumpSession::Run() {
  sequence_.Run(context_);
  return Opened();
}

CommandResult DumpSession::OpenFailure(Json document) const {
  CommandResult result;
  result.document = std::move(document);
  result.status = ExitStatus::CannotOpen;
  for (const Message& m : host_.Messages())
    if (m.kind == MessageKind::Error) result.error = m.text;
  return result;
}

Json DumpSession::VersionAndMessages() const {
  Json document = Json::object();
  if (Opened())
    document["RecorderVersion"] = static_cast<int>(context_.recorderVersion);
  else
    document["RecorderVersion"] = nullptr;
  document["messages"] = host_.MessagesJson();
  return document;
}

CommandResult DumpSession::Finish(Json document) const {
  if (!Opened()) return OpenFailure(std::move(document));
  CommandResult result;
  result.document = std::move(document);
  return result;
}

CommandResult DumpSession::FinishWithControls(const RecordedControls& controls) const {
  Json document = Json::object();
  document["messages"] = host_.MessagesJson();
  document["controls"] = ControlsJson(controls);
  return Finish(std::move(document));
}

void WriteDocument(std::ostream& out, const Json& document) {
  out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

Json ControlsJson(const RecordedControls& controls) {
  Json out = Json::object();
  for (const auto& [name, value] : controls.values) {
    if (const auto* text = std::get_if<std::string>(&value)) {
      out[name] = *text;
    } else if (const auto* position = std::get_if<int>(&value)) {
      out[name] = *position;
    } else if (const auto* list = std::get_if<JumpList>(&value)) {
      Json items = Json::array();
      for (std::size_t i = 0; i < list->Count(); ++i)
        items.push_back({{"text", list->items[i]}, {"n", list->numbers[i]}});
      out[name] = std::move(items);
    } else if (const auto* grid = std::get_if<RecordedControls::Grid>(&value)) {
      out[name] = *grid;
    }
  }
  return out;
}

Json HiddenJson(const RecordedControls& controls) {
  Json out = Json::array();
  for (const auto& name : controls.hidden) out.push_back(name);
  return out;
}

}  // namespace vertal::cli
