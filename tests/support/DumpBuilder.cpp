#include "support/DumpBuilder.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "common/core/Bytes.h"
#include "common/core/Cp1251.h"
#include "dump/core/Checksum.h"
#include "dump/core/LongTermLayout.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"

namespace vertal::testing {

using namespace vertal::dump;
using namespace vertal::frames;

namespace {

constexpr std::array<RecordPlace, kLongTermRecordCount> kRecordPlaces = {{
    {kLimiterIdent.offset, kLimiterIdent.size},
    {kCraneIdent.offset, kCraneIdent.size},
    {kCharNumber.offset, kCharNumber.size},
    {kLoadCycles.offset, kLoadCycles.size},
    {kWorkCycles.offset, kWorkCycles.size},
    {kMechanismTimes.offset, kMechanismTimes.size},
    {kEngineHours.offset, kEngineHours.size},
    {kBankSize + kLimiterIdent.offset, kLimiterIdent.size},
    {kBankSize + kCraneIdent.offset, kCraneIdent.size},
    {kBankSize + kCharNumber.offset, kCharNumber.size},
    {kBankSize + kLoadCycles.offset, kLoadCycles.size},
    {kBankSize + kWorkCycles.offset, kWorkCycles.size},
    {kBankSize + kMechanismTimes.offset, kMechanismTimes.size},
    {kBankSize + kEngineHours.offset, kEngineHours.size},
    kUnitService1,
    kLoadedTime,
    kUnitService2,
}};

void CheckBank(int bank) {
  if (bank != 0 && bank != 1) throw std::invalid_argument("bank must be 0 or 1");
}

}  // namespace

FrameImage EncodeFrame(const FrameFields& f) {
  FrameImage b{};
  std::copy(f.date.begin(), f.date.end(), b.begin() + kFrameDate);
  std::copy(f.time.begin(), f.time.end(), b.begin() + kFrameTime);
  put16(&b[kFrameAngle], static_cast<std::uint16_t>(f.angle));
  put16(&b[kFrameLength], f.length);
  put16(&b[kFrameRadius], f.radius);
  put16(&b[kFramePressure], static_cast<std::uint16_t>(f.pressure));
  put16(&b[kFrameLoad], static_cast<std::uint16_t>(f.load));
  put16(&b[kFrameAzimuth], f.azimuth);
  put16(&b[kFrameWind], f.wind);
  b[kFrameKos] = f.kos;
  b[kFrameTemperature] = static_cast<std::uint8_t>(f.temperature);
  b[kFrameReeving] = f.reeving;
  b[kFrameMode] = f.mode;
  b[kFrameLoadMoment] = f.loadMoment;
  b[kFrameRelays] = f.relays;
  b[kFrameLimits] = f.limits;
  b[kFrameInputs1] = f.inputs1;
  b[kFrameInputs2] = f.inputs2;
  b[kFrameInputs3] = f.inputs3;
  b[kFrameFaultCode] = f.faultCode;
  CloseRecord(b);
  return b;
}

EventRecordImage EncodeOverload(std::uint8_t percent, BcdTriple date, std::uint16_t radius,
                                std::uint16_t capacity, std::uint8_t mode) {
  using namespace vertal::events;
  EventRecordImage r{};
  put16(&r[kOverloadRadius], radius);
  put16(&r[kOverloadCapacity], capacity);
  r[kOverloadPercent] = percent;
  std::copy(date.begin(), date.end(), r.begin() + kOverloadDate);
  r[kOverloadMode] = mode;
  return r;
}

EventRecordImage EncodeKds(std::int16_t value, std::uint8_t code, BcdTriple date, BcdTriple time) {
  using namespace vertal::events;
  EventRecordImage r{};
  put16(&r[kKdsValue], static_cast<std::uint16_t>(value));
  r[kKdsCode] = code;
  std::copy(date.begin(), date.end(), r.begin() + kKdsDate);
  std::copy(time.begin(), time.end(), r.begin() + kKdsTime);
  return r;
}

DumpBuilder::DumpBuilder() : bytes_(static_cast<std::size_t>(kDumpFileSize), 0) {
  // Erased memory of the event regions and the frames.
  std::fill(bytes_.begin() + kOverloadRecords.Offset(0), bytes_.begin() + kOverloadRecords.Offset(kOverloadRecords.count), 0xFF);
  std::fill(bytes_.begin() + kKdsRecords.Offset(0), bytes_.begin() + kKdsRecords.Offset(kKdsRecords.count), 0xFF);
  std::fill(bytes_.begin() + kOperativeAreaOffset, bytes_.begin() + kTrailerOffset, 0xFF);
  for (const RecordPlace& place : kRecordPlaces) Close(place.offset, place.size);
  Trailer({});
}

std::span<std::uint8_t> DumpBuilder::Span(std::int64_t offset, std::int64_t size) {
  return std::span<std::uint8_t>(bytes_).subspan(static_cast<std::size_t>(offset),
                                                 static_cast<std::size_t>(size));
}

void DumpBuilder::Close(std::int64_t offset, std::int64_t size) { CloseRecord(Span(offset, size)); }

void DumpBuilder::CloseBankRecord(int bank, std::int64_t recordOffset, std::int64_t recordSize) {
  Close(kBankOffset[bank] + recordOffset, recordSize);
}

DumpBuilder& DumpBuilder::Limiter(int bank, const LimiterIdent& id) {
  CheckBank(bank);
  const std::int64_t at = kBankOffset[bank] + kLimiterIdent.offset;
  PutFieldText(Span(at + kLimSerial, kLimSerialSize), id.serial);
  bytes_[static_cast<std::size_t>(at + kLimModification)] = static_cast<std::uint8_t>(id.modification);
  bytes_[static_cast<std::size_t>(at + kLimChange)] = static_cast<std::uint8_t>(id.changeNumber);
  bytes_[static_cast<std::size_t>(at + kLimTablesVersion)] = static_cast<std::uint8_t>(id.tablesVersion);
  bytes_[static_cast<std::size_t>(at + kLimProgramSub)] = static_cast<std::uint8_t>(id.programSub);
  bytes_[static_cast<std::size_t>(at + kLimRecorderVersion)] = static_cast<std::uint8_t>(id.recorderVersion);
  PutFieldText(Span(at + kLimMaker, kLimMakerSize), id.maker);
  CloseBankRecord(bank, kLimiterIdent.offset, kLimiterIdent.size);
  return *this;
}

DumpBuilder& DumpBuilder::Crane(int bank, const CraneIdent& id) {
  CheckBank(bank);
  const std::int64_t at = kBankOffset[bank] + kCraneIdent.offset;
  put16(&bytes_[static_cast<std::size_t>(at + kCraneSerial)], static_cast<std::uint16_t>(id.serial));
  put16(&bytes_[static_cast<std::size_t>(at + kCraneYear)], static_cast<std::uint16_t>(id.year));
  bytes_[static_cast<std::size_t>(at + kCraneGroup)] = static_cast<std::uint8_t>(id.normativeGroup);
  PutFieldText(Span(at + kCraneModel, kCraneModelSize), id.model);
  std::copy(id.installDate.begin(), id.installDate.end(), Span(at + kCraneInstallDate, 3).begin());
  PutFieldText(Span(at + kCraneMaker, kCraneMakerSize), id.maker);
  PutFieldText(Span(at + kCraneCommissioning, kCraneCommissioningSize), id.commissioning);
  CloseBankRecord(bank, kCraneIdent.offset, kCraneIdent.size);
  return *this;
}

DumpBuilder& DumpBuilder::CharNumber(int bank, float value) {
  CheckBank(bank);
  putf32(Span(kBankOffset[bank] + kCharNumber.offset, 4).data(), value);
  CloseBankRecord(bank, kCharNumber.offset, kCharNumber.size);
  return *this;
}

DumpBuilder& DumpBuilder::LoadCycles(int bank, int bin, std::uint32_t count) {
  CheckBank(bank);
  if (bin < 1 || bin > kLoadBinCount) throw std::invalid_argument("bin must be 1..15");
  put24(Span(kBankOffset[bank] + kLoadCycles.offset + kCounterSize * (bin - 1), 3).data(), count);
  CloseBankRecord(bank, kLoadCycles.offset, kLoadCycles.size);
  return *this;
}

DumpBuilder& DumpBuilder::WorkCycles(int bank, int bin, std::uint32_t count) {
  CheckBank(bank);
  if (bin < 1 || bin > kLoadBinCount) throw std::invalid_argument("bin must be 1..15");
  put24(Span(kBankOffset[bank] + kWorkCycles.offset + kCounterSize * (bin - 1), 3).data(), count);
  CloseBankRecord(bank, kWorkCycles.offset, kWorkCycles.size);
  return *this;
}

DumpBuilder& DumpBuilder::MechanismSeconds(int bank, int mechanism, std::int32_t seconds) {
  CheckBank(bank);
  if (mechanism < 0 || mechanism >= kMechanismCount) throw std::invalid_argument("mechanism 0..3");
  put32(Span(kBankOffset[bank] + kMechanismTimes.offset + 4 * mechanism, 4).data(),
        static_cast<std::uint32_t>(seconds));
  CloseBankRecord(bank, kMechanismTimes.offset, kMechanismTimes.size);
  return *this;
}

DumpBuilder& DumpBuilder::PoweredMinutes(int bank, std::uint32_t minutes) {
  CheckBank(bank);
  put24(Span(kBankOffset[bank] + kEngineHours.offset, 3).data(), minutes);
  CloseBankRecord(bank, kEngineHours.offset, kEngineHours.size);
  return *this;
}

DumpBuilder& DumpBuilder::LiftedWeight(int bank, std::int32_t weight) {
  CheckBank(bank);
  put32(Span(kBankOffset[bank] + kLiftedWeight, 4).data(), static_cast<std::uint32_t>(weight));
  return *this;
}

DumpBuilder& DumpBuilder::LoadedSeconds(std::int32_t seconds) {
  put32(Span(kLoadedTime.offset, 4).data(), static_cast<std::uint32_t>(seconds));
  Close(kLoadedTime.offset, kLoadedTime.size);
  return *this;
}

DumpBuilder& DumpBuilder::RecorderVersion(std::int8_t version) {
  for (int bank = 0; bank < 2; ++bank) {
    bytes_[static_cast<std::size_t>(kBankOffset[bank] + kLimiterIdent.offset + kLimRecorderVersion)] =
        static_cast<std::uint8_t>(version);
    CloseBankRecord(bank, kLimiterIdent.offset, kLimiterIdent.size);
  }
  return *this;
}

DumpBuilder& DumpBuilder::Trailer(const OperatorTrailer& trailer) {
  const TrailerBytes t = WriteOperatorTrailer(trailer);
  std::copy(t.begin(), t.end(), Span(kTrailerOffset, kTrailerSize).begin());
  return *this;
}

DumpBuilder& DumpBuilder::Frame(std::int64_t n, const FrameFields& fields) {
  const FrameImage image = EncodeFrame(fields);
  return FrameBytes(n, image);
}

DumpBuilder& DumpBuilder::FrameBytes(std::int64_t n, std::span<const std::uint8_t> bytes) {
  if (n < 0 || n >= kFrameCount || bytes.size() != frames::kFrameSize)
    throw std::invalid_argument("frame number or size out of range");
  std::copy(bytes.begin(), bytes.end(), Span(kFrames.Offset(n), kFrames.size).begin());
  return *this;
}

DumpBuilder& DumpBuilder::OverloadRecord(std::int64_t k, std::span<const std::uint8_t> bytes) {
  if (k < 0 || k >= kOverloadRecords.count || bytes.size() != static_cast<std::size_t>(kOverloadRecords.size))
    throw std::invalid_argument("overload record out of range");
  auto target = Span(kOverloadRecords.Offset(k), kOverloadRecords.size);
  std::copy(bytes.begin(), bytes.end(), target.begin());
  CloseRecord(target);
  return *this;
}

DumpBuilder& DumpBuilder::KdsRecord(std::int64_t k, std::span<const std::uint8_t> bytes) {
  if (k < 0 || k >= kKdsRecords.count || bytes.size() != static_cast<std::size_t>(kKdsRecords.size))
    throw std::invalid_argument("KDS record out of range");
  auto target = Span(kKdsRecords.Offset(k), kKdsRecords.size);
  std::copy(bytes.begin(), bytes.end(), target.begin());
  CloseRecord(target);
  return *this;
}

DumpBuilder& DumpBuilder::Damage(LongTermRecord record) {
  const RecordPlace& place = kRecordPlaces[static_cast<std::size_t>(record)];
  bytes_[static_cast<std::size_t>(place.offset + place.size - 1)] ^= 0x5A;
  return *this;
}

DumpBuilder& DumpBuilder::DamageFrame(std::int64_t n) {
  bytes_[static_cast<std::size_t>(kFrames.Offset(n) + kFrames.size - 1)] ^= 0x5A;
  return *this;
}

DumpBuilder& DumpBuilder::Poke(std::int64_t offset, std::uint8_t value) {
  bytes_.at(static_cast<std::size_t>(offset)) = value;
  return *this;
}

void DumpBuilder::Write(const std::string& path) const { WriteTruncated(path, kDumpFileSize); }

void DumpBuilder::WriteTruncated(const std::string& path, std::int64_t size) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const auto n = std::clamp<std::int64_t>(size, 0, static_cast<std::int64_t>(bytes_.size()));
  out.write(reinterpret_cast<const char*>(bytes_.data()), static_cast<std::streamsize>(n));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace vertal::testing
