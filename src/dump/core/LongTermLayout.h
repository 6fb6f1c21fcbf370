#pragma once
// Byte layout of the long-term area: two banks of identification and counter records, the
// processing unit's service records and the two regions of event records.

#include <cstdint>

namespace vertal::dump {

struct RecordPlace {
  std::int64_t offset;
  std::int64_t size;
};

inline constexpr std::int64_t kBankSize = 332;
inline constexpr std::int64_t kBankOffset[2] = {0, kBankSize};

// Records of a bank, offsets within the bank; each ends in its checksum byte.
inline constexpr RecordPlace kLimiterIdent{0, 94};
inline constexpr RecordPlace kCraneIdent{94, 104};
inline constexpr RecordPlace kCharNumber{198, 5};
inline constexpr RecordPlace kLoadCycles{203, 50};
inline constexpr RecordPlace kWorkCycles{253, 46};
inline constexpr RecordPlace kMechanismTimes{299, 17};
inline constexpr RecordPlace kEngineHours{316, 4};
inline constexpr std::int64_t kLiftedWeight = 320;  // i32 hundredths of a tonne, no checksum

// Service records of the processing unit, dump offsets.
inline constexpr RecordPlace kUnitService1{1781, 8};
inline constexpr RecordPlace kLoadedTime{1789, 5};  // i32 seconds, then the checksum
inline constexpr RecordPlace kUnitService2{1794, 5};

// Fields of the limiter identification.
inline constexpr std::int64_t kLimSerial = 0;
inline constexpr std::int64_t kLimSerialSize = 8;
inline constexpr std::int64_t kLimModification = 8;
inline constexpr std::int64_t kLimChange = 9;
inline constexpr std::int64_t kLimTablesVersion = 10;
inline constexpr std::int64_t kLimProgramSub = 11;
inline constexpr std::int64_t kLimRecorderVersion = 12;
inline constexpr std::int64_t kLimMaker = 13;
inline constexpr std::int64_t kLimMakerSize = 20;

// Fields of the crane identification.
inline constexpr std::int64_t kCraneSerial = 0;
inline constexpr std::int64_t kCraneYear = 2;
inline constexpr std::int64_t kCraneGroup = 4;
inline constexpr std::int64_t kCraneModel = 5;
inline constexpr std::int64_t kCraneModelSize = 15;
inline constexpr std::int64_t kCraneInstallDate = 20;
inline constexpr std::int64_t kCraneMaker = 23;
inline constexpr std::int64_t kCraneMakerSize = 40;
inline constexpr std::int64_t kCraneCommissioning = 63;
inline constexpr std::int64_t kCraneCommissioningSize = 40;

// The `RecorderVersion` byte, dump offset.
inline constexpr std::int64_t kRecorderVersionOffset = kLimiterIdent.offset + kLimRecorderVersion;

inline constexpr int kLoadBinCount = 15;
inline constexpr int kMechanismCount = 4;
inline constexpr std::int64_t kCounterSize = 3;

// Records whose fields fill them up to their checksum byte.
static_assert(kWorkCycles.size == kLoadBinCount * kCounterSize + 1);
static_assert(kMechanismTimes.size == kMechanismCount * 4 + 1);
static_assert(kCraneIdent.size == kCraneCommissioning + kCraneCommissioningSize + 1);
static_assert(kLimMaker + kLimMakerSize < kLimiterIdent.size);
static_assert(kLoadedTime.size == 4 + 1);

}  // namespace vertal::dump
