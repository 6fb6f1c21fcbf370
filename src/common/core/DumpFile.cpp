#include "common/core/DumpFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace vertal {

std::optional<DumpFile> DumpFile::Open(const std::string& path) {
  if (path.empty()) return std::nullopt;
  // Non-blocking, so that a named pipe or a device fails the file test instead of hanging.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  return DumpFile(fd, static_cast<std::int64_t>(st.st_size));
}

DumpFile::DumpFile(DumpFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_) {}

DumpFile& DumpFile::operator=(DumpFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    size_ = other.size_;
  }
  return *this;
}

DumpFile::~DumpFile() {
  if (fd_ >= 0) ::close(fd_);
}

std::size_t DumpFile::ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const {
  std::size_t got = 0;
  if (offset >= 0) {
    while (got < buffer.size()) {
      const ssize_t n = ::pread(fd_, buffer.data() + got, buffer.size() - got,
                                static_cast<off_t>(offset + static_cast<std::int64_t>(got)));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
  }
  std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(got), buffer.end(), std::uint8_t{0});
  return got;
}

}  // namespace vertal
