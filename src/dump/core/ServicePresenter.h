#pragma once
// The service page ("Служебная") and the load spectrum page ("Наработка"): what opening a dump
// writes into their controls, what a reset clears, and the captions that depend on the
// recorder version.

#include <array>
#include <string_view>

#include "common/core/ControlSink.h"
#include "dump/core/LongTermLayout.h"
#include "dump/core/OpenSequence.h"

namespace vertal::dump {

// Controls of the fifteen load ranges, in range order.
extern const std::array<std::string_view, kLoadBinCount> kLoadCycleFields;  // Edit_N_...
extern const std::array<std::string_view, kLoadBinCount> kWorkCycleFields;  // Edit_ON_...
extern const std::array<std::string_view, kLoadBinCount> kLoadGauges;       // CGauge_...
extern const std::array<std::string_view, kLoadBinCount> kRangeCaptionLabels;
// Captions of the ranges for a file of version 31 and at start.
extern const std::array<std::string_view, kLoadBinCount> kRangeCaptions;

inline constexpr std::string_view kDiagramTitleLabel = "Label67";

// Registers the stages that fill both pages and adapt the captions to the recorder version.
void AddServiceStages(OpenSequence& sequence);

// Empties the value controls of both pages and the bars.
void ResetServiceControls(ControlSink& controls);

// The captions and visibility for a recorder version; nothing for versions other than 30 and 31.
void ApplyVersionCaptions(std::int8_t recorderVersion, ControlSink& controls);

}  // namespace vertal::dump
