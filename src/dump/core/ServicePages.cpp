#include "dump/core/ServicePages.h"

#include <utility>

#include <string>

#include "common/core/Bcd.h"
#include "common/core/NumberFormat.h"
#include "dump/core/Classification.h"
#include "dump/core/DurationText.h"
#include "dump/core/LoadDistribution.h"
#include "dump/core/LongTermRecords.h"

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

const std::array<std::string_view, 6> kVersion31Rows = {"Label38", "Label_K_P_110_125", "Label40",
                                                     "Label_K_P_125", "Label_N_N_L", "Label39"};

namespace {

constexpr std::int8_t kVersion30 = 30;
constexpr std::int8_t kVersion31 = 31;
constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::string_view kWeightFromBank1Mark = "т";

// Load ranges (counted from 0) that count as overloads: the trips from 100 % (range 10) up;
// overloads of 110 % to 125 % are ranges 11 and 12 (110-120 %, 120-125 %), those above 125 %
// ranges 13 and 14.
constexpr std::size_t kOverloadFirst = 10, kMiddleFirst = 11, kMiddleLast = 12, kHighFirst = 13;

std::string Signed(std::int64_t value) { return std::to_string(value); }

// A letter before a number ("A5"), built by appending: GCC 12 at -O3 takes the front insertion
// of `"A" + text` for an overlapping copy (-Werror=restrict).
std::string Prefixed(std::string_view prefix, std::int64_t value) {
  std::string text(prefix);
  text += Signed(value);
  return text;
}

std::string GroupText(const LongTermInfo& info) { return Prefixed("A", info.normativeGroup); }

void WriteOperator(const OperatorTrailer& t, ServicePageModel& m) {
  m.readingDate = BcdDateText(t.date);
  m.operatorName = t.name;
  m.organisation = t.organisation;
  m.certificate = t.certificate;
  m.owner = t.owner;
}

void WriteIdentification(const LongTermInfo& i, ServicePageModel& m) {
  m.modification = Prefixed("VERTAL-", i.modification);
  m.limiterSerial = i.limiterSerial;
  m.program = i.recorderVersion == kVersion31 ? Signed(i.modification) + "." + Signed(i.programSub)
                                              : Signed(i.modification);
  m.changeNumber = Signed(i.changeNumber);
  m.tablesVersion = Signed(i.tablesVersion);
  m.recorderVersion = Signed(i.recorderVersion);
  m.limiterMaker = i.limiterMaker;
  m.crane = i.craneModel;
  m.craneSerial = Signed(i.craneSerial);
  m.craneMaker = i.craneMaker;
  m.craneYear = Signed(i.craneYear) + " г.";
  m.craneGroup = GroupText(i);
  m.normativeGroup = GroupText(i);
  m.commissioning = i.commissioning;
  m.installDate = BcdDateText(i.installDate);
}

void WriteCounters(const LongTermInfo& i, std::string_view sep, ServicePages& p) {
  ServicePageModel& m = p.service;
  m.charNumber = FormatFloat(kCharNumberPattern, static_cast<double>(i.charNumber), sep);
  for (std::size_t k = 0; k < kLoadBinCount; ++k) {
    p.load.workCycles[k] = std::to_string(i.workCycles[k]);
    p.load.loadCycles[k] = std::to_string(i.loadCycles[k]);
  }
  m.hoistTime = SecondsToHms(i.mechanismSeconds[0]);
  m.angleTime = SecondsToHms(i.mechanismSeconds[1]);
  m.lengthTime = SecondsToHms(i.mechanismSeconds[2]);
  m.slewTime = SecondsToHms(i.mechanismSeconds[3]);
  m.poweredTime = SecondsToHms(std::int64_t{i.poweredMinutes} * kSecondsPerMinute);
  m.liftedWeight = Signed(i.liftedWeight / kWeightDivisor);
  if (i.weightFromBank1) m.liftedWeight += kWeightFromBank1Mark;
  if (i.loadedSeconds) m.loadedTime = SecondsToHms(*i.loadedSeconds);
}

void WriteLoadDistribution(const LongTermInfo& i, LoadPageModel& m) {
  std::uint32_t load = 0, work = 0;
  Counters workCounters{};
  for (std::size_t k = 0; k < kLoadBinCount; ++k) {
    load += i.loadCycles[k];
    work += i.workCycles[k];
    workCounters[k] = i.workCycles[k];
  }
  m.loadCycleTotal = std::to_string(load);
  m.workCycleTotal = std::to_string(work);
  m.bars = DiagramBars(workCounters);
  m.diagramTitle = std::string(kWorkCycleDiagramTitle);
}

void WriteOverloadCounts(const LongTermInfo& i, ServicePageModel& m) {
  std::uint32_t all = 0, middle = 0, high = 0;
  for (std::size_t k = kOverloadFirst; k < kLoadBinCount; ++k) {
    all += i.loadCycles[k];
    if (k >= kMiddleFirst && k <= kMiddleLast) middle += i.loadCycles[k];
    if (k >= kHighFirst) high += i.loadCycles[k];
  }
  m.overloadTrips = std::to_string(all);
  m.overloads110To125 = std::to_string(middle);
  m.overloadsAbove125 = std::to_string(high);
}

void WriteClassification(const LongTermInfo& i, std::string_view sep, ServicePageModel& m) {
  const CraneClassification k = Classify(i.loadCycles, i.charNumber, GroupText(i));
  m.normativeCharNumber = Signed(k.normativeNumber);
  m.classOfUse = Prefixed("U", k.classOfUse);
  m.spectrumFactor = FormatFloat("#0.000", static_cast<double>(k.spectrumFactor), sep);
  m.spectrumClass = Prefixed("Q", k.spectrumClass);
  m.actualGroup = Prefixed("A", k.group);
}

void WriteVersionCaptions(std::int8_t version, ServicePages& p) {
  if (version != kVersion30 && version != kVersion31) return;
  const bool v31 = version == kVersion31;
  p.load.range120Caption = v31 ? "120% < M < 125%" : "120% < M < 130%";
  p.load.range125Caption = v31 ? "125% < M < 140%" : "130% < M < 140%";
  p.service.version31RowsShown = v31;
  p.service.changeNumberCaption = v31 ? "Номер изменения:" : "Версия программы:";
}

}  // namespace

