#include "link/core/ReadoutFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vertal::link {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxNameTries = 1000;
constexpr std::string_view kTemporarySuffix = ".part";
constexpr std::string_view kIncompleteMark = "_неполный";

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

// `stem` + `mark` + `extension`, with "_2", "_3" … after the mark from the second try on.
std::string Numbered(const std::string& stem, std::string_view mark, const std::string& extension,
                     int n) {
  // Appended piece by piece: GCC 12 -O3 warns falsely on "literal" + std::string.
  std::string name = stem;
  name += mark;
  if (n > 1) {
    name += '_';
    name += std::to_string(n);
  }
  name += extension;
  return name;
}

// The folder's entry for a renamed file is made durable too, so that a power cut after the
// readout does not bring the old file back.
void SyncFolder(const std::string& path) {
  fs::path folder = fs::path(path).parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool Rename(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  if (ec) return false;
  SyncFolder(to);
  return true;
}

}  // namespace

bool DiskFileSink::Create(const std::string& path) {
  Close();
  // "x": the call fails rather than take over a file that exists.
  file_ = std::fopen(path.c_str(), "wbx");
  return file_ != nullptr;
}

bool DiskFileSink::Write(std::span<const std::uint8_t> bytes) {
  if (!file_) return false;
  return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

bool DiskFileSink::Finish() {
  if (!file_) return false;
  bool ok = std::fflush(file_) == 0;
  ok = ::fsync(::fileno(file_)) == 0 && ok;
  ok = std::fclose(file_) == 0 && ok;
  file_ = nullptr;
  return ok;
}

void DiskFileSink::Close() {
  if (!file_) return;
  std::fclose(file_);
  file_ = nullptr;
}

bool LimitedFileSink::Write(std::span<const std::uint8_t> bytes) {
  const auto fits = static_cast<std::size_t>(std::min<std::uint64_t>(room_, bytes.size()));
  room_ -= fits;
  // What fits reaches the file before the disk is found full, as with a real disk.
  const bool written = DiskFileSink::Write(bytes.first(fits));
  return written && fits == bytes.size();
}

std::string IncompleteName(const std::string& target) {
  const fs::path path(target);
  const std::string extension = path.extension().string();
  const std::string stem = (path.parent_path() / path.stem()).string();
  for (int n = 1; n <= kMaxNameTries; ++n) {
    std::string name = Numbered(stem, kIncompleteMark, extension, n);
    if (!Exists(name)) return name;
  }
  return Numbered(stem, kIncompleteMark, extension, kMaxNameTries + 1);
}

ReadoutFile::ReadoutFile(std::string target, FileSink* sink)
    : target_(std::move(target)),
      ownSink_(sink ? nullptr : std::make_unique<DiskFileSink>()),
      sink_(sink ? sink : ownSink_.get()) {}

ReadoutFile::~ReadoutFile() {
  if (open_) Abandon();
}

bool ReadoutFile::Create() {
  if (target_.empty()) return false;
  std::error_code ec;
  if (fs::is_directory(target_, ec)) return false;
  for (int n = 1; n <= kMaxNameTries; ++n) {
    std::string name = target_;
    if (n > 1) {
      name += '.';
      name += std::to_string(n);
    }
    name += kTemporarySuffix;
    if (sink_->Create(name)) {
      temporary_ = std::move(name);
      open_ = true;
      return true;
    }
    // Another name only when this one is taken, say by a readout that was killed.
    if (!Exists(name)) return false;
  }
  return false;
}

bool ReadoutFile::Append(std::span<const std::uint8_t> bytes) {
  if (!open_ || writeFailed_) return false;
  if (!sink_->Write(bytes)) {
    writeFailed_ = true;
    return false;
  }
  written_ += bytes.size();
  return true;
}

FileOutcome ReadoutFile::Complete() {
  if (!open_) return {};
  if (writeFailed_ || !sink_->Finish()) return Abandon();
  if (!Rename(temporary_, target_)) return Abandon();
  open_ = false;
  FileOutcome outcome;
  outcome.complete = true;
  return outcome;
}

FileOutcome ReadoutFile::Abandon() {
  if (!open_) return {};
  open_ = false;
  sink_->Close();
  FileOutcome outcome;
  if (!Exists(target_)) {
    // Nothing to keep: the unfinished file takes the chosen name.
    outcome.partialPath = Rename(temporary_, target_) ? target_ : temporary_;
    return outcome;
  }
  outcome.targetKept = true;
  std::error_code ec;
  if (fs::file_size(temporary_, ec) == 0 && !ec) {
    fs::remove(temporary_, ec);
    return outcome;
  }
  const std::string kept = IncompleteName(target_);
  outcome.partialPath = Rename(temporary_, kept) ? kept : temporary_;
  return outcome;
}

}  // namespace vertal::link
