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

// Calls visitBlock(first, records) for each block read, in record order: `records` holds the
// records `first`, `first` + 1, ... that lie wholly in the file, each of the rule's size, tested
// by nothing yet. False when the file cannot be opened.
template <RecordRule Rule, typename VisitBlock>
bool ForEachBlock(const DumpSource& source, const ProgressSink& progress, VisitBlock&& visitBlock) {
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
    const auto tested = static_cast<std::size_t>(std::min(count, complete));
    visitBlock(first, bytes.first(tested * size));
    if (progress) progress(first + count, family.count);
  }
  return true;
}

// Calls visit(n, record) for every valid record of the rule's family, in record order; the
// record is a span of the rule's fixed size. False when the file cannot be opened.
template <RecordRule Rule, typename Visit>
bool ForEachValidRecord(const DumpSource& source, const ProgressSink& progress, Visit&& visit) {
  constexpr std::size_t size = Rule::kSize;
  return ForEachBlock<Rule>(source, progress, [&](std::int64_t first, std::span<const std::uint8_t> records) {
    const std::size_t count = records.size() / size;
    for (std::size_t i = 0; i < count; ++i) {
      const std::span<const std::uint8_t, size> record(records.data() + i * size, size);
      if (Rule::Valid(record)) visit(first + static_cast<std::int64_t>(i), record);
    }
  });
}

// A result list being filled by a pass. Grouped: a run of matching records in consecutive
// slots gives one item, for its first record; otherwise every matching record is an item.
class ResultCollector {
 public:
  // `records`: how many records the pass visits at most. A run gives one item, so a grouped
  // list has at most every other record. A little room is reserved at once and, when it is
  // filled, the most items the records can give: a short list then costs the process no large
  // block to map and give back, and a long one moves only once.
  ResultCollector(bool grouped, ItemWording wording, std::int64_t records)
      : grouped_(grouped),
        most_(static_cast<std::size_t>(grouped ? (records + 1) / 2 : records)),
        room_(std::min(most_, kFirstRoom)),
        list_(wording) {
    list_.Reserve(room_);
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
  static constexpr std::size_t kFirstRoom = 1024;  // items

  // Whether record n opens an item; room is made for it.
  bool Opens(std::int64_t n, bool matches) {
    if (!matches) return false;
    const bool opens = !grouped_ || last_ + 1 != n;
    last_ = n;
    if (opens && items_++ == room_) {
      room_ = std::max(most_, items_);
      list_.Reserve(room_);
    }
    return opens;
  }

  bool grouped_;
  std::size_t most_, room_;
  std::size_t items_ = 0;
  std::int64_t last_ = -2;  // the last matching record; none yet
  JumpList list_;
};

}  // namespace vertal::records
