#include "recording/core/Sha256.h"

#include <algorithm>
#include <bit>

#if defined(__x86_64__)
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace vertal::recording {
namespace {

constexpr std::array<std::uint32_t, 64> kRound = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

constexpr Sha256State kInitial = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                  0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

constexpr std::size_t kLengthBytes = 8;
constexpr std::uint8_t kPadMark = 0x80;
constexpr unsigned kBitsPerByte = 8;

std::uint32_t Load32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 |
         std::uint32_t{p[3]};
}

#if defined(__x86_64__)
// The SHA extensions work on the state as the pairs ABEF and CDGH, four message words at a time.
__attribute__((target("sha,sse4.1,ssse3"))) void CompressSha(Sha256State& state,
                                                             const std::uint8_t* blocks,
                                                             std::size_t count) {
  const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bLL, 0x0405060700010203LL);
  __m128i tmp = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&state[0]));
  __m128i state1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&state[4]));
  tmp = _mm_shuffle_epi32(tmp, 0xB1);
  state1 = _mm_shuffle_epi32(state1, 0x1B);
  __m128i state0 = _mm_alignr_epi8(tmp, state1, 8);
  state1 = _mm_blend_epi16(state1, tmp, 0xF0);

  for (std::size_t b = 0; b < count; ++b) {
    const std::uint8_t* data = blocks + b * kSha256BlockSize;
    const __m128i abefSaved = state0;
    const __m128i cdghSaved = state1;
    __m128i w[4];
#pragma GCC unroll 16
    for (int j = 0; j < 16; ++j) {
      __m128i word;
      if (j < 4) {
        word = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * j)),
                                byteSwap);
      } else {
        word = _mm_sha256msg1_epu32(w[(j - 4) & 3], w[(j - 3) & 3]);
        word = _mm_add_epi32(word, _mm_alignr_epi8(w[(j - 1) & 3], w[(j - 2) & 3], 4));
        word = _mm_sha256msg2_epu32(word, w[(j - 1) & 3]);
      }
      w[j & 3] = word;
      __m128i msg = _mm_add_epi32(
          word, _mm_loadu_si128(reinterpret_cast<const __m128i*>(&kRound[static_cast<std::size_t>(4 * j)])));
      state1 = _mm_sha256rnds2_epu32(state1, state0, msg);
      msg = _mm_shuffle_epi32(msg, 0x0E);
      state0 = _mm_sha256rnds2_epu32(state0, state1, msg);
    }
    state0 = _mm_add_epi32(state0, abefSaved);
    state1 = _mm_add_epi32(state1, cdghSaved);
  }

  tmp = _mm_shuffle_epi32(state0, 0x1B);
  state1 = _mm_shuffle_epi32(state1, 0xB1);
  state0 = _mm_blend_epi16(tmp, state1, 0xF0);
  state1 = _mm_alignr_epi8(state1, tmp, 8);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[0]), state0);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[4]), state1);
}

bool HasShaInstructions() {
  constexpr unsigned kLeafFeatures = 1, kLeafExtended = 7;
  constexpr unsigned kSse41 = 1u << 19, kSsse3 = 1u << 9, kSha = 1u << 29;
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(kLeafFeatures, &a, &b, &c, &d)) return false;
  if ((c & kSse41) == 0 || (c & kSsse3) == 0) return false;
  if (!__get_cpuid_count(kLeafExtended, 0, &a, &b, &c, &d)) return false;
  return (b & kSha) != 0;
}
#endif

}  // namespace

