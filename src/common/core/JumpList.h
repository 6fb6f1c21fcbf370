#pragma once
// A result list: item texts with the record number each item stands for. Choosing item i jumps
// to numbers[i]; the item text is never parsed.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vertal {

struct JumpList {
  std::vector<std::string> items;
  std::vector<std::int64_t> numbers;

  void Add(std::string text, std::int64_t number) {
    items.push_back(std::move(text));
    numbers.push_back(number);
  }
  std::size_t Count() const { return items.size(); }
  void Clear() {
    items.clear();
    numbers.clear();
  }
  // The number of item `index`; nothing when no item is chosen or the index is out of range.
  std::optional<std::int64_t> NumberAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= numbers.size()) return std::nullopt;
    return numbers[static_cast<std::size_t>(index)];
  }
  bool operator==(const JumpList&) const = default;
};

}  // namespace vertal
