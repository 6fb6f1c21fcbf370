#pragma once
// The dump file the user has open: its path, its bytes as opening read them, what opening it
// found and the last search of each kind. The main window owns one; its pages and commands read it, and the status bar only shows
// its path. Which file is current follows the commands that change it:
// - Open makes the chosen file current before reading it, so a file that cannot be read stays
//   current (and says so whenever a command reads it);
// - the tool-button Read empties the current file at its start, the menu Read does not;
// - a readout that finds no unit leaves the current file as it was; one that fails ends with no
//   current file; one that cannot create its file makes the chosen name current; a complete
//   readout makes the file it wrote current.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/OpenDump.h"
#include "common/core/DumpSource.h"
#include "common/core/ProgressSink.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "link/core/Readout.h"

namespace vertal::app {

// The last search of one kind: the records it found over the file it ran on, and the summary
// sentence its page shows. The summary stays from one file to the next, as the page keeps it.
struct KeptSearch {
  std::string file;                                   // the file searched
  std::optional<std::vector<std::int64_t>> records;   // nothing when it could not read the file
  std::string summary;                                // "" until a search has said something
};

class DumpDocument {
 public:
  // "" while no file is current.
  const std::string& Path() const { return path_; }
  bool HasFile() const { return !path_.empty(); }
  // Where every reader of the current file takes its bytes from: the bytes read by the last
  // opening, or the path alone while the file could not be read (each reader then says so).
  DumpSource Source() const;
  // What opening the current file found; nothing before it is opened or when it cannot be read.
  const std::optional<OpenedDump>& Opened() const { return opened_; }
  // The layout variant of the last file opened: kept when a later file cannot be read.
  std::int8_t RecorderVersion() const { return recorderVersion_; }
  std::int64_t FileSize() const { return opened_ ? opened_->fileSize : 0; }

  // --- The commands that change which file is current ---
  // Open: the chosen file becomes current, even one that cannot be read.
  void Choose(std::string path);
  // The tool-button Read at its start: no file is current.
  void Forget();
  // The end of a readout; true when a file is now current and is to be opened.
  bool ReadoutEnded(const link::ReadoutResult& result);
  // The start of an opening: the current file's bytes are read from here on (each region
  // once, as the opening first needs it); the source to open it from.
  DumpSource ReadCurrentFile();
  // What opening the current file found (nothing when it could not be read); the bytes no
  // reader has asked for are read now and the file is let go. A file opened anew makes the
  // records of earlier searches stale.
  void Opened(std::optional<OpenedDump> opened);

  // --- The searches ---
  void OverloadSearchRan(const std::string& file, const PassResult<events::OverloadSearchModel>& result);
  void KdsSearchRan(const std::string& file, const PassResult<events::KdsSearchModel>& result);
  // The records of the last search while it belongs to the current file.
  const std::optional<std::vector<std::int64_t>>& OverloadRecords() const;
  const std::optional<std::vector<std::int64_t>>& KdsRecords() const;
  const KeptSearch& LastOverloadSearch() const { return overloads_; }
  const KeptSearch& LastKdsSearch() const { return kds_; }

 private:
  std::string path_;
  std::shared_ptr<HeldDump> held_;  // its memory is kept from one opening to the next
  bool holding_ = false;            // whether held_ holds the current file's bytes
  std::optional<OpenedDump> opened_;
  std::int8_t recorderVersion_ = 0;
  KeptSearch overloads_;
  KeptSearch kds_;
};

}  // namespace vertal::app
