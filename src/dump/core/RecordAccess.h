#pragma once
// Reading records of a family by number: one open, one positioned read and one close for a
// record or for a run of consecutive records.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/DumpSource.h"
#include "common/core/Host.h"
#include "dump/core/DumpLayout.h"

namespace vertal::dump {

// The message shown once per user action when the current dump cannot be opened.
inline constexpr std::string_view kOpenFailedText = "\n Файл не удалось открыть!";

inline void ReportUnreadable(Host& host) { ShowError(host, std::string(kOpenFailedText)); }

enum class RecordStatus {
  Valid,       // complete and its checksum holds
  Invalid,     // checksum wrong, or the record reaches past the end of the file
  Unreadable,  // the file could not be opened; the buffer is left as it was
};

// Reads record n of a family into `buffer` (family.size bytes).
RecordStatus ReadRecord(const DumpSource& source, std::span<std::uint8_t> buffer, std::int64_t n,
                        const RecordFamily& family);

// Consecutive records first .. first + count - 1 of one family, read in one piece.
class RecordRun {
 public:
  RecordRun(std::vector<std::uint8_t> bytes, std::int64_t first, std::int64_t recordSize,
            std::size_t present);

  std::int64_t First() const { return first_; }
  std::int64_t Count() const;
  // Bytes of record first + i; missing bytes are zero.
  std::span<const std::uint8_t> Record(std::int64_t i) const;
  // Whether record first + i lies wholly inside the file.
  bool Complete(std::int64_t i) const;
  // Complete and its checksum holds.
  bool ChecksumOk(std::int64_t i) const;

 private:
  std::vector<std::uint8_t> bytes_;
  std::int64_t first_;
  std::int64_t size_;
  std::size_t present_;
};

// Reads `count` records from number `first`; nothing when the file cannot be opened.
std::optional<RecordRun> ReadRecords(const DumpSource& source, const RecordFamily& family,
                                     std::int64_t first, std::int64_t count);

}  // namespace vertal::dump
