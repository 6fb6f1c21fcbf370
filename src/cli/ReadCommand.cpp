// The read command: the window's Read command against a processing unit played from a dump
// file, with the save dialog and the operator dialog answered from the command line.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/core/DumpDocument.h"
#include "cli/Commands.h"
#include "cli/DecimalSeparator.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/PeriodScan.h"
#include "link/core/Connection.h"
#include "link/core/Link.h"
#include "link/core/OperatorEntry.h"
#include "link/core/Readout.h"
#include "link/core/SimulatedUnit.h"

namespace vertal::cli {
namespace {

// Collects the message boxes and answers the save dialog with a fixed name.
class ReadHost : public CollectingHost {
 public:
  explicit ReadHost(std::string saveAs) : saveAs_(std::move(saveAs)) {}
  std::optional<std::string> ChooseSaveFile(const FileDialogSetup&) override { return saveAs_; }

 private:
  std::string saveAs_;
};

const char* ColourText(link::StatusColour colour) {
  switch (colour) {
    case link::StatusColour::Silver:
      return "#C0C0C0";
    case link::StatusColour::ButtonFace:
      return "buttonface";
    case link::StatusColour::Red:
      return "#FF0000";
    case link::StatusColour::Yellow:
      return "#FFFF00";
  }
  return "buttonface";
}

std::string RgbText(std::uint32_t rgb) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "#";
  for (int shift = 20; shift >= 0; shift -= 4) text += kDigits[(rgb >> shift) & 0x0F];
  return text;
}

// Every text of status panel 1 in order; the colours with consecutive repeats once.
class RecordingView : public link::ReadoutView {
 public:
  void SetStatusText(std::string_view text) override { texts.emplace_back(text); }
  void SetFilePanel(std::string_view) override {}
  void SetStatusColour(link::StatusColour colour) override { AddColour(ColourText(colour)); }
  void SetProgressMaximum(int) override {}
  void SetProgressPosition(int) override {}
  void Repaint() override {}

  void AddColour(const std::string& text) {
    if (colours.empty() || colours.back() != text) colours.push_back(text);
  }

  std::vector<std::string> texts;
  std::vector<std::string> colours;
};

// The new file opened as the Open command opens it, its scan shown in the status bar as the
// window shows it: the running text in sky blue, then the closing text on the button face, or
// the bar as it was when the scan could not finish.
void OpenReadFile(const std::string& path, Host& host, RecordingView& view) {
  bool begun = false;
  std::string textBefore;
  std::string colourBefore;
  app::OpenHooks hooks;
  hooks.scan.begins = [&] {
    begun = true;
    textBefore = view.texts.empty() ? std::string() : view.texts.back();
    colourBefore = view.colours.empty() ? std::string("buttonface") : view.colours.back();
    view.AddColour(RgbText(frames::kScanColourRgb));
    view.texts.emplace_back(frames::kScanRunningText);
  };
  const std::optional<app::OpenedDump> opened = app::OpenDump(path, host, DecimalSeparator(), hooks);
  if (!opened || !begun) return;
  if (opened->period.end == PassEnd::Done) {
    view.texts.emplace_back(frames::kScanDoneText);
    view.AddColour("buttonface");
  } else {
    view.AddColour(colourBefore);
    view.texts.push_back(textBefore);
  }
}

bool TwoDigits(std::string_view text) {
  return text.size() == 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9';
}

// dd.mm.yy split into the dialog's three date fields; false when the text is not of that form.
bool SplitDate(const std::string& text, link::OperatorFields& fields) {
  if (text.size() != 8 || text[2] != '.' || text[5] != '.') return false;
  const std::string_view all(text);
  if (!TwoDigits(all.substr(0, 2)) || !TwoDigits(all.substr(3, 2)) || !TwoDigits(all.substr(6, 2)))
    return false;
  fields.day = text.substr(0, 2);
  fields.month = text.substr(3, 2);
  fields.year = text.substr(6, 2);
  return true;
}

bool Readable(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  return in.good();
}

Json Hex(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (const std::uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 0x0F];
  }
  return text;
}

Json FileSize(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return nullptr;
  return size;
}

}  // namespace

CommandResult RunRead(const ReadOptions& options) {
  const auto fault = link::ParseFault(options.fault);
  if (!options.fault.empty() && !fault)
    return BadUsage("--fault: not a fault the simulated unit knows: " + options.fault);
  link::OperatorFields fields = link::DefaultOperatorFields();
  if (!options.date.empty() && !SplitDate(options.date, fields))
    return BadUsage("--date: not a date typed as dd.mm.yy: " + options.date);
  std::error_code ec;
  if (!options.overwrite && std::filesystem::exists(options.out, ec))
    return BadUsage(options.out + " exists; give --overwrite to replace it");

  fields.name = options.name.value_or(fields.name);
  fields.organisation = options.org.value_or(fields.organisation);
  fields.certificate = options.cert.value_or(fields.certificate);
  // Without the option the unit's own text goes back to it.
  fields.commissioning = options.commissioning;
  fields.owner = options.owner.value_or(std::string());

  Json document = Json::object();
  if (!Readable(options.simulate)) {
    document["status"] = Json::array();
    document["colours"] = Json::array();
    document["messages"] = Json::array({std::string(dump::kOpenFailedText)});
    document["panel0"] = "";
    document["unit_ident"] = nullptr;
    document["size"] = FileSize(options.out);
    document["partial"] = nullptr;
    document["notice"] = "";
    CommandResult result;
    result.document = std::move(document);
    result.status = ExitStatus::CannotOpen;
    result.error = std::string(dump::kOpenFailedText);
    return result;
  }

  link::SimulatedUnit unit(options.simulate, fault.value_or(link::Fault{}));
  link::Link link{unit};
  link::ConnectUnit(link);  // as the window does at start-up
  ReadHost host(options.out);
  FileDialogSetup saveDialog;
  link::FieldsOperatorDialog dialog(fields, !options.operatorCancel);
  RecordingView view;
  link::ReadoutBuffers buffers;
  const link::ReadoutResult outcome =
      link::ReadRecorder(link, host, saveDialog, dialog, view, buffers);
  // The rest of the Read command: the file now current is opened, as the window does.
  app::DumpDocument current;
  if (current.ReadoutEnded(outcome)) OpenReadFile(current.Path(), host, view);

  document["status"] = view.texts;
  document["colours"] = view.colours;
  Json messages = Json::array();
  for (const Message& m : host.Messages()) messages.push_back(m.text);
  document["messages"] = std::move(messages);
  // The file the window now has current, as its status panel 0 shows it.
  document["panel0"] = current.Path();
  document["unit_ident"] = unit.ReceivedIdent() ? Hex(*unit.ReceivedIdent()) : Json(nullptr);
  document["size"] = FileSize(options.out);
  document["partial"] = outcome.file.partialPath.empty() ? Json(nullptr) : Json(outcome.file.partialPath);
  document["notice"] = outcome.notice;
  CommandResult result;
  result.document = std::move(document);
  return result;
}

}  // namespace vertal::cli
