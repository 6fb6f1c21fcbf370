#pragma once
// How far the reading of the operative pages has come, as the window shows it while the
// readout runs: the pages read, the rate and the time left at that rate.

#include <string>

namespace vertal::link {

// "Прочитано страниц: 1234 из 8192, 85 стр./с, осталось 1 мин 22 с"; the rate and the time
// left once a page has been read.
std::string PaceText(int pagesRead, double secondsElapsed);

// The caption of the stop command shown while a readout runs.
inline constexpr const char* kStopReadoutText = "Остановить чтение (Esc)";

}  // namespace vertal::link
