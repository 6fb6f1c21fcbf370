#pragma once
// Selecting frames by load moment, fault codes and triggered limits over the whole recording:
// the search command of the page "Общая".

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "common/core/DumpSource.h"
#include "common/core/Host.h"
#include "common/core/JumpList.h"
#include "common/core/ProgressSink.h"

namespace vertal::frames {

struct FrameConditions {
  int threshold = 0;    // load moment in percent; frames at or above it are selected
  bool limits = false;  // also frames with a limit both entered and triggered
  bool faults = false;  // also frames with a fault code
};

// The search fields as the user set them; the defaults are the fields' state at start-up.
struct FrameSearchFields {
  std::string threshold = "0";
  bool limits = false;
  bool faults = false;
};

// The conditions, or the message that refuses a threshold that is not a whole number.
std::variant<FrameConditions, std::string> ReadFrameConditions(const FrameSearchFields& typed);

// Runs of selected frames, one item per run for its first frame; nothing when the file
// cannot be opened.
std::optional<JumpList> SearchFrames(const DumpSource& source, const FrameConditions& conditions,
                                     const ProgressSink& progress = {});

// The result list and its count; the count stays as it was when the file could not be read.
struct FrameSearchModel {
  JumpList found;
  std::optional<std::string> count;
};

template <typename Visit>
void VisitControls(const FrameSearchModel& m, Visit&& v) {
  v("ComboBox_Cikl", m.found);
  v("Label_O_OtbZap", m.count);
}

// The search command: a refused threshold is shown as an error and searches nothing; a file
// that cannot be opened is reported once and leaves the list empty.
PassResult<FrameSearchModel> RunFrameSearch(const DumpSource& source, const FrameSearchFields& typed,
                                            Host& host, const PassHooks& hooks = {});

inline constexpr std::string_view kSearchRunningText = " Идет поиск перегрузок";
inline constexpr std::string_view kSearchDoneText = " Поиск закончен";

}  // namespace vertal::frames
