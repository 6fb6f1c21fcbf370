#pragma once
// A 32-byte frame: its fields, its validity and the text in which each field is shown.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/core/ByteBounds.h"
#include "dump/core/Checksum.h"
#include "frames/core/BcdDateTime.h"
#include "frames/core/FrameLayout.h"
#include "records/core/RecordMark.h"

namespace vertal::frames {

using FrameBytes = std::span<const std::uint8_t, kFrameSize>;

struct FrameRecord {
  explicit FrameRecord(FrameBytes bytes) : raw(bytes) {}
  // A record only views its bytes: they must outlive it.
  explicit FrameRecord(std::array<std::uint8_t, kFrameSize>&&) = delete;

  Bcd3 Date() const { return raw.subspan<kFrameDate, 3>(); }
  Bcd3 Time() const { return raw.subspan<kFrameTime, 3>(); }
  std::int16_t Angle() const;
  std::uint16_t Length() const;
  std::uint16_t Radius() const;
  std::int16_t Pressure() const;
  std::int16_t Load() const;
  std::uint16_t Azimuth() const;
  std::uint16_t Wind() const;
  std::uint8_t Kos() const { return raw[kFrameKos]; }
  std::int8_t Temperature() const;
  std::uint8_t Reeving() const { return raw[kFrameReeving]; }
  std::uint8_t Mode() const { return raw[kFrameMode]; }
  std::uint8_t LoadMoment() const { return raw[kFrameLoadMoment]; }
  std::uint8_t Relays() const { return raw[kFrameRelays]; }
  std::uint8_t Limits() const { return raw[kFrameLimits]; }
  std::uint8_t Inputs1() const { return raw[kFrameInputs1]; }
  std::uint8_t Inputs2() const { return raw[kFrameInputs2]; }
  std::uint8_t Inputs3() const { return raw[kFrameInputs3]; }
  std::uint8_t FaultCode() const { return raw[kFrameFaultCode]; }

  FrameBytes raw;
};

// The bounds of BcdDateValid and BcdTimeValid for the head of a frame, where its date and
// time lie, so that a pass tests all six bytes at once.
inline constexpr ByteBounds kFrameHeadBounds = [] {
  static_assert(kFrameTime + 3 <= kBoundedBytes);
  ByteBounds b;
  b.low[kFrameDate] = kBcdMinDay;
  b.high[kFrameDate] = kBcdMaxDay;
  b.low[kFrameDate + 1] = kBcdMinMonth;
  b.high[kFrameDate + 1] = kBcdMaxMonth;
  b.high[kFrameDate + 2] = kBcdMaxYear;
  b.high[kFrameTime] = kBcdMaxSeconds;
  b.high[kFrameTime + 1] = kBcdMaxMinutes;
  b.high[kFrameTime + 2] = kBcdMaxHours;
  return b;
}();

// Checksum, date and time all hold. Inline: every pass over the frames tests every frame.
inline bool FrameValid(FrameBytes frame) {
  return ChecksumValid(frame) && BytesWithin(frame.first<kBoundedBytes>(), kFrameHeadBounds);
}

// The frames' rule for passes over the operative area.
struct FrameRule {
  static constexpr std::size_t kSize = kFrameSize;
  static constexpr dump::RecordFamily kFamily = dump::kFrames;
  static bool Valid(FrameBytes frame) { return FrameValid(frame); }
};

// The shown fields of a frame, in the order of the frame table's rows 1 to 19.
enum class FrameField {
  Date, Time, Angle, Length, Radius, Pressure, Load, Azimuth, Wind, Kos, Temperature,
  ReevingMode, LoadMoment, Relays, Limits, Inputs1, Inputs2, Inputs3, FaultCode,
};
inline constexpr std::size_t kFrameFieldCount = static_cast<std::size_t>(FrameField::FaultCode) + 1;

std::string FrameFieldText(const FrameRecord& frame, FrameField field,
                           std::string_view decimalSeparator);

std::array<std::string, kFrameFieldCount> FrameFieldTexts(FrameBytes frame,
                                                          std::string_view decimalSeparator);

}  // namespace vertal::frames
