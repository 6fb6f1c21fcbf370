#pragma once
// What the commands over many files share: how many threads read them, and their progress on
// standard error: "12/200 files" kept on one line of a terminal, a file's fault on a line of
// its own.

#include <cstdint>
#include <string_view>

namespace vertal::cli {

// The threads asked for; one per processor core when 0.
unsigned JobCount(unsigned asked);

class ProgressLine {
 public:
  ProgressLine();
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void Show(std::int64_t done, std::int64_t total);
  // "vertal-cli: FILE: TEXT", in place of a progress line.
  void Say(std::string_view file, std::string_view text);

 private:
  bool shown_;  // standard error is a terminal
  bool drawn_ = false;
};

}  // namespace vertal::cli
