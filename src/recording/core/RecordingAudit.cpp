#include "recording/core/RecordingAudit.h"

#include "recording/core/AuditChecks.h"

namespace vertal::recording {

AuditReport AuditImage(const RecordingImage& image, const FrameIndex& index) {
  FindingList findings;
  CheckFile(image, image.digest, findings);
  CheckRing(image, index, findings);
  const RingTotals totals = CheckClock(image, index, findings);
  CheckBanks(image, index, totals, findings);
  AuditReport report;
  report.findings = findings.Take();
  if (image.digest) report.sha256 = DigestHex(*image.digest);
  report.fileSize = image.fileSize;
  return report;
}

std::optional<AuditReport> AuditRecording(const std::string& path, const ProgressSink& progress) {
  const auto read = ReadIndexed(path, Digest::Compute, progress);
  if (!read) return std::nullopt;
  return AuditImage(read->image, read->index);
}

}  // namespace vertal::recording
