#include "link/core/ReadoutPace.h"

#include <cmath>

#include "dump/core/DumpLayout.h"

namespace vertal::link {
namespace {

constexpr int kSecondsPerMinute = 60;

std::string Duration(long long seconds) {
  if (seconds < kSecondsPerMinute) return std::to_string(seconds) + " с";
  return std::to_string(seconds / kSecondsPerMinute) + " мин " +
         std::to_string(seconds % kSecondsPerMinute) + " с";
}

}  // namespace

std::string PaceText(int pagesRead, double secondsElapsed) {
  const auto pages = static_cast<int>(dump::kPageCount);
  std::string text = "Прочитано страниц: " + std::to_string(pagesRead) + " из " + std::to_string(pages);
  if (pagesRead <= 0 || secondsElapsed <= 0) return text;
  const double rate = pagesRead / secondsElapsed;
  const auto left = static_cast<long long>(std::ceil((pages - pagesRead) / rate));
  text += ", " + std::to_string(std::llround(rate)) + " стр./с, осталось " + Duration(left);
  return text;
}

}  // namespace vertal::link
