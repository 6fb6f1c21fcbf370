#pragma once
// Read access to a dump file on disk. A dump is untrusted: it may be missing, a directory,
// unreadable, short or of any length. Reads are positioned and in blocks; bytes beyond the
// end of the file read as zero and are reported as missing.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vertal {

class DumpFile {
 public:
  // Opens a regular file for reading; nothing when it cannot be opened or is not a file.
  static std::optional<DumpFile> Open(const std::string& path);

  DumpFile(DumpFile&& other) noexcept;
  DumpFile& operator=(DumpFile&& other) noexcept;
  DumpFile(const DumpFile&) = delete;
  DumpFile& operator=(const DumpFile&) = delete;
  ~DumpFile();

  // Fills `buffer` from `offset`; the part beyond the end of the file (or that the system
  // fails to deliver) is zeroed. Returns the count of bytes really read.
  std::size_t ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const;

  std::int64_t Size() const { return size_; }

 private:
  DumpFile(int fd, std::int64_t size) : fd_(fd), size_(size) {}
  int fd_ = -1;
  std::int64_t size_ = 0;
};

}  // namespace vertal
