#pragma once
// SHA-256 of a byte stream: the fingerprint by which a recording is told apart from another and
// a copy is checked against its original.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vertal::recording {

inline constexpr std::size_t kSha256Size = 32;
inline constexpr std::size_t kSha256BlockSize = 64;
using Sha256Digest = std::array<std::uint8_t, kSha256Size>;
using Sha256State = std::array<std::uint32_t, 8>;

// Compresses whole 64-byte blocks into the state.
using Sha256Compress = void (*)(Sha256State& state, const std::uint8_t* blocks, std::size_t count);

// The plain implementation, and the one that uses the processor's SHA instructions where it has
// them (otherwise the plain one).
void Sha256CompressPlain(Sha256State& state, const std::uint8_t* blocks, std::size_t count);
Sha256Compress Sha256CompressFastest();

class Sha256 {
 public:
  explicit Sha256(Sha256Compress compress = Sha256CompressFastest());
  void Update(std::span<const std::uint8_t> bytes);
  // The digest of everything given so far; the object is spent afterwards.
  Sha256Digest Finish();

 private:
  Sha256Compress compress_;
  Sha256State state_;
  std::array<std::uint8_t, kSha256BlockSize> pending_{};
  std::size_t pendingSize_ = 0;
  std::uint64_t length_ = 0;
};

// Lower-case hexadecimal, 64 characters.
std::string DigestHex(const Sha256Digest& digest);

}  // namespace vertal::recording
