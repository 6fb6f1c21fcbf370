#include "link/core/Readout.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <span>
#include <system_error>
#include <vector>

#include "dump/core/Checksum.h"
#include "dump/core/DumpLayout.h"
#include "link/core/Connection.h"

namespace vertal::link {
namespace {

constexpr std::uint16_t kLongTermLength = static_cast<std::uint16_t>(dump::kLongTermAreaSize);
constexpr std::uint16_t kLongTermBlock = 16'384;
constexpr std::uint16_t kPageLength = static_cast<std::uint16_t>(dump::kPageSize);
constexpr auto kPages = static_cast<std::uint16_t>(dump::kPageCount);
constexpr std::size_t kIdentReplyData = 3;  // first data byte of the identification reply
constexpr std::size_t kBlockReplyData = 4;  // first data byte of a long-term or page reply

// The unit's codes 128 to 255 read as negative numbers.
std::string Signed(ReplyCode code) { return std::to_string(static_cast<std::int8_t>(code)); }

// The code, the bytes written and the request length of the last transaction.
std::string IdentFailureText(std::string_view lead, const Link& link) {
  return std::string(lead) + Signed(link.LastReplyCode()) + " " +
         std::to_string(link.BytesWritten()) + "  " + std::to_string(link.RequestLength());
}

// The code, the bytes received and their 8-bit sum.
std::string LongTermFailureText(const Link& link) {
  const std::uint32_t received = link.BytesReceived();
  std::uint8_t sum = 0;
  for (const std::uint8_t b : link.ReplyBuffer().first(received))
    sum = static_cast<std::uint8_t>(sum + b);
  return std::string(kLongTermFailedText) + Signed(link.LastReplyCode()) + " " +
         std::to_string(received) + " " + std::to_string(sum);
}

void CopyReply(const Link& link, std::size_t from, std::span<std::uint8_t> into) {
  const auto data = link.ReplyBuffer().subspan(from, into.size());
  std::copy(data.begin(), data.end(), into.begin());
}

bool ReadCraneIdentRecord(Link& link, CraneIdentBuffer& into) {
  link.RecordReplyCode(link.ReadCraneIdent(static_cast<std::uint8_t>(kCraneIdentSize)));
  if (link.LastReplyCode() != kReplyOk) return false;
  CopyReply(link, kIdentReplyData, into);
  return true;
}

bool WriteCraneIdentRecord(Link& link, const CraneIdentBuffer& record) {
  link.RecordReplyCode(link.WriteCraneIdent(record));
  return link.LastReplyCode() == kReplyOk;
}

// Reads `into.size()` bytes of long-term memory from `address` on, in blocks of at most
// 16,384 bytes, moving the progress bar by the bytes read.
bool ReadLongTermMemory(Link& link, ReadoutView& view, std::span<std::uint8_t> into,
                        std::uint16_t address) {
  int position = 0;
  view.SetProgressPosition(position);
  view.SetProgressMaximum(static_cast<int>(into.size()));
  while (!into.empty()) {
    const auto length = static_cast<std::uint16_t>(std::min<std::size_t>(into.size(), kLongTermBlock));
    link.RecordReplyCode(link.ReadLongTermBlock(address, length));
    if (link.LastReplyCode() != kReplyOk) return false;
    const bool last = length == into.size();
    if (!last) view.SetStatusColour(StatusColour::Red);
    position += length;
    view.SetProgressPosition(position);
    view.Repaint();
    CopyReply(link, kBlockReplyData, into.first(length));
    into = into.subspan(length);
    address = static_cast<std::uint16_t>(address + length);
  }
  return true;
}

bool ReadOperativePage(Link& link, std::span<std::uint8_t> into, std::uint16_t page) {
  link.SetTimeouts(kPageTimeouts);
  link.RecordReplyCode(link.ReadPage(page, kPageLength));
  if (link.LastReplyCode() != kReplyOk) return false;
  CopyReply(link, kBlockReplyData, into.first(kPageLength));
  return true;
}

bool Append(std::ofstream& file, std::span<const std::uint8_t> bytes) {
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

std::string WorkingDirectory() {
  std::error_code ec;
  const auto path = std::filesystem::current_path(ec);
  return ec ? std::string() : path.string();
}

ReadoutResult Stopped(ReadoutEnd end) {
  ReadoutResult result;
  result.end = end;
  return result;
}

// The disk did not take the file whole: the bar shows a failed step, and the file is not
// offered for opening.
ReadoutResult WriteFailed(ReadoutView& view) {
  view.SetStatusColour(StatusColour::ButtonFace);
  view.SetProgressPosition(0);
  return Stopped(ReadoutEnd::WriteFailed);
}

}  // namespace

ReadoutResult ReadRecorder(Link& link, Host& host, FileDialogSetup& saveDialog,
                           OperatorDialog& dialog, ReadoutView& view, ReadoutBuffers& buffers) {
  // Without a unit nothing is asked, and the timer keeps looking for the unit.
  if (link.LastDriverStatus() != kDriverOk) {
    view.SetStatusText(kNotConnectedText);
    ReadoutResult result;
    result.end = ReadoutEnd::NoUnit;
    result.timerOn = true;
    return result;
  }
  view.SetStatusText(kConnectedText);

  saveDialog.initialDirectory = WorkingDirectory();
  const std::optional<std::string> chosen = host.ChooseSaveFile(saveDialog);
  if (chosen) saveDialog.fileName = *chosen;
  const std::string fileName = chosen.value_or(std::string());

  std::ofstream file;
  if (!fileName.empty())
    file.open(std::filesystem::path(fileName), std::ios::binary | std::ios::trunc);
  if (!file.is_open()) {
    ShowError(host, std::string(kFileNotCreatedText));
    ReadoutResult result;
    result.end = ReadoutEnd::FileNotCreated;
    result.chosenPath = fileName;
    return result;
  }

  const bool identRead = ReadCraneIdentRecord(link, buffers.craneIdent);
  if (identRead) {
    view.SetStatusColour(StatusColour::Silver);
    view.SetStatusText(kIdentReadText);
  } else {
    view.SetStatusColour(StatusColour::ButtonFace);
    const std::string text = IdentFailureText(kIdentNotReadText, link);
    ShowPlain(host, text);
    view.SetStatusText(text);
  }
  view.Repaint();

  const CraneIdentBuffer beforeDialog = buffers.craneIdent;
  dialog.Run(buffers.craneIdent, buffers.trailer);
  // The record goes back with a checksum that matches what the operator entered.
  if (buffers.craneIdent != beforeDialog) CloseRecord(buffers.craneIdent);

  // A record that was not read from this unit is not written to it: it would replace the
  // unit's own record with an earlier unit's, or with zeros.
  if (identRead) {
    if (WriteCraneIdentRecord(link, buffers.craneIdent)) {
      view.SetStatusColour(StatusColour::Silver);
      view.SetStatusText(kIdentWrittenText);
    } else {
      view.SetStatusColour(StatusColour::ButtonFace);
      const std::string text = IdentFailureText(kIdentNotWrittenText, link);
      ShowPlain(host, text);
      view.SetStatusText(text);
    }
    view.Repaint();
  }

  // One buffer for the long-term memory and then for each page; pages go to the file as they
  // arrive.
  std::vector<std::uint8_t> buffer(kLongTermLength);
  if (!ReadLongTermMemory(link, view, buffer, 0)) {
    view.SetStatusColour(StatusColour::ButtonFace);
    view.SetProgressPosition(0);
    view.SetStatusText(LongTermFailureText(link));
    return Stopped(ReadoutEnd::LongTermFailed);
  }
  view.SetStatusText(kLongTermReadingText);
  view.SetStatusColour(StatusColour::Red);
  if (!Append(file, buffer)) return WriteFailed(view);
  view.SetStatusText(kLongTermDoneText);
  view.SetProgressPosition(0);
  view.SetStatusText(kPagesReadingText);
  view.SetProgressMaximum(kPageProgressMaximum);

  int position = 0;
  for (std::uint16_t page = 0; page < kPages; ++page) {
    if (!ReadOperativePage(link, buffer, page)) {
      view.SetStatusColour(StatusColour::ButtonFace);
      view.SetProgressPosition(0);
      view.SetStatusText(std::string(kPageFailedText) + Signed(link.LastReplyCode()));
      return Stopped(ReadoutEnd::PageFailed);
    }
    view.SetStatusColour(StatusColour::Yellow);
    if (!Append(file, std::span(buffer).first(kPageLength))) return WriteFailed(view);
    view.SetProgressPosition(++position);
    view.Repaint();
  }

  view.SetStatusText(kPagesDoneText);
  view.SetProgressPosition(0);
  Append(file, buffers.trailer);
  file.close();
  if (!file) return WriteFailed(view);

  ReadoutResult result;
  result.end = ReadoutEnd::Done;
  result.chosenPath = fileName;
  result.writtenPath = fileName;
  result.timerOn = true;
  return result;
}

}  // namespace vertal::link
