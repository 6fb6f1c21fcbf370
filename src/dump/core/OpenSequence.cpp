#include "dump/core/OpenSequence.h"

#include "common/core/Bytes.h"
#include "dump/core/DumpFile.h"
#include "dump/core/LongTermLayout.h"
#include "dump/core/LongTermRecords.h"
#include "dump/core/RecordAccess.h"

namespace vertal::dump {

std::optional<DumpHead> ReadDumpHead(const std::string& path) {
  const auto file = DumpFile::Open(path);
  if (!file) return std::nullopt;
  DumpHead head;
  file->ReadAt(kLongTermAreaOffset, head.longTerm);
  file->ReadAt(kTrailerOffset, head.trailer);
  head.fileSize = file->Size();
  return head;
}

void OpenSequence::Add(OpenStage stage, Step step) {
  steps_[static_cast<std::size_t>(stage)].push_back(std::move(step));
}

bool OpenSequence::Run(OpenContext& context) const {
  for (const auto& stage : steps_)
    for (const auto& step : stage)
      if (!step(context)) return false;
  return true;
}

void AddFileStages(OpenSequence& sequence) {
  sequence.Add(OpenStage::OpenFile, [](OpenContext& c) {
    c.head = ReadDumpHead(c.path);
    if (!c.head) c.host.ShowMessage({MessageKind::Error, std::string(kOpenFailedText)});
    return c.head.has_value();
  });
  sequence.Add(OpenStage::ReadVersion, [](OpenContext& c) {
    c.recorderVersion = i8(c.head->longTerm[kRecorderVersionOffset]);
    return true;
  });
  sequence.Add(OpenStage::CheckRecords, [](OpenContext& c) {
    for (auto& text : CheckLongTermArea(c.head->longTerm))
      c.host.ShowMessage({MessageKind::Plain, std::move(text)});
    return true;
  });
}

}  // namespace vertal::dump
