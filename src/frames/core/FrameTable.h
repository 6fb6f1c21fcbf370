#pragma once
// The frame table: five frames a page, 21 rows.

#include "records/core/PagedTable.h"

namespace vertal::frames {

inline constexpr int kFrameTableColumns = 5;
inline constexpr int kFrameTableRows = 21;

const records::TableLayout& FrameTableLayout();

}  // namespace vertal::frames
