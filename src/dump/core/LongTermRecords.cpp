#include "dump/core/LongTermRecords.h"

#include <algorithm>
#include <string_view>

#include "common/core/Bytes.h"
#include "common/core/Cp1251.h"
#include "dump/core/Checksum.h"

namespace vertal::dump {
namespace {

struct Check {
  RecordPlace place;  // within the long-term area
  std::string_view message;
};

constexpr std::string_view kUnitServiceMessage =
    "Ошибка контольной суммы служебной информации БОИ, cчетчика моточасов нагруженой стрелы!";

constexpr RecordPlace InBank(int bank, RecordPlace record) {
  return {kBankOffset[bank] + record.offset, record.size};
}

constexpr std::array<Check, 17> kChecks = {{
    {InBank(0, kLimiterIdent), "Ошибка контольной суммы идентификации VERTAL в Банке-0!"},
    {InBank(0, kCraneIdent), "Ошибка контольной суммы идентификации крана в Банке-0!"},
    {InBank(0, kCharNumber), "Ошибка контольной суммы характеристического числа в Банке-0!"},
    {InBank(0, kLoadCycles), "Ошибка контольной суммы циклов нагружения в Банке-0!"},
    {InBank(0, kWorkCycles), "Ошибка контольной суммы рабочих циклов в Банке-0!"},
    {InBank(0, kMechanismTimes), "Ошибка контольной суммы времени работы механизмов в Банке-0!"},
    {InBank(0, kEngineHours), "Ошибка контольной суммы наработки в моточасах в Банке-0!"},
    {InBank(1, kLimiterIdent), "Ошибка контольной суммы идентификации VERTAL в Банке-1!"},
    {InBank(1, kCraneIdent), "Ошибка контольной суммы идентификации крана в Банке-1!"},
    {InBank(1, kCharNumber), "Ошибка контольной суммы характеристического числа в Банке-1!"},
    {InBank(1, kLoadCycles), "Ошибка контольной суммы циклов нагружения в Банке-1!"},
    {InBank(1, kWorkCycles), "Ошибка контольной суммы рабочих циклов в Банке-1!"},
    {InBank(1, kMechanismTimes), "Ошибка контольной суммы времени работы механизмов в Банке-1!"},
    {InBank(1, kEngineHours), "Ошибка контольной суммы наработки в моточасах в Банке-1!"},
    {kUnitService1, "Ошибка контольной суммы служебной информации БОИ!"},
    {kLoadedTime, kUnitServiceMessage},
    {kUnitService2, kUnitServiceMessage},
}};

// Each bank's records follow one another and end where the lifted weight begins.
static_assert(kCraneIdent.offset == kLimiterIdent.offset + kLimiterIdent.size);
static_assert(kCharNumber.offset == kCraneIdent.offset + kCraneIdent.size);
static_assert(kLoadCycles.offset == kCharNumber.offset + kCharNumber.size);
static_assert(kWorkCycles.offset == kLoadCycles.offset + kLoadCycles.size);
static_assert(kMechanismTimes.offset == kWorkCycles.offset + kWorkCycles.size);
static_assert(kEngineHours.offset == kMechanismTimes.offset + kMechanismTimes.size);
static_assert(kLiftedWeight == kEngineHours.offset + kEngineHours.size);
static_assert(kLoadedTime.offset == kUnitService1.offset + kUnitService1.size);
static_assert(kUnitService2.offset == kLoadedTime.offset + kLoadedTime.size);

const std::uint8_t* At(LongTermArea area, std::int64_t offset) {
  return area.data() + offset;
}

std::span<const std::uint8_t> Field(LongTermArea area, std::int64_t offset, std::int64_t size) {
  return area.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
}

// The larger of a value in both banks; bank 1's when it is strictly greater.
template <typename T>
T Larger(T bank0, T bank1) {
  return bank1 > bank0 ? bank1 : bank0;
}

}  // namespace

std::vector<std::string> CheckLongTermArea(LongTermArea area) {
  std::vector<std::string> messages;
  for (const Check& check : kChecks)
    if (!ChecksumValid(Field(area, check.place.offset, check.place.size)))
      messages.emplace_back(check.message);
  return messages;
}

LongTermInfo ReadLongTermInfo(LongTermArea area, bool readLoadedTime) {
  LongTermInfo info;
  const std::int64_t lim = kBankOffset[0] + kLimiterIdent.offset;
  info.limiterSerial = FieldText(Field(area, lim + kLimSerial, kLimSerialSize));
  info.modification = i8(*At(area, lim + kLimModification));
  info.changeNumber = i8(*At(area, lim + kLimChange));
  info.tablesVersion = i8(*At(area, lim + kLimTablesVersion));
  info.programSub = i8(*At(area, lim + kLimProgramSub));
  info.recorderVersion = i8(*At(area, lim + kLimRecorderVersion));
  info.limiterMaker = FieldText(Field(area, lim + kLimMaker, kLimMakerSize));

  const std::int64_t crane = kBankOffset[0] + kCraneIdent.offset;
  info.craneSerial = lei16(At(area, crane + kCraneSerial));
  info.craneYear = lei16(At(area, crane + kCraneYear));
  info.normativeGroup = i8(*At(area, crane + kCraneGroup));
  info.craneModel = FieldText(Field(area, crane + kCraneModel, kCraneModelSize));
  std::copy_n(At(area, crane + kCraneInstallDate), 3, info.installDate.begin());
  info.craneMaker = FieldText(Field(area, crane + kCraneMaker, kCraneMakerSize));
  info.commissioning =
      FieldText(Field(area, crane + kCraneCommissioning, kCraneCommissioningSize));

  const auto bank = [&](int b, std::int64_t offset) { return At(area, kBankOffset[b] + offset); };

  // The characteristic number is the greater value; bank 0's only when strictly greater.
  const float char0 = lef32(bank(0, kCharNumber.offset));
  const float char1 = lef32(bank(1, kCharNumber.offset));
  info.charNumber = char0 > char1 ? char0 : char1;

  for (int k = 0; k < kLoadBinCount; ++k) {
    const std::int64_t at = kCounterSize * k;
    info.loadCycles[static_cast<std::size_t>(k)] =
        Larger(le24(bank(0, kLoadCycles.offset + at)), le24(bank(1, kLoadCycles.offset + at)));
    info.workCycles[static_cast<std::size_t>(k)] =
        Larger(le24(bank(0, kWorkCycles.offset + at)), le24(bank(1, kWorkCycles.offset + at)));
  }
  for (int m = 0; m < kMechanismCount; ++m) {
    const std::int64_t at = kMechanismTimes.offset + 4 * m;
    info.mechanismSeconds[static_cast<std::size_t>(m)] =
        Larger(lei32(bank(0, at)), lei32(bank(1, at)));
  }
  info.poweredMinutes = static_cast<std::int32_t>(
      Larger(le24(bank(0, kEngineHours.offset)), le24(bank(1, kEngineHours.offset))));
  const std::int32_t weight0 = lei32(bank(0, kLiftedWeight));
  const std::int32_t weight1 = lei32(bank(1, kLiftedWeight));
  info.weightFromBank1 = weight1 > weight0;
  info.liftedWeight = Larger(weight0, weight1);

  if (readLoadedTime) info.loadedSeconds = lei32(At(area, kLoadedTime.offset));
  return info;
}

}  // namespace vertal::dump
