#include "recording/core/AuditChecks.h"

namespace vertal::recording {
namespace {

// One finding per run of consecutive slots of one kind.
void RunsOf(const FrameIndex& index, SlotKind kind, Severity severity, std::string_view check,
            std::string_view one, std::string_view many, FindingList& findings) {
  for (std::int64_t n = 0; n < dump::kFrameCount;) {
    if (index.kinds[static_cast<std::size_t>(n)] != kind) {
      ++n;
      continue;
    }
    const std::int64_t first = n;
    while (n < dump::kFrameCount && index.kinds[static_cast<std::size_t>(n)] == kind) ++n;
    findings.Add(severity, check, RunText(one, many, first, n - 1, n - first), first);
  }
}

}  // namespace

void CheckRing(const RecordingImage& image, const FrameIndex& index, FindingList& findings) {
  if (!index.newest) {
    findings.Add(Severity::Error, check::kNoFrames, "В файле нет ни одного исправного кадра.");
  } else {
    const std::int64_t newest = *index.newest;
    findings.Add(Severity::Info, check::kRing,
                 "Последний записанный кадр — " + Nominative(newest) + " (" +
                     MomentText(frames::FrameRecord(image.Frame(newest))) +
                     "); запись по кольцу продолжается с " +
                     Genitive((newest + 1) % dump::kFrameCount) + " кадра.",
                 newest);
  }
  RunsOf(index, SlotKind::Erased, Severity::Info, check::kErased, "Стёртый кадр", "Стёртые кадры",
         findings);
  RunsOf(index, SlotKind::Damaged, Severity::Warning, check::kDamaged,
         "Повреждённый кадр (неверны контрольная сумма, дата или время)",
         "Повреждённые кадры (неверны контрольная сумма, дата или время)", findings);
}

}  // namespace vertal::recording