void Sha256CompressPlain(Sha256State& state, const std::uint8_t* blocks, std::size_t count) {
  std::array<std::uint32_t, 64> w{};
  for (std::size_t b = 0; b < count; ++b) {
    const std::uint8_t* data = blocks + b * kSha256BlockSize;
    for (std::size_t t = 0; t < 16; ++t) w[t] = Load32(data + 4 * t);
    for (std::size_t t = 16; t < 64; ++t) {
      const std::uint32_t s0 = std::rotr(w[t - 15], 7) ^ std::rotr(w[t - 15], 18) ^ (w[t - 15] >> 3);
      const std::uint32_t s1 = std::rotr(w[t - 2], 17) ^ std::rotr(w[t - 2], 19) ^ (w[t - 2] >> 10);
      w[t] = w[t - 16] + s0 + w[t - 7] + s1;
    }
    auto [a, bb, c, d, e, f, g, h] = state;
    for (std::size_t t = 0; t < 64; ++t) {
      const std::uint32_t s1 = std::rotr(e, 6) ^ std::rotr(e, 11) ^ std::rotr(e, 25);
      const std::uint32_t choose = (e & f) ^ (~e & g);
      const std::uint32_t t1 = h + s1 + choose + kRound[t] + w[t];
      const std::uint32_t s0 = std::rotr(a, 2) ^ std::rotr(a, 13) ^ std::rotr(a, 22);
      const std::uint32_t majority = (a & bb) ^ (a & c) ^ (bb & c);
      h = g;
      g = f;
      f = e;
      e = d + t1;
      d = c;
      c = bb;
      bb = a;
      a = t1 + s0 + majority;
    }
    state[0] += a;
    state[1] += bb;
    state[2] += c;
    state[3] += d;
    state[4] += e;
    state[5] += f;
    state[6] += g;
    state[7] += h;
  }
}

Sha256Compress Sha256CompressFastest() {
#if defined(__x86_64__)
  static const bool hasSha = HasShaInstructions();
  if (hasSha) return CompressSha;
#endif
  return Sha256CompressPlain;
}

Sha256::Sha256(Sha256Compress compress) : compress_(compress), state_(kInitial) {}

void Sha256::Update(std::span<const std::uint8_t> bytes) {
  length_ += bytes.size();
  if (pendingSize_ > 0) {
    const std::size_t take = std::min(kSha256BlockSize - pendingSize_, bytes.size());
    std::copy_n(bytes.begin(), take, pending_.begin() + static_cast<std::ptrdiff_t>(pendingSize_));
    pendingSize_ += take;
    bytes = bytes.subspan(take);
    if (pendingSize_ < kSha256BlockSize) return;
    compress_(state_, pending_.data(), 1);
    pendingSize_ = 0;
  }
  const std::size_t whole = bytes.size() / kSha256BlockSize;
  if (whole > 0) compress_(state_, bytes.data(), whole);
  bytes = bytes.subspan(whole * kSha256BlockSize);
  std::copy(bytes.begin(), bytes.end(), pending_.begin());
  pendingSize_ = bytes.size();
}

Sha256Digest Sha256::Finish() {
  const std::uint64_t bits = length_ * kBitsPerByte;
  std::array<std::uint8_t, 2 * kSha256BlockSize> tail{};
  std::copy_n(pending_.begin(), pendingSize_, tail.begin());
  tail[pendingSize_] = kPadMark;
  const std::size_t tailSize =
      pendingSize_ + 1 + kLengthBytes <= kSha256BlockSize ? kSha256BlockSize : 2 * kSha256BlockSize;
  for (std::size_t i = 0; i < kLengthBytes; ++i)
    tail[tailSize - 1 - i] = static_cast<std::uint8_t>(bits >> (kBitsPerByte * i));
  compress_(state_, tail.data(), tailSize / kSha256BlockSize);

  Sha256Digest digest{};
  for (std::size_t i = 0; i < state_.size(); ++i)
    for (std::size_t k = 0; k < 4; ++k)
      digest[4 * i + k] = static_cast<std::uint8_t>(state_[i] >> (kBitsPerByte * (3 - k)));
  return digest;
}

std::string DigestHex(const Sha256Digest& digest) {
  constexpr char kDigits[] = "0123456789abcdef";
  constexpr unsigned kNibble = 4, kLowNibble = 0x0F;
  std::string text;
  text.reserve(2 * digest.size());
  for (const std::uint8_t b : digest) {
    text.push_back(kDigits[b >> kNibble]);
    text.push_back(kDigits[b & kLowNibble]);
  }
  return text;
}

}  // namespace vertal::recording
