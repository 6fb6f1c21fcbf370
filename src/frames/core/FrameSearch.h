#pragma once
// Selecting frames by load moment, fault codes and triggered limits over the whole recording.

#include <optional>
#include <string>
#include <string_view>

#include "common/core/ControlSink.h"
#include "common/core/JumpList.h"
#include "common/core/ProgressSink.h"

namespace vertal::frames {

struct FrameConditions {
  int threshold = 0;    // load moment in percent; frames at or above it are selected
  bool limits = false;  // also frames with a limit both entered and triggered
  bool faults = false;  // also frames with a fault code
};

// A typed whole number (blanks around it allowed); nothing for any other text.
std::optional<int> ParseWholeNumber(std::string_view text);

// The message shown instead of a search when a typed threshold is not a whole number.
std::string NotWholeNumberMessage(std::string_view fieldCaption, std::string_view text);

// The message shown instead of a search when a typed date is not day.month.year (dd.mm.yy).
std::string NotDateMessage(std::string_view fieldCaption, std::string_view text);

// Runs of selected frames, one item per run for its first frame; nothing when the file
// cannot be opened.
std::optional<JumpList> SearchFrames(const std::string& path, const FrameConditions& conditions,
                                     const ProgressSink& progress = {});

// Empties the result list as a search begins; it stays empty when the file cannot be read.
void ClearFrameSearchList(ControlSink& controls);
// The result list and its count in `Label_O_OtbZap` ("0" when nothing was found).
void ShowFrameSearch(const JumpList& found, ControlSink& controls);

inline constexpr std::string_view kSearchRunningText = " Идет поиск перегрузок";
inline constexpr std::string_view kSearchDoneText = " Поиск закончен";

}  // namespace vertal::frames
