#include "recording/core/RecordingImage.h"

#include <algorithm>

#include "common/core/DumpFile.h"

namespace vertal::recording {
namespace {

// Large enough that a read costs little beside the work on its bytes, small enough that the
// progress moves.
// Small enough to stay in the processor's cache while the digest and the frame index take it.
constexpr std::int64_t kReadBlock = 1 << 17;

}  // namespace

std::span<const std::uint8_t, static_cast<std::size_t>(dump::kLongTermAreaSize)>
RecordingImage::LongTerm() const {
  return Bytes().subspan<static_cast<std::size_t>(dump::kLongTermAreaOffset),
                                  static_cast<std::size_t>(dump::kLongTermAreaSize)>();
}

std::span<const std::uint8_t, static_cast<std::size_t>(dump::kTrailerSize)> RecordingImage::Trailer()
    const {
  return Bytes().subspan<static_cast<std::size_t>(dump::kTrailerOffset),
                                  static_cast<std::size_t>(dump::kTrailerSize)>();
}

bool RecordingImage::FramePresent(std::int64_t n) const {
  return dump::kFrames.Offset(n) + dump::kFrameSize <= fileSize;
}

bool RecordingImage::TrailerPresent() const {
  return dump::kTrailerOffset + dump::kTrailerSize <= fileSize;
}

std::optional<RecordingImage> ReadRecording(const std::string& path, Digest digest,
                                            const ProgressSink& progress,
                                            const BlockRead& blockRead) {
  const auto file = DumpFile::Open(path);
  if (!file) return std::nullopt;
  RecordingImage image;
  image.fileSize = file->Size();
  const std::span<std::uint8_t> bytes(new std::uint8_t[static_cast<std::size_t>(dump::kDumpFileSize)],
                                      static_cast<std::size_t>(dump::kDumpFileSize));
  image.storage.reset(bytes.data());
  // A file longer than a dump is read to its end only for its digest.
  const std::int64_t total =
      digest == Digest::Compute ? std::max(image.fileSize, dump::kDumpFileSize) : dump::kDumpFileSize;
  Sha256 sha;
  std::vector<std::uint8_t> beyond;
  for (std::int64_t at = 0, size = 0; at < total; at += size) {
    // Blocks end at the end of a dump's bytes, so that each lands in the image or beyond it.
    const std::int64_t end = at < dump::kDumpFileSize ? dump::kDumpFileSize : total;
    size = std::min(kReadBlock, end - at);
    std::span<std::uint8_t> block;
    if (at < dump::kDumpFileSize) {
      block = bytes.subspan(static_cast<std::size_t>(at), static_cast<std::size_t>(size));
    } else {
      beyond.resize(static_cast<std::size_t>(size));
      block = beyond;
    }
    const std::size_t got = file->ReadAt(at, block);
    if (digest == Digest::Compute) sha.Update(block.first(got));
    const bool fileEnded = got < block.size();
    if (fileEnded && at < dump::kDumpFileSize)  // the rest of the dump reads as zero
      std::fill(bytes.begin() + at + size, bytes.end(), std::uint8_t{0});
    if (blockRead && at < dump::kDumpFileSize)
      blockRead(image, fileEnded ? dump::kDumpFileSize : at + size);
    if (progress) progress(at + size, total);
    if (fileEnded) break;
  }
  if (digest == Digest::Compute) image.digest = sha.Finish();
  return image;
}

}  // namespace vertal::recording
