#pragma once
// The validity rule of a record family as a type known at compile time: its family, its record
// size and an inline test of one record (checksum and contents). A pass over a family takes
// its rule as a template argument, so every record is tested by inlined code, with no call
// through a pointer.

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/core/Bytes.h"
#include "dump/core/DumpLayout.h"

namespace vertal::records {

template <typename Rule>
concept RecordRule = requires(std::span<const std::uint8_t, Rule::kSize> record) {
  { Rule::kFamily } -> std::convertible_to<dump::RecordFamily>;
  { Rule::Valid(record) } -> std::same_as<bool>;
} && static_cast<std::int64_t>(Rule::kSize) == Rule::kFamily.size;

// The rule's test for a record seen through a span of any extent, as a table page holds it.
template <RecordRule Rule>
bool RuleValid(ByteSpan record) {
  return record.size() == Rule::kSize && Rule::Valid(record.template first<Rule::kSize>());
}

}  // namespace vertal::records
