#include "cli/FileRun.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <thread>

namespace vertal::cli {
namespace {

constexpr std::string_view kProgramName = "vertal-cli";
// Clears a progress line that a message takes the place of.
constexpr std::string_view kClearLine = "\r\x1b[K";

}  // namespace

unsigned JobCount(unsigned asked) {
  return asked > 0 ? asked : std::max(1U, std::thread::hardware_concurrency());
}

ProgressLine::ProgressLine() : shown_(isatty(STDERR_FILENO) == 1) {}

ProgressLine::~ProgressLine() {
  if (shown_ && drawn_) std::cerr << '\n';
}

void ProgressLine::Show(std::int64_t done, std::int64_t total) {
  if (!shown_) return;
  std::cerr << kClearLine << done << '/' << total << " files" << std::flush;
  drawn_ = true;
}

void ProgressLine::Say(std::string_view file, std::string_view text) {
  if (shown_) std::cerr << kClearLine;
  std::cerr << kProgramName << ": " << file << ": " << text << '\n';
}

}  // namespace vertal::cli
