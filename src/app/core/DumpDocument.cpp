#include "app/core/DumpDocument.h"

#include <utility>

#include "dump/core/DumpLayout.h"

namespace vertal::app {

namespace {

template <typename Model>
void Keep(KeptSearch& kept, const std::string& file, const PassResult<Model>& result) {
  // A refused search ran over nothing: the last one stands.
  if (result.end == PassEnd::Refused) return;
  kept.file = file;
  kept.records.reset();
  if (result.end == PassEnd::Done) kept.records = result.model.found.Numbers();
  if (result.model.summary) kept.summary = *result.model.summary;
}

const std::optional<std::vector<std::int64_t>>& RecordsOf(const KeptSearch& kept,
                                                          const std::string& current) {
  static const std::optional<std::vector<std::int64_t>> none;
  return kept.file == current ? kept.records : none;
}

}  // namespace

void DumpDocument::Choose(std::string path) {
  path_ = std::move(path);
  holding_ = false;
  opened_.reset();
}

DumpSource DumpDocument::Source() const {
  if (holding_) return DumpSource(path_, held_);
  return DumpSource(path_);
}

DumpSource DumpDocument::ReadCurrentFile() {
  opened_.reset();
  if (held_ && held_.use_count() == 1)
    holding_ = held_->Reopen(path_, dump::kDumpFileSize);
  else
    holding_ = (held_ = HeldDump::Open(path_, dump::kDumpFileSize)) != nullptr;
  return Source();
}

void DumpDocument::Forget() {
  Choose(std::string());
}

bool DumpDocument::ReadoutEnded(const link::ReadoutResult& result) {
  switch (result.end) {
    case link::ReadoutEnd::NoUnit:
      return false;
    case link::ReadoutEnd::FileNotCreated:
      // The name chosen is current: opening it says that it cannot be read.
      Choose(result.chosenPath);
      break;
    case link::ReadoutEnd::LongTermFailed:
    case link::ReadoutEnd::PageFailed:
    case link::ReadoutEnd::WriteFailed:
    case link::ReadoutEnd::Stopped:
      Forget();
      break;
    case link::ReadoutEnd::Done:
      Choose(result.writtenPath.value_or(std::string()));
      break;
  }
  return HasFile();
}

void DumpDocument::Opened(std::optional<OpenedDump> opened) {
  opened_ = std::move(opened);
  if (holding_) held_->Complete();
  if (!opened_) return;
  recorderVersion_ = opened_->recorderVersion;
  overloads_.records.reset();
  kds_.records.reset();
  // A file without KDS records empties the KDS search as it opens.
  if (opened_->kds.search && opened_->kds.search->summary) kds_.summary = *opened_->kds.search->summary;
}

void DumpDocument::OverloadSearchRan(const std::string& file,
                                     const PassResult<events::OverloadSearchModel>& result) {
  Keep(overloads_, file, result);
}

void DumpDocument::KdsSearchRan(const std::string& file,
                                const PassResult<events::KdsSearchModel>& result) {
  Keep(kds_, file, result);
}

const std::optional<std::vector<std::int64_t>>& DumpDocument::OverloadRecords() const {
  return RecordsOf(overloads_, path_);
}

const std::optional<std::vector<std::int64_t>>& DumpDocument::KdsRecords() const {
  return RecordsOf(kds_, path_);
}

}  // namespace vertal::app
