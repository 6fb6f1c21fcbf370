#pragma once
// Opening a dump file is one ordered sequence of stages. The core supplies the stages that
// read and check the file; each page adds its own fill at the stage where it belongs, so the
// window and the command-line tool run exactly the same sequence.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/core/ControlSink.h"
#include "common/core/Host.h"
#include "common/core/NumberFormat.h"
#include "dump/core/DumpLayout.h"
#include "dump/core/LongTermRecords.h"
#include "dump/core/OperatorTrailer.h"

namespace vertal::dump {

enum class OpenStage {
  OpenFile,          // open the file; a failure ends the run
  ReadVersion,       // keep the `RecorderVersion`
  CheckRecords,      // checksum pass over the long-term records
  ShowServicePage,   // bring the service page to the front
  OperatorFields,    // reading date and operator data from the trailer
  Identification,    // limiter and crane identification
  CountersAndTimes,  // characteristic number, counters, times, weight
  LoadedTime,        // loaded operating time, version 31 only
  LoadDistribution,  // totals and bars of the load spectrum
  OverloadCounts,
  Classification,
  CloseFile,
  OverloadTable,
  KdsTable,
  FrameTable,
  PeriodScan,
  ParamGraph,
  RelayGraph,
  VersionCaptions,
};
inline constexpr std::size_t kOpenStageCount = static_cast<std::size_t>(OpenStage::VersionCaptions) + 1;

// The long-term area and the trailer, read in one open of the file. Bytes beyond the end of a
// short file are zero.
struct DumpHead {
  std::array<std::uint8_t, static_cast<std::size_t>(kLongTermAreaSize)> longTerm{};
  TrailerBytes trailer{};
  std::int64_t fileSize = 0;
};

std::optional<DumpHead> ReadDumpHead(const std::string& path);

struct OpenContext {
  OpenContext(std::string filePath, Host& h) : path(std::move(filePath)), host(h) {}
  std::string path;
  Host& host;
  std::optional<DumpHead> head;  // set by the OpenFile stage
  std::int8_t recorderVersion = 0;
  // Where the pages' stages write what they show; stages that fill pages need it.
  ControlSink* controls = nullptr;
  std::string decimalSeparator{kDefaultDecimalSeparator};
  std::optional<LongTermInfo> info;  // set by the service stages
};

class OpenSequence {
 public:
  // A step returns false to end the run.
  using Step = std::function<bool(OpenContext&)>;

  // Steps of one stage run in the order they were added.
  void Add(OpenStage stage, Step step);

  // Runs every stage in order; false when a step ended the run early.
  bool Run(OpenContext& context) const;

 private:
  std::array<std::vector<Step>, kOpenStageCount> steps_;
};

// The core's own stages: open and read the head (reporting an unreadable file), take the
// `RecorderVersion`, and show one message per damaged long-term record.
void AddFileStages(OpenSequence& sequence);

}  // namespace vertal::dump
