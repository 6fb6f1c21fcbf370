#pragma once
// Reading the whole recorder of the processing unit into a new dump file: the crane
// identification is read, the operator enters the reading's data, the identification goes
// back to the unit, then the long-term memory and the operative pages are appended to the
// file as they arrive, and the operator's trailer closes it. The window and the command-line
// tool both run it; what the user sees goes through the host and the view.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/Host.h"
#include "dump/core/OperatorTrailer.h"
#include "link/core/Link.h"
#include "link/core/ReadoutFile.h"

namespace vertal::link {

inline constexpr std::size_t kCraneIdentSize = 104;
using CraneIdentBuffer = std::array<std::uint8_t, kCraneIdentSize>;
using TrailerBuffer = dump::TrailerBytes;

// What the window keeps between readouts; zero at start.
struct ReadoutBuffers {
  CraneIdentBuffer craneIdent{};  // the unit's crane-identification record
  TrailerBuffer trailer{};        // the operator's trailer appended to each file
};

// The dialog in which the operator enters the reading's data.
class OperatorDialog {
 public:
  virtual ~OperatorDialog() = default;
  // Shows the dialog modally. True when the user pressed "Запись": the trailer and the
  // commissioning organisation (bytes 63 to 102 of the record) were stored in the buffers;
  // false when the dialog was closed otherwise and neither buffer changed.
  virtual bool Run(CraneIdentBuffer& craneIdent, TrailerBuffer& trailer) = 0;
};

// The colour of the whole status bar.
enum class StatusColour {
  Silver,      // the crane identification was read or written
  ButtonFace,  // the system's button-face colour: a step failed
  Red,         // long-term memory being read
  Yellow,      // pages being read
};

// What the window shows while the readout runs.
class ReadoutView {
 public:
  virtual ~ReadoutView() = default;
  virtual void SetStatusText(std::string_view text) = 0;  // status panel 1
  // Status panel 0: the file being written from the moment it is chosen, "" once a readout
  // failed.
  virtual void SetFilePanel(std::string_view path) = 0;
  virtual void SetStatusColour(StatusColour colour) = 0;
  virtual void SetProgressMaximum(int maximum) = 0;
  virtual void SetProgressPosition(int position) = 0;
  // Repaints what changed; called after each step.
  virtual void Repaint() = 0;
  // The operative pages read so far, after each page.
  virtual void ShowPagesRead(int /*pages*/) {}
};

inline constexpr std::string_view kIdentReadText = " Идентификация крана считана ";
inline constexpr std::string_view kIdentNotReadText = " Идентификация крана не считана, ошибка  ";
inline constexpr std::string_view kIdentWrittenText = " Идентификация крана записана ";
inline constexpr std::string_view kIdentNotWrittenText =
    " Идентификация крана не записана, ошибка  ";
inline constexpr std::string_view kFileNotCreatedText = "\n Файл не удается создать!";
inline constexpr std::string_view kLongTermReadingText = " Чтение долговременной информации РП";
inline constexpr std::string_view kLongTermDoneText = " Чтение долговременной информации закончено ";
inline constexpr std::string_view kLongTermFailedText = " Ошибка при чтении долговременной информации ";
inline constexpr std::string_view kPagesReadingText = " Чтение оперативной информации РП ";
inline constexpr std::string_view kPageFailedText = " Ошибка при чтении оперативной информации РП2 ";
inline constexpr std::string_view kPagesDoneText = " Чтение оперативной информации РП закончено ";
inline constexpr std::string_view kFileWriteFailedText = " Ошибка при записи файла";

// The page bar counts one step more than there are pages.
inline constexpr int kPageProgressMaximum = 8'193;

enum class ReadoutEnd {
  NoUnit,          // no unit connected: nothing asked, nothing written
  FileNotCreated,  // the save dialog was cancelled or the file could not be created
  LongTermFailed,  // the file is left empty
  PageFailed,      // the file holds the long-term memory and the pages before the failing one
  WriteFailed,     // the disk refused bytes; the file is incomplete
  Stopped,         // the user stopped it; the file is incomplete
  Done,            // the file is complete, trailer included
};

struct ReadoutResult {
  ReadoutEnd end = ReadoutEnd::Done;
  // The name chosen in the save dialog; "" when none was chosen or no unit was found.
  std::string chosenPath;
  // The complete file written; nothing unless the readout is done.
  std::optional<std::string> writtenPath;
  // Whether the reconnection timer is to be switched on; false leaves it as it was.
  bool timerOn = false;
  // Where the bytes of an unfinished readout went, and the notice that tells the user.
  FileOutcome file;
  std::string notice;
};

// What the window adds to a readout: a stop asked from another thread, which ends the readout
// before its next transaction as a unit that stopped answering there would; and where the
// bytes are written (a file on the disk when nothing is given).
struct ReadoutControls {
  const std::atomic<bool>* stop = nullptr;
  FileSink* sink = nullptr;
};

// Runs the readout. `saveDialog` gets the working directory as its initial directory and
// keeps the name the user chose, so that the next readout offers it.
// The file is written beside the chosen one and takes its name only when complete.
ReadoutResult ReadRecorder(Link& link, Host& host, FileDialogSetup& saveDialog,
                           OperatorDialog& dialog, ReadoutView& view, ReadoutBuffers& buffers,
                           const ReadoutControls& controls = {});

// The notice of a readout that did not finish: where its bytes went and that an earlier file
// of the chosen name is unchanged.
std::string UnfinishedNotice(ReadoutEnd end, const std::string& target, const FileOutcome& file);

}  // namespace vertal::link
