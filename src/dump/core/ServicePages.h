#pragma once
// The service page ("Служебная") and the load spectrum page ("Наработка") as opening a dump
// fills them, what a reset leaves on them, and the captions that follow the recorder version.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/PageControls.h"
#include "dump/core/DumpHead.h"
#include "dump/core/LoadDistribution.h"
#include "dump/core/LongTermLayout.h"

namespace vertal::dump {

// Controls of the fifteen load ranges, in range order.
extern const std::array<std::string_view, kLoadBinCount> kLoadCycleFields;  // Edit_N_...
extern const std::array<std::string_view, kLoadBinCount> kWorkCycleFields;  // Edit_ON_...
extern const std::array<std::string_view, kLoadBinCount> kLoadGauges;       // CGauge_...
extern const std::array<std::string_view, kLoadBinCount> kRangeCaptionLabels;
// Captions of the ranges for a file of version 31 and at start.
extern const std::array<std::string_view, kLoadBinCount> kRangeCaptions;
// The rows that only files of version 31 fill: shown for them, hidden for version 30.
extern const std::array<std::string_view, 6> kVersion31Rows;

// The lifted weight is stored in hundredths of a tonne and shown in whole tonnes.
inline constexpr std::int32_t kWeightDivisor = 100;
inline constexpr std::string_view kCharNumberPattern = "#0.00";

inline constexpr std::size_t kRange120Caption = 12;  // Label81
inline constexpr std::size_t kRange125Caption = 13;  // Label83

struct ServicePageModel {
  // Operator data from the trailer.
  std::string readingDate, operatorName, organisation, certificate, owner;
  // Limiter and crane identification.
  std::string modification, limiterSerial, program, changeNumber, tablesVersion, recorderVersion,
      limiterMaker, crane, craneSerial, craneMaker, craneYear, craneGroup, normativeGroup,
      commissioning, installDate;
  // Counters and times.
  std::string charNumber, hoistTime, angleTime, lengthTime, slewTime, poweredTime, liftedWeight;
  std::optional<std::string> loadedTime;  // written for files of version 31 only
  std::string overloadTrips, overloads110To125, overloadsAbove125;
  // Classification.
  std::string normativeCharNumber, classOfUse, spectrumFactor, spectrumClass, actualGroup;
  // What follows the recorder version; nothing for versions other than 30 and 31.
  std::optional<std::string> changeNumberCaption;  // Label44
  std::optional<bool> version31RowsShown;
};

struct LoadPageModel {
  std::array<std::string, kLoadBinCount> loadCycles, workCycles;
  std::array<int, kLoadBinCount> bars{};
  std::string loadCycleTotal, workCycleTotal;
  std::optional<std::string> diagramTitle;  // Label67: set by opening, kept by a reset
  std::optional<std::string> range120Caption, range125Caption;  // Label81, Label83
};

struct ServicePages {
  ServicePageModel service;
  LoadPageModel load;
};

// Both pages as opening fills them, numbers with `separator`.
ServicePages PresentServicePages(const DumpHead& head, std::string_view separator);

// Both pages as a reset leaves them: every value and bar empty, captions and title kept.
ServicePages EmptyServicePages();
// Both pages as opening shows them over an earlier file: a value `opened` does not give shows
// the start text, not the earlier file's; captions and title it does not give stay as shown.
ServicePages OverStartTexts(ServicePages opened);

// What a click on the diagram title of the page `shown` shows: the other kind of counter.
DiagramState ToggleDiagram(const LoadPageModel& shown);
// The page as it shows after `update`: the parts the update leaves empty stay as they were.
void ApplyUpdate(LoadPageModel& shown, const LoadPageModel& update);

template <typename Visit>
void VisitControls(const ServicePageModel& m, Visit&& v) {
  v("Label_DataSch", m.readingDate);
  v("Label_Name", m.operatorName);
  v("Label_Org", m.organisation);
  v("Label_NUd", m.certificate);
  v("Label_VladKran", m.owner);
  v("Label_ModVERTAL", m.modification);
  v("Label_NVERTAL", m.limiterSerial);
  v("Label_Prog", m.program);
  v("Label_NumIzmen", m.changeNumber);
  v("Label_VTabl", m.tablesVersion);
  v("Label_VRP", m.recorderVersion);
  v("Label_IzgotVERTAL", m.limiterMaker);
  v("Label_MKran", m.crane);
  v("Label_NKran", m.craneSerial);
  v("Label_IzgotKran", m.craneMaker);
  v("Label_GodIzgot", m.craneYear);
  v("Label_GrRegNag", m.craneGroup);
  v("L_GRKr", m.normativeGroup);
  v("Label_NalOrg", m.commissioning);
  v("Label_DataUst", m.installDate);
  v("Label_HarCh", m.charNumber);
  v("E_LEsec", m.hoistTime);
  v("E_ALsec", m.angleTime);
  v("E_Lsec", m.lengthTime);
  v("E_GAsec", m.slewTime);
  v("L_TimeAll", m.poweredTime);
  v("Label_Sum_Q", m.liftedWeight);
  v("Label_N_N_L", m.loadedTime);
  v("Label_K_C_PO_P", m.overloadTrips);
  v("Label_K_P_110_125", m.overloads110To125);
  v("Label_K_P_125", m.overloadsAbove125);
  v("Label_NHarch", m.normativeCharNumber);
  v("Label_KIspU", m.classOfUse);
  v("Label_KNag", m.spectrumFactor);
  v("Label_RezhQ", m.spectrumClass);
  v("Label_RezhA", m.actualGroup);
  v("Label44", m.changeNumberCaption);
}

template <typename Visit>
void VisitControls(const LoadPageModel& m, Visit&& v) {
  for (std::size_t k = 0; k < kLoadBinCount; ++k) {
    v(kLoadCycleFields[k], m.loadCycles[k]);
    v(kWorkCycleFields[k], m.workCycles[k]);
    v(kLoadGauges[k], m.bars[k]);
  }
  v("Edit_K_C_N", m.loadCycleTotal);
  v("Edit_K_R_C", m.workCycleTotal);
  v("Label67", m.diagramTitle);
  v(kRangeCaptionLabels[kRange120Caption], m.range120Caption);
  v(kRangeCaptionLabels[kRange125Caption], m.range125Caption);
}

// The names of the rows a file's version hides.
template <typename Hide>
void VisitHiddenControls(const ServicePageModel& m, Hide&& hide) {
  if (m.version31RowsShown == false)
    for (std::string_view name : kVersion31Rows) hide(name);
}

}  // namespace vertal::dump
