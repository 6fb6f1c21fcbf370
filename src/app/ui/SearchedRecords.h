#pragma once
// What the commands that write the search results (print, export) take from the search pages.

#include <cstdint>
#include <optional>
#include <vector>

namespace vertal::app {

class PageTree;

// The results of the last search of a kind over the current file; a search that ran over
// another file, or none, is run again with the fields as they stand, as "Найти" runs it.
// Nothing when that search was refused or could not read the file: it said why.
std::optional<std::vector<std::int64_t>> SearchedOverloads(PageTree& pages);
std::optional<std::vector<std::int64_t>> SearchedKds(PageTree& pages);

}  // namespace vertal::app
