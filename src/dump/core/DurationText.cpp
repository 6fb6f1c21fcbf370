#include "dump/core/DurationText.h"

namespace vertal::dump {
namespace {
std::string TwoDigits(std::int64_t v) { return (v <= 9 ? "0" : "") + std::to_string(v); }
}  // namespace

std::string SecondsToHms(std::int64_t seconds) {
  if (seconds < 0) return "-" + SecondsToHms(-seconds);
  const std::int64_t hours = seconds / 3600;
  const std::int64_t minutes = seconds / 60 - hours * 60;
  return std::to_string(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(seconds % 60);
}

}  // namespace vertal::dump
