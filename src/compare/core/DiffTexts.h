#pragma once
// The comparison as the page "Сравнение" words it: which file is which, and one row per new
// episode or record.

#include <string>
#include <string_view>
#include <vector>

#include "compare/core/ReadingDiff.h"

namespace vertal::compare {

// "Было: FILE (считан dd.mm.yy). Стало: FILE (считан dd.mm.yy)."
std::string ReadingsText(const ReadingDiff& d);

struct NewItemRow {
  std::string_view kind;  // the list or record family
  std::string item;       // the list item's text
  std::string fields;     // a record's table rows, joined; "" for an episode
};

// The new episodes list by list, then the new overload and KDS records.
std::vector<NewItemRow> NewItemRows(const ReadingDiff& d);

}  // namespace vertal::compare
