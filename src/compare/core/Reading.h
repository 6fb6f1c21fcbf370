#pragma once
// One reading of a crane as the comparison takes it: the whole file read once, its frames
// indexed, its lifetime counters decoded and shown as the service pages show them.

#include <optional>
#include <string>
#include <string_view>

#include "dump/core/DumpHead.h"
#include "dump/core/LongTermRecords.h"
#include "dump/core/ServicePages.h"
#include "recording/core/FrameIndex.h"

namespace vertal::compare {

struct Reading {
  std::string path;
  recording::IndexedRecording recording;
  dump::DumpHead head;
  dump::LongTermInfo info;
  dump::ServicePages pages;
};

// Nothing when the file cannot be opened.
std::optional<Reading> LoadReading(const std::string& path, std::string_view separator);

// The crane's identification as a sentence part: "ограничитель зав. № 0412, кран КС-4571-Н № 1187".
std::string IdentificationText(const Reading& r);
std::string IdentificationText(const dump::ServicePageModel& shown);

// Whether both readings come from the same limiter on the same crane: the limiter serial, the
// crane serial and the crane model alike.
bool SameCrane(const dump::LongTermInfo& a, const dump::LongTermInfo& b);
bool SameCrane(const Reading& a, const Reading& b);

}  // namespace vertal::compare
