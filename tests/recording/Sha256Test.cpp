#include <gtest/gtest.h>

#include <numeric>
#include <string_view>
#include <vector>

#include "recording/core/Sha256.h"

namespace vertal::recording {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string Hex(std::span<const std::uint8_t> bytes, Sha256Compress compress,
                std::size_t piece = SIZE_MAX) {
  Sha256 sha(compress);
  while (!bytes.empty()) {
    const std::size_t take = std::min(piece, bytes.size());
    sha.Update(bytes.first(take));
    bytes = bytes.subspan(take);
  }
  return DigestHex(sha.Finish());
}

TEST(Sha256, StandardVectorsWithEitherImplementationAndInPieces) {
  const struct {
    std::string_view input, digest;
  } kVectors[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
  };
  for (const Sha256Compress compress : {Sha256CompressPlain, Sha256CompressFastest()}) {
    for (const auto& v : kVectors) {
      EXPECT_EQ(Hex(Bytes(v.input), compress), v.digest) << v.input;
      EXPECT_EQ(Hex(Bytes(v.input), compress, 7), v.digest) << v.input;
    }
  }
}

TEST(Sha256, BothImplementationsAgreeOnLongInput) {
  std::vector<std::uint8_t> bytes(100'003);
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
  EXPECT_EQ(Hex(bytes, Sha256CompressPlain, 4'097), Hex(bytes, Sha256CompressFastest(), 65));
}

}  // namespace
}  // namespace vertal::recording
