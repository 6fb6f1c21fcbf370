#include "history/core/HistoryTexts.h"

namespace vertal::history {

std::vector<std::string> ReadingCells(const CraneHistory&, std::size_t) { return {}; }

std::vector<std::string> CraneCells(const CraneHistory&) { return {}; }

}  // namespace vertal::history
