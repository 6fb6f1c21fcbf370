#pragma once
// A whole dump file read in one pass: its first 8,683,654 bytes kept for the analyses, and,
// when asked for, the SHA-256 of every byte of the file.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "common/core/ProgressSink.h"
#include "dump/core/DumpLayout.h"
#include "frames/core/FrameRecord.h"
#include "recording/core/Sha256.h"

namespace vertal::recording {

struct RecordingImage {
  // A full dump's bytes; zero past the end of a short file.
  std::span<const std::uint8_t> Bytes() const {
    return {storage.get(), static_cast<std::size_t>(dump::kDumpFileSize)};
  }
  std::unique_ptr<std::uint8_t[]> storage;  // left uninitialised until read: a pass pays once
  std::int64_t fileSize = 0;
  std::optional<Sha256Digest> digest;

  std::span<const std::uint8_t, static_cast<std::size_t>(dump::kLongTermAreaSize)> LongTerm() const;
  std::span<const std::uint8_t, static_cast<std::size_t>(dump::kTrailerSize)> Trailer() const;
  frames::FrameBytes Frame(std::int64_t n) const {
    return frames::FrameBytes(storage.get() + dump::kFrames.Offset(n), frames::kFrameSize);
  }
  // Whether the file holds every byte of frame n, and of the trailer.
  bool FramePresent(std::int64_t n) const;
  bool TrailerPresent() const;
};

enum class Digest { Skip, Compute };

// Told, after each block, how many bytes from the start of the image are read and final, so
// that a pass can work on them while they are still in the cache.
using BlockRead = std::function<void(const RecordingImage& image, std::int64_t final)>;

// Nothing when the file cannot be opened.
std::optional<RecordingImage> ReadRecording(const std::string& path, Digest digest,
                                            const ProgressSink& progress = {},
                                            const BlockRead& blockRead = {});

}  // namespace vertal::recording
