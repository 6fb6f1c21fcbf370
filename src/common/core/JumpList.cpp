#include "common/core/JumpList.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

#include "common/core/Bcd.h"

namespace vertal {
namespace {

constexpr std::size_t kDateBytes = 3;

struct Phrasing {
  std::string_view caption;  // between the number and the date
  bool timed;                // the time follows the date
};

Phrasing PhrasingOf(ItemWording wording) {
  switch (wording) {
    case ItemWording::Date: return {"-й кадр, дата ", false};
    case ItemWording::DateColon: return {"-й кадр, дата: ", false};
    case ItemWording::WorkDate: return {"-й кадр, дата работы: ", false};
    case ItemWording::TripDate: return {"-й кадр, дата сраба-ия: ", false};
    case ItemWording::DateAndTime: return {"-й кадр, дата: ", true};
  }
  return {"", false};
}

constexpr std::string_view kTimeCaption = " в ";
// Room for the longest text: a 64-bit number, the longest caption, the date and the time.
constexpr std::size_t kTextRoom = 96;

}  // namespace

void JumpList::Add(std::int64_t number, Bcd3 date, Bcd3 time) {
  // A pass adds hundreds of thousands of items: the list it alone holds is written directly.
  Items& items = items_ && items_.use_count() == 1 ? *items_ : Writable();
  Moment& moment = items.moments.emplace_back();
  std::memcpy(moment.data(), date.data(), kDateBytes);
  std::memcpy(moment.data() + kDateBytes, time.data(), kDateBytes);
  items.numbers.push_back(number);
}

void JumpList::Add(std::int64_t number, Bcd3 date) {
  static constexpr std::array<std::uint8_t, kDateBytes> kNoTime{};
  Add(number, date, kNoTime);
}

void JumpList::Reserve(std::size_t most) {
  Items& items = Writable();
  items.numbers.reserve(most);
  items.moments.reserve(most);
}

JumpList::Items& JumpList::Writable() {
  if (!items_)
    items_ = std::make_shared<Items>();
  else if (items_.use_count() > 1)
    items_ = std::make_shared<Items>(*items_);  // a copy shares these items: leave them alone
  return *items_;
}

const std::vector<std::int64_t>& JumpList::Numbers() const {
  static const std::vector<std::int64_t> kNone;
  return items_ ? items_->numbers : kNone;
}

std::optional<std::int64_t> JumpList::NumberAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= Count()) return std::nullopt;
  return items_->numbers[static_cast<std::size_t>(index)];
}

void JumpList::AppendText(std::string& out, std::size_t index) const {
  const Phrasing w = PhrasingOf(wording_);
  const Moment& moment = items_->moments[index];
  std::array<char, 24> number{};
  const auto end = std::to_chars(number.data(), number.data() + number.size(), items_->numbers[index]).ptr;
  out.append(number.data(), end);
  out.append(w.caption);
  AppendBcdDate(out, Bcd3(moment.data(), kDateBytes));
  if (w.timed) {
    out.append(kTimeCaption);
    AppendBcdTime(out, Bcd3(moment.data() + kDateBytes, kDateBytes));
  }
}

std::string JumpList::Text(std::size_t index) const {
  std::string text;
  text.reserve(kTextRoom);
  AppendText(text, index);
  return text;
}

bool JumpList::operator==(const JumpList& other) const {
  if (wording_ != other.wording_ || Count() != other.Count()) return false;
  return Count() == 0 || items_ == other.items_ ||
         (items_->numbers == other.items_->numbers && items_->moments == other.items_->moments);
}

}  // namespace vertal
