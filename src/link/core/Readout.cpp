#include "link/core/Readout.h"

#include <algorithm>
#include <filesystem>
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

bool StopAsked(const std::atomic<bool>* stop) {
  return stop != nullptr && stop->load(std::memory_order_relaxed);
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

// The status of a read or write of the crane identification: its text on silver when it
// succeeded, otherwise the failure with the transaction's figures, also as a message.
void ShowIdentOutcome(ReadoutView& view, Host& host, const Link& link, bool succeeded,
                      std::string_view doneText, std::string_view failedLead) {
  if (succeeded) {
    view.SetStatusColour(StatusColour::Silver);
    view.SetStatusText(doneText);
  } else {
    view.SetStatusColour(StatusColour::ButtonFace);
    const std::string text = IdentFailureText(failedLead, link);
    ShowPlain(host, text);
    view.SetStatusText(text);
  }
  view.Repaint();
}

// Reads `into.size()` bytes of long-term memory from `address` on, in blocks of at most
// 16,384 bytes, moving the progress bar by the bytes read.
bool ReadLongTermMemory(Link& link, ReadoutView& view, std::span<std::uint8_t> into,
                        std::uint16_t address, const std::atomic<bool>* stop, bool& stopped) {
  int position = 0;
  view.SetProgressPosition(position);
  view.SetProgressMaximum(static_cast<int>(into.size()));
  while (!into.empty()) {
    if (StopAsked(stop)) {
      stopped = true;
      return false;
    }
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

std::string WorkingDirectory() {
  std::error_code ec;
  const auto path = std::filesystem::current_path(ec);
  return ec ? std::string() : path.string();
}

// A readout that ended before its last page: the file panel is emptied, and what was written is
// kept where the notice says.
ReadoutResult Unfinished(ReadoutEnd end, ReadoutView& view, ReadoutFile& file) {
  view.SetFilePanel({});
  ReadoutResult result;
  result.end = end;
  result.file = file.Abandon();
  result.notice = UnfinishedNotice(end, file.Target(), result.file);
  return result;
}

// The disk did not take the file whole: the bar shows a failed step, and the file is not
// offered for opening.
ReadoutResult WriteFailed(ReadoutView& view, ReadoutFile& file) {
  view.SetStatusColour(StatusColour::ButtonFace);
  view.SetProgressPosition(0);
  view.SetStatusText(kFileWriteFailedText);
  return Unfinished(ReadoutEnd::WriteFailed, view, file);
}

}  // namespace

std::string UnfinishedNotice(ReadoutEnd end, const std::string& target, const FileOutcome& file) {
  std::string notice;
  switch (end) {
    case ReadoutEnd::Stopped:
      notice = "Чтение остановлено.";
      break;
    case ReadoutEnd::WriteFailed:
      notice = "Файл не удалось записать (нет места на диске?).";
      break;
    default:
      notice = "Чтение не закончено.";
      break;
  }
  if (!file.partialPath.empty())
    notice += " Прочитанное сохранено в файле " + file.partialPath + ".";
  if (file.targetKept) notice += " Прежний файл " + target + " не изменён.";
  return notice;
}

ReadoutResult ReadRecorder(Link& link, Host& host, FileDialogSetup& saveDialog,
                           OperatorDialog& dialog, ReadoutView& view, ReadoutBuffers& buffers,
                           const ReadoutControls& controls) {
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
  view.SetFilePanel(fileName);

  ReadoutFile file(fileName, controls.sink);
  if (!file.Create()) {
    ShowError(host, std::string(kFileNotCreatedText));
    ReadoutResult result;
    result.end = ReadoutEnd::FileNotCreated;
    result.chosenPath = fileName;
    return result;
  }

  const bool identRead = ReadCraneIdentRecord(link, buffers.craneIdent);
  ShowIdentOutcome(view, host, link, identRead, kIdentReadText, kIdentNotReadText);

  const CraneIdentBuffer beforeDialog = buffers.craneIdent;
  dialog.Run(buffers.craneIdent, buffers.trailer);
  // The record goes back with a checksum that matches what the operator entered.
  if (buffers.craneIdent != beforeDialog) CloseRecord(buffers.craneIdent);

  // A record that was not read from this unit is not written to it: it would replace the
  // unit's own record with an earlier unit's, or with zeros.
  if (identRead)
    ShowIdentOutcome(view, host, link, WriteCraneIdentRecord(link, buffers.craneIdent),
                     kIdentWrittenText, kIdentNotWrittenText);

  // A stop shows what a unit that stopped answering at that request shows: no bytes arrived.
  const std::string silentCode = Signed(kReplyReadFailed);

  // One buffer for the long-term memory and then for each page; pages go to the file as they
  // arrive.
  std::vector<std::uint8_t> buffer(kLongTermLength);
  bool stopped = false;
  if (!ReadLongTermMemory(link, view, buffer, 0, controls.stop, stopped)) {
    view.SetStatusColour(StatusColour::ButtonFace);
    view.SetProgressPosition(0);
    view.SetStatusText(stopped ? std::string(kLongTermFailedText) + silentCode + " 0 0"
                               : LongTermFailureText(link));
    return Unfinished(stopped ? ReadoutEnd::Stopped : ReadoutEnd::LongTermFailed, view, file);
  }
  view.SetStatusText(kLongTermReadingText);
  view.SetStatusColour(StatusColour::Red);
  if (!file.Append(buffer)) return WriteFailed(view, file);
  view.SetStatusText(kLongTermDoneText);
  view.SetProgressPosition(0);
  view.SetStatusText(kPagesReadingText);
  view.SetProgressMaximum(kPageProgressMaximum);
  view.ShowPagesRead(0);

  int position = 0;
  for (std::uint16_t page = 0; page < kPages; ++page) {
    stopped = StopAsked(controls.stop);
    if (stopped || !ReadOperativePage(link, buffer, page)) {
      view.SetStatusColour(StatusColour::ButtonFace);
      view.SetProgressPosition(0);
      view.SetStatusText(std::string(kPageFailedText) +
                         (stopped ? silentCode : Signed(link.LastReplyCode())));
      return Unfinished(stopped ? ReadoutEnd::Stopped : ReadoutEnd::PageFailed, view, file);
    }
    view.SetStatusColour(StatusColour::Yellow);
    if (!file.Append(std::span(buffer).first(kPageLength))) return WriteFailed(view, file);
    view.SetProgressPosition(++position);
    view.ShowPagesRead(position);
    view.Repaint();
  }

  view.SetFilePanel(fileName);
  view.SetStatusText(kPagesDoneText);
  view.SetProgressPosition(0);
  if (!file.Append(buffers.trailer)) return WriteFailed(view, file);
  ReadoutResult result;
  result.file = file.Complete();
  if (!result.file.complete) {
    view.SetStatusColour(StatusColour::ButtonFace);
    view.SetStatusText(kFileWriteFailedText);
    view.SetFilePanel({});
    result.end = ReadoutEnd::WriteFailed;
    result.chosenPath = fileName;
    result.notice = UnfinishedNotice(result.end, fileName, result.file);
    return result;
  }
  result.end = ReadoutEnd::Done;
  result.chosenPath = fileName;
  result.writtenPath = fileName;
  result.timerOn = true;
  return result;
}

}  // namespace vertal::link
