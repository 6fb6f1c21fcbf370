#pragma once
// The file a readout writes. The bytes go into a new file beside the chosen one and take its
// name only when the last of them is on disk, so that a readout that fails, is stopped or is
// killed never costs the dump that was there before. What an unfinished readout read is kept:
// under the chosen name when there was no file of that name, beside it under a name that says
// it is incomplete otherwise.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace vertal::link {

// Writes one new file.
class FileSink {
 public:
  virtual ~FileSink() = default;
  // Creates `path`, failing when a file of that name already exists.
  virtual bool Create(const std::string& path) = 0;
  // False when not every byte was written (a full disk, for one).
  virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
  // Flushes, puts the bytes on the disk and closes; false when any of it failed. Closing an
  // unfinished file says nothing about its bytes.
  virtual bool Finish() = 0;
  virtual void Close() = 0;
};

// A file on the disk, synced to it when finished.
class DiskFileSink : public FileSink {
 public:
  DiskFileSink() = default;
  DiskFileSink(const DiskFileSink&) = delete;
  DiskFileSink& operator=(const DiskFileSink&) = delete;
  ~DiskFileSink() override { Close(); }
  bool Create(const std::string& path) override;
  bool Write(std::span<const std::uint8_t> bytes) override;
  bool Finish() override;
  void Close() override;

 private:
  std::FILE* file_ = nullptr;
};

// A disk with room for `room` more bytes: the write that would pass it writes what fits and
// fails, as a full disk does.
class LimitedFileSink final : public DiskFileSink {
 public:
  explicit LimitedFileSink(std::uint64_t room) : room_(room) {}
  bool Write(std::span<const std::uint8_t> bytes) override;

 private:
  std::uint64_t room_;
};

// Where a readout's bytes went.
struct FileOutcome {
  bool complete = false;     // the chosen file now holds the whole readout
  std::string partialPath;   // the unfinished readout's bytes; "" when none were kept
  bool targetKept = false;   // an earlier file of the chosen name is as it was
};

class ReadoutFile {
 public:
  // Bytes are written through `sink`; nothing means a file on the disk.
  ReadoutFile(std::string target, FileSink* sink = nullptr);
  ReadoutFile(const ReadoutFile&) = delete;
  ReadoutFile& operator=(const ReadoutFile&) = delete;
  // A file left unfinished is abandoned.
  ~ReadoutFile();

  // Creates the new file beside the target; false when the folder takes no new file (an empty
  // name always fails). Nothing of the target is touched.
  bool Create();
  bool Append(std::span<const std::uint8_t> bytes);
  // Puts the finished file in the target's place; when that fails the bytes are kept as an
  // unfinished readout's.
  FileOutcome Complete();
  // Keeps what was written as an unfinished readout.
  FileOutcome Abandon();

  const std::string& Target() const { return target_; }
  std::uint64_t BytesWritten() const { return written_; }

 private:
  std::string target_;
  std::unique_ptr<DiskFileSink> ownSink_;
  FileSink* sink_;
  std::string temporary_;
  bool open_ = false;
  bool writeFailed_ = false;
  std::uint64_t written_ = 0;
};

// The name an unfinished readout of `target` is kept under when `target` exists: the name with
// "_неполный" before its extension, numbered when that is taken too.
std::string IncompleteName(const std::string& target);

}  // namespace vertal::link
