#pragma once
// A Host that answers dialogs from a script and records every message in order.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/core/Host.h"

namespace vertal::testing {

class FakeHost : public Host {
 public:
  // Every message is recorded on its own; `boxes` counts the boxes they were shown in.
  void ShowMessage(const Message& message) override {
    messages.push_back(message);
    ++boxes;
  }
  void ShowMessages(const std::vector<Message>& shown) override {
    messages.insert(messages.end(), shown.begin(), shown.end());
    if (!shown.empty()) ++boxes;
  }
  std::optional<std::string> ChooseOpenFile(const FileDialogSetup& setup) override {
    openDialogs.push_back(setup);
    return Next(openAnswers);
  }
  std::optional<std::string> ChooseSaveFile(const FileDialogSetup& setup) override {
    saveDialogs.push_back(setup);
    return Next(saveAnswers);
  }
  std::optional<std::string> ChooseFolder(const FileDialogSetup& setup) override {
    folderDialogs.push_back(setup);
    return Next(folderAnswers);
  }
  void RepaintNow() override { ++repaints; }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
  }

  std::vector<Message> messages;
  std::deque<std::optional<std::string>> openAnswers;  // nothing = cancel
  std::deque<std::optional<std::string>> saveAnswers;
  std::deque<std::optional<std::string>> folderAnswers;
  std::vector<FileDialogSetup> openDialogs;
  std::vector<FileDialogSetup> saveDialogs;
  std::vector<FileDialogSetup> folderDialogs;
  int repaints = 0;
  int boxes = 0;

 private:
  static std::optional<std::string> Next(std::deque<std::optional<std::string>>& answers) {
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace vertal::testing
