#pragma once
// Builds dump files field by field for tests and the demo: every record is closed with a correct
// checksum as it is set, any record can be damaged afterwards, and the file can be written
// complete or cut short.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "dump/core/DumpLayout.h"
#include "dump/core/OperatorTrailer.h"
#include "frames/core/FrameLayout.h"

namespace vertal::testing {

struct LimiterIdent {
  std::string serial;
  std::int8_t modification = 0;
  std::int8_t changeNumber = 0;
  std::int8_t tablesVersion = 0;
  std::int8_t programSub = 0;
  std::int8_t recorderVersion = 31;
  std::string maker;
};

struct CraneIdent {
  std::int16_t serial = 0;
  std::int16_t year = 0;
  std::int8_t normativeGroup = 0;
  std::string model;
  std::array<std::uint8_t, 3> installDate{0x01, 0x01, 0x08};
  std::string maker;
  std::string commissioning;
};

struct FrameFields {
  std::array<std::uint8_t, 3> date{0x01, 0x01, 0x08};  // day, month, year (BCD)
  std::array<std::uint8_t, 3> time{0x00, 0x00, 0x12};  // seconds, minutes, hours (BCD)
  std::int16_t angle = 0;
  std::uint16_t length = 0;
  std::uint16_t radius = 0;
  std::int16_t pressure = 0;
  std::int16_t load = 0;
  std::uint16_t azimuth = 0;
  std::uint16_t wind = 0;
  std::uint8_t kos = 0;
  std::int8_t temperature = 0;
  std::uint8_t reeving = 0;
  std::uint8_t mode = 0;
  std::uint8_t loadMoment = 0;
  std::uint8_t relays = 0;
  std::uint8_t limits = 0;
  std::uint8_t inputs1 = 0;
  std::uint8_t inputs2 = 0;
  std::uint8_t inputs3 = 0;
  std::uint8_t faultCode = 0;
};

using FrameImage = std::array<std::uint8_t, frames::kFrameSize>;

// The 32 bytes of a frame with its checksum closed.
FrameImage EncodeFrame(const FrameFields& fields);

using EventRecordImage = std::array<std::uint8_t, 10>;
using BcdTriple = std::array<std::uint8_t, 3>;

// An overload record (radius and capacity in hundredths); its checksum is closed when it is
// stored with OverloadRecord.
EventRecordImage EncodeOverload(std::uint8_t percent, BcdTriple date, std::uint16_t radius = 1505,
                                std::uint16_t capacity = 825, std::uint8_t mode = 3);

// A KDS record: value, parameter code, date and time (seconds, minutes, hours).
EventRecordImage EncodeKds(std::int16_t value, std::uint8_t code, BcdTriple date = {0x20, 0x09, 0x08},
                           BcdTriple time = {0x00, 0x30, 0x12});

// The long-term records in the order the checksum pass checks them.
enum class LongTermRecord {
  LimiterIdent0, CraneIdent0, CharNumber0, LoadCycles0, WorkCycles0, MechanismTimes0, EngineHours0,
  LimiterIdent1, CraneIdent1, CharNumber1, LoadCycles1, WorkCycles1, MechanismTimes1, EngineHours1,
  UnitService1, LoadedTime, UnitService2,
};
inline constexpr int kLongTermRecordCount = 17;

class DumpBuilder {
 public:
  // Every long-term record zero and valid, every frame slot erased (all 0xFF, invalid), event
  // records erased, an empty valid trailer.
  DumpBuilder();

  DumpBuilder& Limiter(int bank, const LimiterIdent& ident);
  DumpBuilder& Crane(int bank, const CraneIdent& ident);
  DumpBuilder& CharNumber(int bank, float value);
  DumpBuilder& LoadCycles(int bank, int bin, std::uint32_t count);  // bin 1..15
  DumpBuilder& WorkCycles(int bank, int bin, std::uint32_t count);
  DumpBuilder& MechanismSeconds(int bank, int mechanism, std::int32_t seconds);  // 0..3
  DumpBuilder& PoweredMinutes(int bank, std::uint32_t minutes);
  DumpBuilder& LiftedWeight(int bank, std::int32_t hundredthsOfTonne);
  DumpBuilder& LoadedSeconds(std::int32_t seconds);
  // Sets a byte of the limiter identification in both banks (offset 12 is the version).
  DumpBuilder& RecorderVersion(std::int8_t version);
  DumpBuilder& Trailer(const dump::OperatorTrailer& trailer);

  DumpBuilder& Frame(std::int64_t n, const FrameFields& fields);
  DumpBuilder& FrameBytes(std::int64_t n, std::span<const std::uint8_t> bytes);
  // Raw event records; the last byte is closed as a checksum.
  DumpBuilder& OverloadRecord(std::int64_t k, std::span<const std::uint8_t> bytes);
  DumpBuilder& KdsRecord(std::int64_t k, std::span<const std::uint8_t> bytes);

  // Breaks a checksum by changing the record's last byte. Set fields before damaging: a later
  // setter closes the record again.
  DumpBuilder& Damage(LongTermRecord record);
  DumpBuilder& DamageFrame(std::int64_t n);
  DumpBuilder& Poke(std::int64_t offset, std::uint8_t value);

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  // Writes the whole file, or its first `size` bytes.
  void Write(const std::string& path) const;
  void WriteTruncated(const std::string& path, std::int64_t size) const;

 private:
  std::span<std::uint8_t> Span(std::int64_t offset, std::int64_t size);
  void Close(std::int64_t offset, std::int64_t size);
  void CloseBankRecord(int bank, std::int64_t recordOffset, std::int64_t recordSize);

  std::vector<std::uint8_t> bytes_;
};

}  // namespace vertal::testing
