#pragma once
// A host for work without a window: it collects the texts of the message boxes in the order
// they would be shown, answers every dialog with "cancel" and does nothing on a repaint.

#include <optional>
#include <string>
#include <vector>

#include "common/core/Host.h"

namespace vertal {

class CollectingHost : public Host {
 public:
  void ShowMessage(const Message& message) override { messages_.push_back(message); }
  void ShowMessages(const std::vector<Message>& messages) override {
    messages_.insert(messages_.end(), messages.begin(), messages.end());
  }
  std::optional<std::string> ChooseOpenFile(const FileDialogSetup&) override { return {}; }
  std::optional<std::string> ChooseSaveFile(const FileDialogSetup&) override { return {}; }
  void RepaintNow() override {}

  const std::vector<Message>& Messages() const { return messages_; }

 private:
  std::vector<Message> messages_;
};

}  // namespace vertal
