#include "dump/core/DurationText.h"

namespace vertal::dump {
namespace {
// Texts here are built by appending: GCC 12 at -O3 takes the insertion at the front that
// `"0" + text` makes for an overlapping copy (-Werror=restrict).
std::string TwoDigits(std::int64_t v) {
  std::string text(v <= 9 ? "0" : "");
  text += std::to_string(v);
  return text;
}
}  // namespace

std::string SecondsToHms(std::int64_t seconds) {
  if (seconds < 0) {
    std::string text("-");
    text += SecondsToHms(-seconds);
    return text;
  }
  const std::int64_t hours = seconds / 3600;
  const std::int64_t minutes = seconds / 60 - hours * 60;
  return std::to_string(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(seconds % 60);
}

}  // namespace vertal::dump
