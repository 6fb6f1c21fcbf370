#include "cli/CliSupport.h"

#include <ostream>
#include <utility>

#include <nlohmann/json.hpp>

#include "cli/DecimalSeparator.h"
#include "cli/JsonStream.h"

namespace vertal::cli {

Document::Document() : tree_(std::make_unique<Json>(Json::object())) {}
Document::Document(const Document& other) : tree_(std::make_unique<Json>(other.Tree())) {}
Document::Document(Document&& other) noexcept = default;
Document& Document::operator=(const Document& other) {
  if (this != &other) *this = other.Tree();
  return *this;
}
Document& Document::operator=(Document&& other) noexcept = default;
Document& Document::operator=(Json tree) {
  // A document moved from holds no tree until it is given one.
  if (tree_)
    *tree_ = std::move(tree);
  else
    tree_ = std::make_unique<Json>(std::move(tree));
  return *this;
}
Document::~Document() = default;

Json& Document::operator[](const std::string& key) {
  return (*tree_)[key];
}

CommandResult BadUsage(std::string explanation) {
  CommandResult result;
  result.document = nullptr;
  result.status = ExitStatus::BadUsage;
  result.error = std::move(explanation);
  return result;
}

Opening::Opening(std::string path) : Opening(std::move(path), DecimalSeparator()) {}

Opening::Opening(std::string path, std::string separator)
    : path_(std::move(path)), separator_(std::move(separator)) {
  document_.Choose(path_);
  document_.Opened(app::OpenDump(path_, host_, separator_));
}

Json Opening::MessagesJson() const {
  Json texts = Json::array();
  for (const Message& m : host_.Messages()) texts.push_back(m.text);
  return texts;
}

Json Opening::VersionAndMessages() const {
  Json document = Json::object();
  if (Opened())
    document["RecorderVersion"] = static_cast<int>(Opened()->recorderVersion);
  else
    document["RecorderVersion"] = nullptr;
  document["messages"] = MessagesJson();
  return document;
}

CommandResult Opening::Finish(Json document) const {
  CommandResult result;
  result.document = std::move(document);
  if (!Opened()) {
    result.status = ExitStatus::CannotOpen;
    for (const Message& m : host_.Messages())
      if (m.kind == MessageKind::Error) result.error = m.text;
  }
  return result;
}

CommandResult Opening::FinishWithControls(ControlSnapshot controls) const {
  Json document = Json::object();
  document["messages"] = MessagesJson();
  document[kControlsKey] = nullptr;
  CommandResult result = Finish(std::move(document));
  result.controls = std::move(controls);
  return result;
}

records::TablePage TurnTablePage(Opening& opening, const records::TableLayout& layout,
                                std::int64_t position) {
  // Over a file that could not be opened the page shows its record numbers and marks; the
  // failure has been reported once already.
  if (!opening.Opened())
    return records::ReadTablePage(opening.Path(), layout, position, opening.Separator());
  return records::TurnPage(opening.Path(), layout, position, opening.Separator(), opening.Host());
}

Json HiddenJson(const ControlSnapshot& controls) {
  Json out = Json::array();
  for (const auto& name : controls.HiddenNames()) out.push_back(name);
  return out;
}

Json TablePageJson(std::string_view grid, const records::TablePage& page) {
  Json document = Json::object();
  document["position"] = page.position;
  document[std::string(grid)] = page.columns;
  return document;
}

void WriteDocument(std::ostream& out, const Json& document) {
  out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

void WriteDocument(std::ostream& out, const CommandResult& result) {
  if (result.controls)
    WriteStreamedDocument(out, result.document.Tree(), *result.controls);
  else
    WriteDocument(out, result.document.Tree());
}

}  // namespace vertal::cli
