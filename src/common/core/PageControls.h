#pragma once
// What page models are made of. A page model is a struct whose fields are the page's
// controls (a text as std::string, a gauge position as int, a result list as JumpList, a grid
// as GridColumns); its VisitControls function names each field by the control's name, so that
// the window and the command-line tool take the names from one place.

#include <string>
#include <vector>

#include "common/core/JumpList.h"

namespace vertal {

// Every cell of a grid, column by column: columns[c][row].
using GridColumns = std::vector<std::vector<std::string>>;

}  // namespace vertal
