#include "dump/core/ServicePresenter.h"

#include <string>

#include "common/core/Bcd.h"
#include "common/core/NumberFormat.h"
#include "dump/core/Classification.h"
#include "dump/core/DurationText.h"
#include "dump/core/LoadDistribution.h"

namespace vertal::dump {

const std::array<std::string_view, kLoadBinCount> kLoadCycleFields = {
    "Edit_N_10", "Edit_N_20", "Edit_N_30",  "Edit_N_40",  "Edit_N_50",  "Edit_N_60",  "Edit_N_70", "Edit_N_80",
    "Edit_N_90", "Edit_N_100", "Edit_N_110", "Edit_N_120", "Edit_N_130", "Edit_N_140", "Edit_N_b140"};
const std::array<std::string_view, kLoadBinCount> kWorkCycleFields = {
    "Edit_ON_10",  "Edit_ON_20",  "Edit_ON_30",  "Edit_ON_40",  "Edit_ON_50",
    "Edit_ON_60",  "Edit_ON_70",  "Edit_ON_80",  "Edit_ON_90",  "Edit_ON_100",
    "Edit_ON_110", "Edit_ON_120", "Edit_ON_130", "Edit_ON_140", "Edit_ON_b140"};
const std::array<std::string_view, kLoadBinCount> kLoadGauges = {
    "CGauge_10", "CGauge_20",  "CGauge_30",  "CGauge_40",  "CGauge_50",  "CGauge_60",  "CGauge_70", "CGauge_80",
    "CGauge_90", "CGauge_100", "CGauge_110", "CGauge_120", "CGauge_130", "CGauge_140", "CGauge_b140"};
const std::array<std::string_view, kLoadBinCount> kRangeCaptionLabels = {
    "Label69", "Label70", "Label71", "Label72", "Label73", "Label74", "Label75", "Label76",
    "Label77", "Label78", "Label79", "Label80", "Label81", "Label83", "Label82"};
const std::array<std::string_view, kLoadBinCount> kRangeCaptions = {
    "M < 10%",         "10% < M < 20%",   "20% < M < 30%",   "30% < M < 40%",   "40% < M < 50%",
    "50% < M < 60%",   "60% < M < 70%",   "70% < M < 80%",   "80% < M < 90%",   "90% < M < 100%",
    "100% < M < 110%", "110% < M < 120%", "120% < M < 125%", "125% < M < 140%", "140% < M "};

namespace {

constexpr std::int8_t kVersion30 = 30;
constexpr std::int8_t kVersion31 = 31;
constexpr std::int32_t kWeightDivisor = 100;  // stored in hundredths of a tonne
constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::string_view kWeightFromBank1Mark = "т";

// Load ranges that count as overloads: from 100 % (range 11) up, the middle ones up to range
// 13 and the high ones from range 13.
constexpr std::size_t kOverloadFirst = 10, kMiddleLast = 12, kHighFirst = 12;

std::string Signed(std::int64_t value) { return std::to_string(value); }

std::string GroupText(const LongTermInfo& info) { return "A" + Signed(info.normativeGroup); }

void WriteOperator(const OperatorTrailer& t, ControlSink& c) {
  c.SetText("Label_DataSch", BcdDateText(t.date));
  c.SetText("Label_Name", t.name);
  c.SetText("Label_Org", t.organisation);
  c.SetText("Label_NUd", t.certificate);
  c.SetText("Label_VladKran", t.owner);
}

void WriteIdentification(const LongTermInfo& i, ControlSink& c) {
  c.SetText("Label_ModVERTAL", "VERTAL-" + Signed(i.modification));
  c.SetText("Label_NVERTAL", i.limiterSerial);
  c.SetText("Label_Prog", i.recorderVersion == kVersion31
                              ? Signed(i.modification) + "." + Signed(i.programSub)
                              : Signed(i.modification));
  c.SetText("Label_NumIzmen", Signed(i.changeNumber));
  c.SetText("Label_VTabl", Signed(i.tablesVersion));
  c.SetText("Label_VRP", Signed(i.recorderVersion));
  c.SetText("Label_IzgotVERTAL", i.limiterMaker);
  c.SetText("Label_MKran", i.craneModel);
  c.SetText("Label_NKran", Signed(i.craneSerial));
  c.SetText("Label_IzgotKran", i.craneMaker);
  c.SetText("Label_GodIzgot", Signed(i.craneYear) + " г.");
  c.SetText("Label_GrRegNag", GroupText(i));
  c.SetText("L_GRKr", GroupText(i));
  c.SetText("Label_NalOrg", i.commissioning);
  c.SetText("Label_DataUst", BcdDateText(i.installDate));
}

void WriteCounters(const LongTermInfo& i, std::string_view sep, ControlSink& c) {
  c.SetText("Label_HarCh", FormatFloat("#0.00", static_cast<double>(i.charNumber), sep));
  for (std::size_t k = 0; k < kLoadBinCount; ++k) {
    c.SetText(kWorkCycleFields[k], std::to_string(i.workCycles[k]));
    c.SetText(kLoadCycleFields[k], std::to_string(i.loadCycles[k]));
  }
  c.SetText("E_LEsec", SecondsToHms(i.mechanismSeconds[0]));
  c.SetText("E_ALsec", SecondsToHms(i.mechanismSeconds[1]));
  c.SetText("E_Lsec", SecondsToHms(i.mechanismSeconds[2]));
  c.SetText("E_GAsec", SecondsToHms(i.mechanismSeconds[3]));
  c.SetText("L_TimeAll", SecondsToHms(std::int64_t{i.poweredMinutes} * kSecondsPerMinute));
  std::string weight = Signed(i.liftedWeight / kWeightDivisor);
  if (i.weightFromBank1) weight += kWeightFromBank1Mark;
  c.SetText("Label_Sum_Q", weight);
}

void WriteLoadDistribution(const LongTermInfo& i, ControlSink& c) {
  std::uint32_t load = 0, work = 0;
  Counters workCounters{};
  for (std::size_t k = 0; k < kLoadBinCount; ++k) {
    load += i.loadCycles[k];
    work += i.workCycles[k];
    workCounters[k] = i.workCycles[k];
  }
  c.SetText("Edit_K_C_N", std::to_string(load));
  c.SetText("Edit_K_R_C", std::to_string(work));
  const Bars bars = DiagramBars(workCounters);
  for (std::size_t k = 0; k < kLoadBinCount; ++k) c.SetPosition(kLoadGauges[k], bars[k]);
  c.SetText(kDiagramTitleLabel, kWorkCycleDiagramTitle);
}

void WriteOverloadCounts(const LongTermInfo& i, ControlSink& c) {
  std::uint32_t all = 0, middle = 0, high = 0;
  for (std::size_t k = kOverloadFirst; k < kLoadBinCount; ++k) {
    all += i.loadCycles[k];
    if (k <= kMiddleLast) middle += i.loadCycles[k];
    if (k >= kHighFirst) high += i.loadCycles[k];
  }
  c.SetText("Label_K_C_PO_P", std::to_string(all));
  c.SetText("Label_K_P_110_125", std::to_string(middle));
  c.SetText("Label_K_P_125", std::to_string(high));
}

void WriteClassification(const LongTermInfo& i, std::string_view sep, ControlSink& c) {
  const CraneClassification k = Classify(i.loadCycles, i.charNumber, GroupText(i));
  c.SetText("Label_NHarch", Signed(k.normativeNumber));
  c.SetText("Label_KIspU", "U" + Signed(k.classOfUse));
  c.SetText("Label_KNag", FormatFloat("#0.000", static_cast<double>(k.spectrumFactor), sep));
  c.SetText("Label_RezhQ", "Q" + Signed(k.spectrumClass));
  c.SetText("Label_RezhA", "A" + Signed(k.group));
}

// Runs `write` when the page has somewhere to write to.
template <typename Write>
OpenSequence::Step PageStep(Write write) {
  return [write](OpenContext& ctx) {
    if (ctx.controls && ctx.info) write(ctx, *ctx.controls);
    return true;
  };
}

}  // namespace

void ApplyVersionCaptions(std::int8_t version, ControlSink& c) {
  if (version != kVersion30 && version != kVersion31) return;
  const bool v31 = version == kVersion31;
  c.SetText("Label81", v31 ? "120% < M < 125%" : "120% < M < 130%");
  c.SetText("Label83", v31 ? "125% < M < 140%" : "130% < M < 140%");
  for (std::string_view name : {"Label38", "Label_K_P_110_125", "Label40", "Label_K_P_125",
                                "Label_N_N_L", "Label39"})
    c.SetVisible(name, v31);
  c.SetText("Label44", v31 ? "Номер изменения:" : "Версия программы:");
}

void AddServiceStages(OpenSequence& s) {
  s.Add(OpenStage::OperatorFields, [](OpenContext& ctx) {
    ctx.info = ReadLongTermInfo(ctx.head->longTerm, ctx.recorderVersion == kVersion31);
    if (ctx.controls) WriteOperator(ReadOperatorTrailer(ctx.head->trailer), *ctx.controls);
    return true;
  });
  s.Add(OpenStage::Identification,
        PageStep([](OpenContext& ctx, ControlSink& c) { WriteIdentification(*ctx.info, c); }));
  s.Add(OpenStage::CountersAndTimes, PageStep([](OpenContext& ctx, ControlSink& c) {
          WriteCounters(*ctx.info, ctx.decimalSeparator, c);
        }));
  s.Add(OpenStage::LoadedTime, PageStep([](OpenContext& ctx, ControlSink& c) {
          if (ctx.info->loadedSeconds) c.SetText("Label_N_N_L", SecondsToHms(*ctx.info->loadedSeconds));
        }));
  s.Add(OpenStage::LoadDistribution,
        PageStep([](OpenContext& ctx, ControlSink& c) { WriteLoadDistribution(*ctx.info, c); }));
  s.Add(OpenStage::OverloadCounts,
        PageStep([](OpenContext& ctx, ControlSink& c) { WriteOverloadCounts(*ctx.info, c); }));
  s.Add(OpenStage::Classification, PageStep([](OpenContext& ctx, ControlSink& c) {
          WriteClassification(*ctx.info, ctx.decimalSeparator, c);
        }));
  s.Add(OpenStage::VersionCaptions, PageStep([](OpenContext& ctx, ControlSink& c) {
          ApplyVersionCaptions(ctx.recorderVersion, c);
        }));
}

void ResetServiceControls(ControlSink& c) {
  for (std::string_view name :
       {"Label_DataSch", "Label_Name", "Label_Org", "Label_NUd", "Label_VladKran", "Label_NVERTAL",
        "Label_Prog", "Label_ModVERTAL", "Label_NumIzmen", "Label_VTabl", "Label_VRP",
        "Label_IzgotVERTAL", "Label_NKran", "Label_GodIzgot", "Label_GrRegNag", "L_GRKr",
        "Label_MKran", "Label_DataUst", "Label_IzgotKran", "Label_NalOrg", "Label_HarCh"})
    c.SetText(name, "");
  for (std::string_view name : kLoadCycleFields) c.SetText(name, "");
  for (std::string_view name : kWorkCycleFields) c.SetText(name, "");
  for (std::string_view name : {"E_LEsec", "E_ALsec", "E_Lsec", "E_GAsec", "L_TimeAll", "Label_Sum_Q",
                                "Label_N_N_L", "Edit_K_C_N", "Edit_K_R_C", "Label_K_C_PO_P",
                                "Label_K_P_110_125", "Label_K_P_125"})
    c.SetText(name, "");
  for (std::string_view name : kLoadGauges) c.SetPosition(name, 0);
  for (std::string_view name : {"Label_NHarch", "Label_KIspU", "Label_KNag", "Label_RezhQ", "Label_RezhA"})
    c.SetText(name, "");
}

}  // namespace vertal::dump
