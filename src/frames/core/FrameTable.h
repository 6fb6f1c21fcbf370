#pragma once
// The frame table: five frames a page, 21 rows.

#include "frames/core/PagedTable.h"

namespace vertal::frames {

inline constexpr int kFrameTableColumns = 5;
inline constexpr int kFrameTableRows = 21;

const TableLayout& FrameTableLayout();

}  // namespace vertal::frames
