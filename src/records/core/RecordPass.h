#pragma once
// One pass over a family of records in the file, read in large blocks, that tests every record
// by the family's rule and hands every valid one to a visitor; and the result list that a pass
// fills, with or without grouping consecutive records into one item. The recording-period scan
// and the three searches are passes.

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/core/Bytes.h"
#include "common/core/JumpList.h"
#include "common/core/ProgressSink.h"
#include "common/core/DumpSource.h"
#include "records/core/RecordRule.h"

namespace vertal::records {

// How many records a pass reads at a time; progress is reported after each block.
inline constexpr std::int64_t kPassBlockRecords = 4096;

// Calls visit(n, record) for every valid record of the rule's family, in record order; the
// record is a span of the rule's fixed size. False when the file cannot be opened.
template <RecordRule Rule, typename Visit>
bool ForEachValidRecord(const DumpSource& source, const ProgressSink& progress, Visit&& visit) {
  const auto file = source.Open();
  if (!file) return false;
  constexpr dump::RecordFamily family = Rule::kFamily;
  constexpr std::size_t size = Rule::kSize;
  std::vector<std::uint8_t> block(static_cast<std::size_t>(kPassBlockRecords) * size);
  for (std::int64_t first = 0; first < family.count; first += kPassBlockRecords) {
    const std::int64_t count = std::min(kPassBlockRecords, family.count - first);
    std::size_t present = 0;
    const std::span<const std::uint8_t> bytes = file->Read(
        family.Offset(first), {block.data(), static_cast<std::size_t>(count) * size}, present);
    // Only records that lie wholly in the file can be valid.
    const auto complete = static_cast<std::int64_t>(present / size);
    const std::int64_t tested = std::min(count, complete);
    for (std::int64_t i = 0; i < tested; ++i) {
      const std::span<const std::uint8_t, size> record(
          bytes.data() + static_cast<std::size_t>(i) * size, size);
      if (Rule::Valid(record)) visit(first + i, record);
    }
    if (progress) progress(first + count, family.count);
  }
  return true;
}

// A result list being filled by a pass. Grouped: a run of matching records in consecutive
// slots gives one item, for its first record; otherwise every matching record is an item.
class ResultCollector {
 public:
  // `records`: how many records the pass visits at most. The most items they can give are
  // reserved at once: a run gives one item, so a grouped list has at most every other record.
  ResultCollector(bool grouped, ItemWording wording, std::int64_t records)
      : grouped_(grouped), list_(wording) {
    list_.Reserve(static_cast<std::size_t>(grouped ? (records + 1) / 2 : records));
  }

  // Offers record n with the date (and time) bytes its item would show.
  void Offer(std::int64_t n, bool matches, Bcd3 date) {
    if (Opens(n, matches)) list_.Add(n, date);
  }
  void Offer(std::int64_t n, bool matches, Bcd3 date, Bcd3 time) {
    if (Opens(n, matches)) list_.Add(n, date, time);
  }

  JumpList Take() { return std::move(list_); }

 private:
  // Whether record n opens an item.
  bool Opens(std::int64_t n, bool matches) {
    if (!matches) return false;
    const bool opens = !grouped_ || last_ + 1 != n;
    last_ = n;
    return opens;
  }

  bool grouped_;
  std::int64_t last_ = -2;  // the last matching record; none yet
  JumpList list_;
};

}  // namespace vertal::records
