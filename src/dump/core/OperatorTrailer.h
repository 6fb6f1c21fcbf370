#pragma once
// The 134-byte trailer after the frames: the reading date and the operator's data.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "dump/core/DumpLayout.h"

namespace vertal::dump {

inline constexpr std::int64_t kTrailerDate = 0;  // day, month, year, BCD
inline constexpr std::int64_t kTrailerName = 3;
inline constexpr std::int64_t kTrailerNameSize = 40;
inline constexpr std::int64_t kTrailerOrg = 43;
inline constexpr std::int64_t kTrailerOrgSize = 40;
inline constexpr std::int64_t kTrailerCert = 83;
inline constexpr std::int64_t kTrailerCertSize = 10;
inline constexpr std::int64_t kTrailerOwner = 93;
inline constexpr std::int64_t kTrailerOwnerSize = 40;
inline constexpr std::int64_t kTrailerChecksum = 133;
static_assert(kTrailerChecksum + 1 == kTrailerSize);

using TrailerBytes = std::array<std::uint8_t, static_cast<std::size_t>(kTrailerSize)>;

struct OperatorTrailer {
  std::array<std::uint8_t, 3> date{};  // day, month, year as BCD bytes
  std::string name;                    // who read the information
  std::string organisation;
  std::string certificate;
  std::string owner;  // the crane's owner
};

OperatorTrailer ReadOperatorTrailer(std::span<const std::uint8_t, kTrailerSize> bytes);

// The trailer's bytes with its texts in Windows-1251 and its checksum closed.
TrailerBytes WriteOperatorTrailer(const OperatorTrailer& trailer);

}  // namespace vertal::dump
