#include "dump/core/LongTermRecords.h"

#include <algorithm>
#include <string_view>

#include "common/core/Bytes.h"
#include "common/core/Cp1251.h"
#include "dump/core/Checksum.h"

namespace vertal::dump {
namespace {

struct Check {
  std::int64_t offset;
  std::int64_t size;
  std::string_view message;
};

constexpr std::string_view kUnitServiceMessage =
    "Ошибка контольной суммы служебной информации БОИ, cчетчика моточасов нагруженой стрелы!";

constexpr std::array<Check, 17> kChecks = {{
    {0, 94, "Ошибка контольной суммы идентификации VERTAL в Банке-0!"},
    {94, 104, "Ошибка контольной суммы идентификации крана в Банке-0!"},
    {198, 5, "Ошибка контольной суммы характеристического числа в Банке-0!"},
    {203, 50, "Ошибка контольной суммы циклов нагружения в Банке-0!"},
    {253, 46, "Ошибка контольной суммы рабочих циклов в Банке-0!"},
    {299, 17, "Ошибка контольной суммы времени работы механизмов в Банке-0!"},
    {316, 4, "Ошибка контольной суммы наработки в моточасах в Банке-0!"},
    {332, 94, "Ошибка контольной суммы идентификации VERTAL в Банке-1!"},
    {426, 104, "Ошибка контольной суммы идентификации крана в Банке-1!"},
    {530, 5, "Ошибка контольной суммы характеристического числа в Банке-1!"},
    {535, 50, "Ошибка контольной суммы циклов нагружения в Банке-1!"},
    {585, 46, "Ошибка контольной суммы рабочих циклов в Банке-1!"},
    {631, 17, "Ошибка контольной суммы времени работы механизмов в Банке-1!"},
    {648, 4, "Ошибка контольной суммы наработки в моточасах в Банке-1!"},
    {1781, 8, "Ошибка контольной суммы служебной информации БОИ!"},
    {1789, 5, kUnitServiceMessage},
    {1794, 5, kUnitServiceMessage},
}};

// The table above spells out the bank records; keep it in step with the layout.
static_assert(kChecks[1].offset == kCraneIdent.offset && kChecks[8].offset == kBankSize + 94);
static_assert(kChecks[6].offset == kEngineHours.offset && kChecks[13].offset == kBankSize + 316);
static_assert(kChecks[15].offset == kLoadedTime.offset && kChecks[16].offset == kUnitService2.offset);

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
    if (!ChecksumValid(Field(area, check.offset, check.size)))
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
