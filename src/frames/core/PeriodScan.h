#pragma once
// The pass over all frames when a dump is opened: the period the recorder covers and the lists
// of power-line warnings, tuning-mode work, overloads and switch-ons.

#include <optional>
#include <string>

#include "common/core/ControlSink.h"
#include "common/core/JumpList.h"
#include "common/core/ProgressSink.h"
#include "dump/core/OpenSequence.h"
#include "frames/core/BcdDateTime.h"

namespace vertal::frames {

inline constexpr std::uint8_t kOverloadMoment = 110;  // percent
inline constexpr std::uint8_t kFirstPowerLineCode = 101;
inline constexpr std::uint8_t kLastWarningCode = 104;

struct Moment6 {
  BcdBytes date{};
  BcdBytes time{};
};

struct PeriodScanResult {
  Moment6 earliest;
  Moment6 latest;
  JumpList mzon;       // fault codes 101..104, by episode
  JumpList tuning;     // tuning mode, by episode
  JumpList overloads;  // load moment of 110 % and more, by episode
  JumpList switchOns;  // fault code 1, every frame
};

// Nothing when the file cannot be opened. The period is that of the valid frames; a file
// without any valid frame shows frame 0's bytes as both ends.
std::optional<PeriodScanResult> ScanRecordingPeriod(const std::string& path,
                                                    const ProgressSink& progress = {});

// Writes the labels and lists of the scan: Label_NR, Label_KR, the four counts and lists.
void ShowPeriodScan(const PeriodScanResult& result, ControlSink& controls);

// Empties the four lists as a scan begins; the labels keep their texts until it ends, and
// the lists stay empty when the file cannot be read.
void ClearPeriodScanLists(ControlSink& controls);

// The scan as a step of opening a file where nothing shows its progress: the lists emptied,
// the pass, then its labels and lists, or the open-failure message.
void AddPeriodScanStage(dump::OpenSequence& sequence);

// Status texts of the pass.
inline constexpr std::string_view kScanRunningText = " Идет расшифровка файла";
inline constexpr std::string_view kScanDoneText = " Расшифровка файла закончена";

}  // namespace vertal::frames
