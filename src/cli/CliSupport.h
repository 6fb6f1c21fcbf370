#pragma once
// What every command of vertal-cli shares: the exit statuses, the host that collects the
// message boxes instead of showing them, the opening of FILE exactly as the Open command does
// it, and the JSON document that a command prints.

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "app/core/DumpDocument.h"
#include "common/core/CollectingHost.h"
#include "common/core/ControlSnapshot.h"
#include "common/core/Host.h"

namespace vertal::cli {

// Keys keep the order in which a command writes them.
using Json = nlohmann::ordered_json;

// The member of a document that holds the controls: a placeholder in the document's tree, the
// controls themselves are carried beside it (CommandResult::controls).
inline constexpr std::string_view kControlsKey = "controls";

enum class ExitStatus : int {
  Ok = 0,             // the command ran, also over damaged records
  CannotOpen = 1,     // FILE could not be opened
  BadUsage = 2,       // bad command line or option value
  InternalError = 3,  // a fault of the tool itself
};

// A command's JSON document. The tree is held apart, so that this header needs only the
// declaration of Json: the library's whole header is included by the files that build a tree.
class Document {
 public:
  Document();  // an empty object; a document moved from holds none until assigned
  Document(const Document& other);
  Document(Document&& other) noexcept;
  Document& operator=(const Document& other);
  Document& operator=(Document&& other) noexcept;
  Document& operator=(Json tree);
  ~Document();

  Json& Tree() { return *tree_; }
  const Json& Tree() const { return *tree_; }
  // The member `key` of the object, added when missing.
  Json& operator[](const std::string& key);

 private:
  std::unique_ptr<Json> tree_;
};

// What a command hands back: the document for standard output and, for a failure, the
// text for standard error.
struct CommandResult {
  Document document;
  // The controls of the document, written item by item in place of its member kControlsKey.
  std::optional<ControlSnapshot> controls;
  ExitStatus status = ExitStatus::Ok;
  std::string error;
};

// A command's outcome for a bad option value: nothing on standard output, one line on
// standard error.
CommandResult BadUsage(std::string explanation);

// FILE opened as the Open command opens it, with the messages it showed.
class Opening {
 public:
  explicit Opening(std::string path);
  // Numbers shown with `separator` instead of the locale's.
  Opening(std::string path, std::string separator);
  Opening(const Opening&) = delete;
  Opening& operator=(const Opening&) = delete;

  const std::string& Path() const { return path_; }
  const std::string& Separator() const { return separator_; }
  CollectingHost& Host() { return host_; }
  // Nothing when the file could not be opened.
  const std::optional<app::OpenedDump>& Opened() const { return document_.Opened(); }
  // The file as the window would hold it just after opening it.
  app::DumpDocument& Document() { return document_; }

  // The texts of the messages so far, as the "messages" array of a document.
  Json MessagesJson() const;
  // The document's head: {"RecorderVersion": n or null, "messages": [...]}.
  Json VersionAndMessages() const;
  // The outcome of a command whose document is complete: status 0, or 1 with the open
  // failure's message for standard error when the file could not be opened.
  CommandResult Finish(Json document) const;
  // Finish with the document {"messages": [...], "controls": {...}}.
  CommandResult FinishWithControls(ControlSnapshot controls) const;

 private:
  std::string path_;
  std::string separator_;
  CollectingHost host_;
  app::DumpDocument document_;
};

// The page-turn command of a table over the opened file.
records::TablePage TurnTablePage(Opening& opening, const records::TableLayout& layout,
                                std::int64_t position);

// A search command of the tool: typed fields that the window would refuse are bad usage and
// open nothing; otherwise FILE is opened and `search(opening, controls)` runs over it.
template <typename Conditions, typename Search>
CommandResult SearchDocument(const std::variant<Conditions, std::string>& read,
                             const std::string& file, Search&& search) {
  if (const auto* refusal = std::get_if<std::string>(&read)) return BadUsage(*refusal);
  Opening opening(file);
  ControlSnapshot controls;
  if (opening.Opened()) search(opening, controls);
  return opening.FinishWithControls(std::move(controls));
}

// The names of the hidden controls.
Json HiddenJson(const ControlSnapshot& controls);
// A table page as {"position": p, GRID: [columns]}.
Json TablePageJson(std::string_view grid, const records::TablePage& page);

// Writes a document as UTF-8 JSON followed by a line break. Bytes that are not UTF-8 are
// replaced rather than failing the output.
void WriteDocument(std::ostream& out, const Json& document);
// Writes a command's document with its controls, if it has them: a text as a string, a gauge
// position as a number, a list as [{"text", "n"}...], a grid as an array of columns of texts;
// in the order of the names.
void WriteDocument(std::ostream& out, const CommandResult& result);

}  // namespace vertal::cli
