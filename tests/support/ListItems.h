#pragma once
// Result lists in tests: the items as the user sees them (text and number), and a list made of
// record numbers alone for code that reads only the numbers.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "common/core/JumpList.h"

namespace vertal::testing {

using ListItems = std::vector<std::pair<std::string, std::int64_t>>;

inline ListItems Items(const JumpList& list) {
  ListItems items;
  for (std::size_t i = 0; i < list.Count(); ++i) items.emplace_back(list.Text(i), list.Numbers()[i]);
  return items;
}

inline JumpList NumbersOnly(std::initializer_list<std::int64_t> numbers) {
  static constexpr std::array<std::uint8_t, 3> kAnyDate{};
  JumpList list;
  for (const std::int64_t n : numbers) list.Add(n, kAnyDate);
  return list;
}

}  // namespace vertal::testing
