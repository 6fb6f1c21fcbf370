#include "frames/core/RecordPass.h"

#include <algorithm>

#include "dump/core/DumpFile.h"

namespace vertal::frames {
namespace {
constexpr std::int64_t kBlockRecords = 4096;
}  // namespace

std::optional<std::vector<JumpList>> RunRecordPass(const std::string& path, const PassSpec& spec,
                                                   const ProgressSink& progress) {
  const auto file = dump::DumpFile::Open(path);
  if (!file) return std::nullopt;
  const dump::RecordFamily& family = spec.layout.family;
  const auto size = static_cast<std::size_t>(family.size);

  std::vector<JumpList> lists(spec.rules.size());
  // Number of the last record that matched each grouped list; -2 means none yet.
  std::vector<std::int64_t> lastMatch(spec.rules.size(), -2);
  std::vector<std::uint8_t> block(static_cast<std::size_t>(kBlockRecords) * size);

  for (std::int64_t first = 0; first < family.count; first += kBlockRecords) {
    const std::int64_t count = std::min(kBlockRecords, family.count - first);
    const std::span<std::uint8_t> bytes(block.data(), static_cast<std::size_t>(count) * size);
    const std::size_t present = file->ReadAt(family.Offset(first), bytes);
    for (std::int64_t i = 0; i < count; ++i) {
      const std::int64_t n = first + i;
      const ByteSpan record(bytes.data() + static_cast<std::size_t>(i) * size, size);
      const bool complete = static_cast<std::size_t>(i + 1) * size <= present;
      if (!RecordValid(spec.layout, record, complete)) continue;
      if (spec.onValid) spec.onValid(n, record);
      for (std::size_t r = 0; r < spec.rules.size(); ++r) {
        const ListRule& rule = spec.rules[r];
        if (!rule.matches(n, record)) continue;
        if (!rule.grouped || lastMatch[r] + 1 != n) lists[r].Add(rule.itemText(n, record), n);
        lastMatch[r] = n;
      }
    }
    if (progress) progress(first + count, family.count);
  }
  return lists;
}

}  // namespace vertal::frames
