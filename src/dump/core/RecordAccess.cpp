#include "dump/core/RecordAccess.h"

#include <algorithm>

#include "dump/core/Checksum.h"

namespace vertal::dump {

RecordRun::RecordRun(std::vector<std::uint8_t> bytes, std::int64_t first,
                     std::int64_t recordSize, std::size_t present)
    : bytes_(std::move(bytes)), first_(first), size_(recordSize), present_(present) {}

std::int64_t RecordRun::Count() const {
  return size_ > 0 ? static_cast<std::int64_t>(bytes_.size()) / size_ : 0;
}

std::span<const std::uint8_t> RecordRun::Record(std::int64_t i) const {
  return std::span<const std::uint8_t>(bytes_).subspan(static_cast<std::size_t>(i * size_),
                                                       static_cast<std::size_t>(size_));
}

bool RecordRun::Complete(std::int64_t i) const {
  return static_cast<std::size_t>((i + 1) * size_) <= present_;
}

bool RecordRun::ChecksumOk(std::int64_t i) const {
  return Complete(i) && ChecksumValid(Record(i));
}

std::optional<RecordRun> ReadRecords(const DumpSource& source, const RecordFamily& family,
                                     std::int64_t first, std::int64_t count) {
  const auto file = source.Open();
  if (!file) return std::nullopt;
  count = std::max<std::int64_t>(count, 0);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count * family.size));
  const std::size_t present = file->ReadAt(family.Offset(first), bytes);
  return RecordRun(std::move(bytes), first, family.size, present);
}

RecordStatus ReadRecord(const DumpSource& source, std::span<std::uint8_t> buffer, std::int64_t n,
                        const RecordFamily& family) {
  const auto run = ReadRecords(source, family, n, 1);
  if (!run) return RecordStatus::Unreadable;
  const auto record = run->Record(0);
  std::copy_n(record.begin(), std::min(record.size(), buffer.size()), buffer.begin());
  return run->ChecksumOk(0) ? RecordStatus::Valid : RecordStatus::Invalid;
}

}  // namespace vertal::dump
