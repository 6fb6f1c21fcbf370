#pragma once
// One pass over a family of records in the file, read in large blocks, that sorts the valid
// records into result lists. The recording-period scan and the three searches are passes.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/core/Bytes.h"
#include "common/core/JumpList.h"
#include "common/core/ProgressSink.h"
#include "frames/core/PagedTable.h"

namespace vertal::frames {

struct ListRule {
  // Whether a valid record belongs to the list.
  std::function<bool(std::int64_t n, ByteSpan record)> matches;
  // The item text of a record that opens an item.
  std::function<std::string(std::int64_t n, ByteSpan record)> itemText;
  // Grouped: a run of matching records in consecutive slots gives one item, for its first
  // record. Otherwise every matching record is an item.
  bool grouped = false;
};

struct PassSpec {
  TableLayout layout;  // the family and what makes one of its records valid
  std::vector<ListRule> rules;
  // Called for every valid record, in record order, before the rules.
  std::function<void(std::int64_t n, ByteSpan record)> onValid;
};

// How often a pass reports progress, in records.
inline constexpr std::int64_t kProgressStep = 4096;

// Runs the pass; nothing when the file cannot be opened. One list per rule, in rule order.
std::optional<std::vector<JumpList>> RunRecordPass(const std::string& path, const PassSpec& spec,
                                                   const ProgressSink& progress = {});

}  // namespace vertal::frames
