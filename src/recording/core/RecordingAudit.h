#pragma once
// The integrity audit of a whole recording: the file, the ring of frames, the frames' clock,
// the two banks and the counters, each finding with the frame to go to.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/core/ProgressSink.h"
#include "recording/core/Findings.h"
#include "recording/core/FrameIndex.h"
#include "recording/core/RecordingImage.h"

namespace vertal::recording {

struct AuditReport {
  std::vector<Finding> findings;  // file, ring, clock, banks and counters, in this order
  std::string sha256;             // of every byte of the file, lower-case hexadecimal
  std::int64_t fileSize = 0;
};

// Nothing when the file cannot be opened.
std::optional<AuditReport> AuditRecording(const std::string& path, const ProgressSink& progress = {});

// The audit of a file already read (with its digest) and indexed.
AuditReport AuditImage(const RecordingImage& image, const FrameIndex& index);

}  // namespace vertal::recording
