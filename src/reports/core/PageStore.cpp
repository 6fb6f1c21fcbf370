#include "reports/core/PageStore.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace vertal::reports {
namespace {

constexpr unsigned kNumberBits = 7;
constexpr std::uint8_t kNumberMore = 0x80;
constexpr std::uint8_t kNumberPart = 0x7f;

// Reads what PutNumber wrote: seven bits a byte, lowest first, the top bit telling that more
// follow.
std::uint64_t TakeNumber(const char*& at) {
  std::uint64_t value = 0;
  unsigned shift = 0;
  while (true) {
    const auto byte = static_cast<std::uint8_t>(*at++);
    value |= static_cast<std::uint64_t>(byte & kNumberPart) << shift;
    if ((byte & kNumberMore) == 0) return value;
    shift += kNumberBits;
  }
}

// Reads what PutItems wrote.
template <typename Item>
void TakeItems(const char*& at, std::vector<Item>& items) {
  items.resize(TakeNumber(at));
  for (Item& item : items) {
    std::memcpy(&item, at, sizeof(Item));
    at += sizeof(Item);
  }
}

}  // namespace

void PageStore::PutNumber(std::uint64_t value) {
  while (value > kNumberPart) {
    bytes_.push_back(static_cast<char>((value & kNumberPart) | kNumberMore));
    value >>= kNumberBits;
  }
  bytes_.push_back(static_cast<char>(value));
}

std::uint32_t PageStore::BoxIndex(const TextItem& item) {
  const Box box{item.x, item.y, item.width, item.height, item.font, item.align, item.pageNumber};
  // The texts of a page come in the order of the previous page's.
  if (nextBox_ < boxes_.size() && boxes_[nextBox_] == box) return nextBox_++;
  const auto index = static_cast<std::uint32_t>(
      std::find(boxes_.begin(), boxes_.end(), box) - boxes_.begin());
  if (index == boxes_.size()) boxes_.push_back(box);
  nextBox_ = index + 1;
  return index;
}

void PageStore::Add(const Page& page) {
  bytes_.clear();
  numbers_.push_back(page.number);
  PutNumber(page.texts.size());
  for (const TextItem& item : page.texts) {
    PutNumber(BoxIndex(item));
    PutNumber(item.text.size());
    bytes_.insert(bytes_.end(), item.text.begin(), item.text.end());
  }
  PutItems(page.rules);
  PutItems(page.fills);
  pages_.emplace_back(bytes_);
}

// Rules and fills are plain values, kept as their bytes.
template <typename Item>
void PageStore::PutItems(const std::vector<Item>& items) {
  static_assert(std::is_trivially_copyable_v<Item>);
  PutNumber(items.size());
  for (const Item& item : items) {
    const auto* raw = reinterpret_cast<const char*>(&item);
    bytes_.insert(bytes_.end(), raw, raw + sizeof(Item));
  }
}

Page PageStore::At(int index) const {
  Page page;
  page.number = numbers_.at(static_cast<std::size_t>(index));
  const char* at = pages_[static_cast<std::size_t>(index)].data();
  page.texts.resize(TakeNumber(at));
  for (TextItem& item : page.texts) {
    const Box& box = boxes_[TakeNumber(at)];
    const std::size_t length = TakeNumber(at);
    item = {box.x, box.y, box.width, box.height, std::string(at, length), box.font, box.align,
            box.pageNumber};
    at += length;
  }
  TakeItems(at, page.rules);
  TakeItems(at, page.fills);
  return page;
}

std::size_t PageStore::Bytes() const {
  std::size_t bytes = boxes_.capacity() * sizeof(Box) + numbers_.capacity() * sizeof(int) +
                      pages_.capacity() * sizeof(std::string);
  for (const std::string& page : pages_) bytes += page.capacity();
  return bytes;
}

}  // namespace vertal::reports
