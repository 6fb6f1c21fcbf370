#pragma once
// Everything an operation shows to the user or asks of the user goes through a Host: the
// window implements it with real dialogs, the command-line tool collects what would be
// shown, and tests script the answers and record every text in order.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vertal {

enum class MessageKind {
  Error,  // error icon, one "OK" button
  Plain,  // no icon, one "OK" button
};

struct Message {
  MessageKind kind = MessageKind::Plain;
  std::string text;
  bool operator==(const Message&) const = default;
};

struct FileFilter {
  std::string description;
  std::string pattern;  // "*.bin"
};

struct FileDialogSetup {
  std::string title;
  std::vector<FileFilter> filters;
  int filterIndex = 1;  // 1-based; an index beyond the filters selects the first
  std::string defaultExtension;
  std::string initialDirectory;
  std::string fileName;  // proposed name
};

// Several messages as one box: the texts line under line, in order; the error icon when any of
// them is an error, the box's strongest icon.
inline Message OneBox(const std::vector<Message>& messages) {
  Message box;
  for (const Message& message : messages) {
    if (!box.text.empty()) box.text += '\n';
    box.text += message.text;
    if (message.kind == MessageKind::Error) box.kind = MessageKind::Error;
  }
  return box;
}

class Host {
 public:
  virtual ~Host() = default;
  // Shows a modal message box and returns when the user has closed it.
  virtual void ShowMessage(const Message& message) = 0;
  // The messages of one action shown together in one modal box, in order (see OneBox); a host
  // that lists messages keeps them apart. Nothing for no messages.
  virtual void ShowMessages(const std::vector<Message>& messages) {
    if (!messages.empty()) ShowMessage(OneBox(messages));
  }
  // A modal open dialog: the chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseOpenFile(const FileDialogSetup& setup) = 0;
  // A modal save dialog: the chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseSaveFile(const FileDialogSetup& setup) = 0;
  // A modal dialog that chooses a folder (the setup's title and initial directory; it has no
  // filters): the chosen folder, or nothing when the user cancelled. A host without such a
  // dialog answers as a cancel.
  virtual std::optional<std::string> ChooseFolder(const FileDialogSetup&) { return std::nullopt; }
  // Repaints the window now; long operations call it between their steps.
  virtual void RepaintNow() = 0;
};

// Shows a message box of the given kind.
inline void ShowError(Host& host, std::string text) { host.ShowMessage({MessageKind::Error, std::move(text)}); }
inline void ShowPlain(Host& host, std::string text) { host.ShowMessage({MessageKind::Plain, std::move(text)}); }

}  // namespace vertal
