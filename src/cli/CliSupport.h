#pragma once
// What every command of vertal-cli shares: the exit statuses, the host that collects the
// message boxes instead of showing them, the opening of FILE exactly as the Open command does
// it, and the JSON document that a command prints.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/core/ControlSink.h"
#include "common/core/Host.h"
#include "dump/core/OpenSequence.h"

namespace vertal::cli {

// Keys keep the order in which a command writes them.
using Json = nlohmann::ordered_json;

enum class ExitStatus : int {
  Ok = 0,          // the command ran, also over damaged records
  CannotOpen = 1,  // FILE could not be opened
  BadUsage = 2,    // bad command line or option value
};

// What a command hands back: the document for standard output and, for a failure, the
// text for standard error.
struct CommandResult {
  Json document = Json::object();
  ExitStatus status = ExitStatus::Ok;
  std::string error;
};

// A command's outcome for a bad option value: nothing on standard output, one line on
// standard error.
CommandResult BadUsage(std::string explanation);

// Collects the texts of the message boxes in the order they would be shown. Dialogs are
// answered with "cancel"; repaints do nothing.
class CollectingHost : public Host {
 public:
  void ShowMessage(const Message& message) override { messages_.push_back(message); }
  std::optional<std::string> ChooseOpenFile(const FileDialogSpec&) override { return {}; }
  std::optional<std::string> ChooseSaveFile(const FileDialogSpec&) override { return {}; }
  void RepaintNow() override {}

  const std::vector<Message>& Messages() const { return messages_; }
  // The texts as the "messages" array of a document.
  Json MessagesJson() const;

 private:
  std::vector<Message> messages_;
};

// One opening of FILE: the core's stages (open, version, checksum pass) are in the sequence
// from the start; a command adds the steps of the pages it reports before calling Run.
class DumpSession {
 public:
  explicit DumpSession(std::string path);
  DumpSession(const DumpSession&) = delete;
  DumpSession& operator=(const DumpSession&) = delete;

  dump::OpenSequence& Sequence() { return sequence_; }
  // What the pages' stages wrote, by control name.
  const RecordedControls& Controls() const { return controls_; }

  // Runs the sequence; false when the file could not be opened.
  bool Run();

  bool Opened() const { return context_.head.has_value(); }
  const dump::OpenContext& Context() const { return context_; }
  const std::string& Path() const { return context_.path; }
  CollectingHost& Collector() { return host_; }
  const CollectingHost& Collector() const { return host_; }

  // The outcome for a file that could not be opened: `document` as the command would print
  // it (with its messages), exit status 1 and the open failure's message for standard error.
  CommandResult OpenFailure(Json document) const;

  // The document's head: {"RecorderVersion": n or null, "messages": [...]}.
  Json VersionAndMessages() const;
  // The outcome of a command whose document is complete: status 0, or 1 when the file could
  // not be opened.
  CommandResult Finish(Json document) const;
  // Finish with the document {"messages": [...], "controls": {...}}.
  CommandResult FinishWithControls(const RecordedControls& controls) const;

 private:
  CollectingHost host_;
  RecordedControls controls_;
  dump::OpenContext context_;
  dump::OpenSequence sequence_;
};

// Controls as a document shows them: a text as a string, a gauge or scroll position as a
// number, a list as [{"text", "n"}...], a grid as an array of columns of texts.
Json ControlsJson(const RecordedControls& controls);

// The names of the hidden controls.
Json HiddenJson(const RecordedControls& controls);

// Writes a document as UTF-8 JSON followed by a line break. Bytes that are not UTF-8 are
// replaced rather than failing the output.
void WriteDocument(std::ostream& out, const Json& document);

}  // namespace vertal::cli
