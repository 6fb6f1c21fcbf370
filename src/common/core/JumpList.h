#pragma once
// A result list: for each item the record number it stands for and the BCD date and time bytes
// its text shows, worded alike for the whole list. Choosing item i jumps to Numbers()[i]; the
// item text is made only when it is shown and never parsed. Copies share the items (a list is
// filled once by its pass and then only read), so handing a list of any length on costs nothing.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/core/Bcd.h"

namespace vertal {

// How the items of a list are worded: the record number, a caption, then the record's date
// "dd.mm.yy" (and its time "hh:mm:ss").
enum class ItemWording : std::uint8_t {
  Date,         // "5-й кадр, дата 01.01.08"
  DateColon,    // "5-й кадр, дата: 01.01.08"
  WorkDate,     // "5-й кадр, дата работы: 01.01.08"
  TripDate,     // "5-й кадр, дата сраба-ия: 01.01.08"
  DateAndTime,  // "5-й кадр, дата: 01.01.08 в 23:59:59"
};

class JumpList {
 public:
  JumpList() = default;
  explicit JumpList(ItemWording wording) : wording_(wording) {}

  // Appends an item for record `number` with its date bytes (day, month, year) and time bytes
  // (seconds, minutes, hours) as recorded; the time is shown only by ItemWording::DateAndTime.
  void Add(std::int64_t number, Bcd3 date, Bcd3 time);
  void Add(std::int64_t number, Bcd3 date);
  // Room for `most` items, so that a pass adds them without moving the list as it grows. Only
  // the room the items fill is touched, so an upper bound costs no memory beyond them.
  void Reserve(std::size_t most);

  std::size_t Count() const { return items_ ? items_->numbers.size() : 0; }
  ItemWording Wording() const { return wording_; }
  const std::vector<std::int64_t>& Numbers() const;
  // The number of item `index`; nothing when no item is chosen or the index is out of range.
  std::optional<std::int64_t> NumberAt(int index) const;

  // The text of item `index` (which must exist), or appended to `out`.
  std::string Text(std::size_t index) const;
  void AppendText(std::string& out, std::size_t index) const;

  // Same wording, numbers and shown bytes.
  bool operator==(const JumpList& other) const;

 private:
  // Date then time bytes of one item.
  using Moment = std::array<std::uint8_t, 6>;
  struct Items {
    std::vector<std::int64_t> numbers;
    std::vector<Moment> moments;
  };
  Items& Writable();

  ItemWording wording_ = ItemWording::Date;
  std::shared_ptr<Items> items_;
};

}  // namespace vertal
