#pragma once
// Laid-out pages kept for a preview that draws a page only when it comes into view. A table
// line's cells sit where the same cells of earlier lines sat, so each text keeps its box,
// font and alignment as an index into the boxes met so far, and only its characters as they
// are: the 5,407 pages of the longest report take some tens of megabytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/core/ReportLayout.h"

namespace vertal::reports {

class PageStore {
 public:
  void Add(const Page& page);
  int Count() const { return static_cast<int>(pages_.size()); }
  // The page at `index` (from 0) as it was added.
  Page At(int index) const;
  // The memory the pages take.
  std::size_t Bytes() const;

 private:
  // A text item without its text.
  struct Box {
    double x = 0, y = 0, width = 0, height = 0;
    Font font;
    Align align = Align::Left;
    bool pageNumber = false;
    bool operator==(const Box&) const = default;
  };

  std::uint32_t BoxIndex(const TextItem& item);
  void PutNumber(std::uint64_t value);
  template <typename Item>
  void PutItems(const std::vector<Item>& items);

  std::vector<Box> boxes_;
  std::uint32_t nextBox_ = 0;  // the box the next text most likely takes
  std::string bytes_;  // the page being added
  // Each page's texts and rules, each page exactly as long as it needs: one buffer for all
  // would hold up to twice their size as it grows.
  std::vector<std::string> pages_;
  std::vector<int> numbers_;
};

}  // namespace vertal::reports