ServicePages PresentServicePages(const DumpHead& head, std::string_view separator) {
  const std::int8_t version = head.RecorderVersion();
  const LongTermInfo info = ReadLongTermInfo(head.longTerm, version == kVersion31);
  ServicePages pages;
  WriteOperator(ReadOperatorTrailer(head.trailer), pages.service);
  WriteIdentification(info, pages.service);
  WriteCounters(info, separator, pages);
  WriteLoadDistribution(info, pages.load);
  WriteOverloadCounts(info, pages.service);
  WriteClassification(info, separator, pages.service);
  WriteVersionCaptions(version, pages);
  return pages;
}

ServicePages EmptyServicePages() {
  ServicePages pages;
  pages.service.loadedTime = std::string();
  return pages;
}

ServicePages OverStartTexts(ServicePages opened) {
  const ServicePages start = EmptyServicePages();
  if (!opened.service.loadedTime) opened.service.loadedTime = start.service.loadedTime;
  return opened;
}

DiagramState ToggleDiagram(const LoadPageModel& shown) {
  return ToggleDiagram(shown.diagramTitle.value_or(std::string()), shown.workCycles, shown.loadCycles);
}

void ApplyUpdate(LoadPageModel& shown, const LoadPageModel& update) {
  LoadPageModel next = update;
  if (!next.diagramTitle) next.diagramTitle = shown.diagramTitle;
  if (!next.range120Caption) next.range120Caption = shown.range120Caption;
  if (!next.range125Caption) next.range125Caption = shown.range125Caption;
  shown = std::move(next);
}

}  // namespace vertal::dump
