#include "common/core/DumpSource.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace vertal {

namespace {

// Large enough that a read costs little beside the work on its bytes, small enough to stay in
// the processor's cache while a pass works on it.
constexpr std::int64_t kBlock = std::int64_t{1} << 17;

std::size_t BlockCount(std::int64_t bytes) { return static_cast<std::size_t>((bytes + kBlock - 1) / kBlock); }

// The held bytes lie in large pages where the system offers them: a dump then costs a handful
// of page faults instead of two thousand.
constexpr std::size_t kLargePage = std::size_t{1} << 21;

std::uint8_t* AllocateHeld(std::int64_t size) {
  const std::size_t rounded = (static_cast<std::size_t>(size) + kLargePage - 1) / kLargePage * kLargePage;
  void* memory = std::aligned_alloc(kLargePage, rounded);
  if (!memory) throw std::bad_alloc();
  ::madvise(memory, rounded, MADV_HUGEPAGE);  // a hint: without large pages it changes nothing
  return static_cast<std::uint8_t*>(memory);
}

}  // namespace

void HeldDump::FreeBytes::operator()(std::uint8_t* bytes) const { std::free(bytes); }

namespace {

}  // namespace

std::shared_ptr<HeldDump> HeldDump::Open(const std::string& path, std::int64_t limit) {
  auto held = std::make_shared<HeldDump>();
  if (!held->Reopen(path, limit)) return nullptr;
  return held;
}

bool HeldDump::Reopen(const std::string& path, std::int64_t limit) {
  file_ = DumpFile::Open(path);
  blockRead_.clear();
  fileSize_ = held_ = 0;
  if (!file_) return false;
  fileSize_ = file_->Size();
  held_ = std::clamp<std::int64_t>(fileSize_, 0, limit);
  // The memory of the last file is kept: a file opened again costs no new pages.
  if (held_ > capacity_) {
    bytes_.reset(AllocateHeld(held_));
    capacity_ = held_;
  }
  blockRead_.assign(BlockCount(held_), false);
  return true;
}

void HeldDump::Ensure(std::int64_t offset, std::int64_t size) {
  if (!file_) return;
  const std::size_t last = BlockCount(offset + size);
  for (auto block = static_cast<std::size_t>(offset / kBlock); block < last; ++block) {
    if (blockRead_[block]) continue;
    const std::int64_t at = static_cast<std::int64_t>(block) * kBlock;
    const std::int64_t length = std::min(kBlock, held_ - at);
    // A file that shrinks meanwhile reads as zero where it ended.
    file_->ReadAt(at, {bytes_.get() + at, static_cast<std::size_t>(length)});
    blockRead_[block] = true;
  }
}

void HeldDump::Complete() {
  Ensure(0, held_);
  file_.reset();
}

std::optional<std::span<const std::uint8_t>> HeldDump::View(std::int64_t offset, std::int64_t size) {
  if (offset < 0 || size < 0 || offset > held_ || size > held_ - offset) return std::nullopt;
  Ensure(offset, size);
  return std::span<const std::uint8_t>(bytes_.get() + offset, static_cast<std::size_t>(size));
}

std::size_t HeldDump::ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) {
  std::size_t present = 0;
  if (offset >= 0 && offset < held_) {
    present = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(buffer.size()), held_ - offset));
    Ensure(offset, static_cast<std::int64_t>(present));
    std::memcpy(buffer.data(), bytes_.get() + offset, present);
  }
  std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(present), buffer.end(), std::uint8_t{0});
  return present;
}

std::size_t DumpReader::ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const {
  return held_ ? held_->ReadAt(offset, buffer) : file_->ReadAt(offset, buffer);
}

std::span<const std::uint8_t> DumpReader::Read(std::int64_t offset, std::span<std::uint8_t> scratch,
                                               std::size_t& present) const {
  if (held_) {
    if (const auto view = held_->View(offset, static_cast<std::int64_t>(scratch.size()))) {
      present = scratch.size();
      return *view;
    }
  }
  present = ReadAt(offset, scratch);
  return scratch;
}

std::optional<DumpReader> DumpSource::Open() const {
  if (held_) return DumpReader(*held_);
  if (auto file = DumpFile::Open(path_)) return DumpReader(std::move(*file));
  return std::nullopt;
}

}  // namespace vertal
