#pragma once
// Byte layout of a 32-byte frame of the operative area.

#include <cstddef>
#include <cstdint>

#include "dump/core/DumpLayout.h"

namespace vertal::frames {

inline constexpr std::size_t kFrameSize = static_cast<std::size_t>(dump::kFrameSize);

inline constexpr std::size_t kFrameDate = 0;         // day, month, year (BCD)
inline constexpr std::size_t kFrameTime = 3;         // seconds, minutes, hours (BCD)
inline constexpr std::size_t kFrameAngle = 6;        // i16, 0.01 degree
inline constexpr std::size_t kFrameLength = 8;       // u16, 0.01 m
inline constexpr std::size_t kFrameRadius = 10;      // u16, 0.01 m
inline constexpr std::size_t kFramePressure = 12;    // i16, 0.1 kgf
inline constexpr std::size_t kFrameLoad = 14;        // i16, 0.01 t
inline constexpr std::size_t kFrameAzimuth = 16;     // u16, 0.1 degree
inline constexpr std::size_t kFrameWind = 18;        // u16, 0.01 m/s
inline constexpr std::size_t kFrameKos = 20;         // bit field
inline constexpr std::size_t kFrameTemperature = 21; // i8, degrees Celsius
inline constexpr std::size_t kFrameReeving = 22;     // u8
inline constexpr std::size_t kFrameMode = 23;        // u8
inline constexpr std::size_t kFrameLoadMoment = 24;  // u8, percent
inline constexpr std::size_t kFrameRelays = 25;      // bit field
inline constexpr std::size_t kFrameLimits = 26;      // bit field
inline constexpr std::size_t kFrameInputs1 = 27;     // bit field
inline constexpr std::size_t kFrameInputs2 = 28;
inline constexpr std::size_t kFrameInputs3 = 29;
inline constexpr std::size_t kFrameFaultCode = 30;   // u8
inline constexpr std::size_t kFrameChecksum = 31;
static_assert(kFrameChecksum + 1 == kFrameSize);

// Decimal places of the stored scaled values.
inline constexpr int kAngleDecimals = 2;
inline constexpr int kLengthDecimals = 2;
inline constexpr int kRadiusDecimals = 2;
inline constexpr int kPressureDecimals = 1;
inline constexpr int kLoadDecimals = 2;
inline constexpr int kAzimuthDecimals = 1;
inline constexpr int kWindDecimals = 2;

// Bits of the КОС byte.
inline constexpr std::uint8_t kKosInput = 0x80;        // р1
inline constexpr std::uint8_t kKosHeadlight2 = 0x40;   // р2
inline constexpr std::uint8_t kKosHeadlight1 = 0x20;   // р3
inline constexpr std::uint8_t kKosModeSelect = 0x10;   // р4
inline constexpr std::uint8_t kKosWorkMode = 0x08;     // р5: 0 tuning, 1 work
inline constexpr std::uint8_t kKosVoltageMask = 0x07;  // p6-p8

// Bits of the limits byte: entered in the high nibble, triggered in the low one.
inline constexpr std::uint8_t kLimitCeilingEntered = 0x80;
inline constexpr std::uint8_t kLimitWallEntered = 0x40;
inline constexpr std::uint8_t kLimitRightEntered = 0x20;
inline constexpr std::uint8_t kLimitLeftEntered = 0x10;
inline constexpr std::uint8_t kLimitCeilingTriggered = 0x08;
inline constexpr std::uint8_t kLimitWallTriggered = 0x04;
inline constexpr std::uint8_t kLimitRightTriggered = 0x02;
inline constexpr std::uint8_t kLimitLeftTriggered = 0x01;

// Fault codes with a meaning of their own.
inline constexpr std::uint8_t kFaultNone = 0;
inline constexpr std::uint8_t kFaultSwitchOn = 1;

}  // namespace vertal::frames
