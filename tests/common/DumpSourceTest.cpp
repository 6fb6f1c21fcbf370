// The bytes the open document holds read as the file itself does: a short file's missing bytes
// are zero and not counted, and the bytes stay as they were read when the file changes on disk.

#include <gtest/gtest.h>

#include <fstream>
#include <numeric>
#include <vector>

#include "common/core/DumpSource.h"
#include "support/TempDir.h"

namespace vertal {
namespace {

constexpr std::int64_t kLimit = 300'000;  // beyond one block of the held bytes

void WriteFile(const std::string& path, std::size_t size, std::uint8_t first) {
  std::vector<char> bytes(size);
  std::iota(bytes.begin(), bytes.end(), static_cast<char>(first));
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
}

TEST(DumpSource, HeldBytesReadAsTheFile) {
  testing::TempDir dir;
  const std::string path = dir.File("d.bin");
  WriteFile(path, 200'000, 1);
  const DumpSource byPath(path);
  const DumpSource held(path, HeldDump::Open(path, kLimit));
  struct Case {
    std::int64_t offset;
    std::size_t size;
  };
  for (const Case c : {Case{0, 16}, Case{131'060, 40}, Case{199'990, 32}, Case{250'000, 8},
                       Case{-4, 8}}) {
    std::vector<std::uint8_t> expected(c.size, 0xEE), got(c.size, 0xEE);
    const std::size_t expectedCount = byPath.Open()->ReadAt(c.offset, expected);
    std::size_t present = 0;
    const auto view = held.Open()->Read(c.offset, got, present);
    EXPECT_EQ(present, expectedCount) << c.offset;
    EXPECT_EQ(std::vector<std::uint8_t>(view.begin(), view.end()), expected) << c.offset;
  }
  EXPECT_EQ(held.Open()->Size(), 200'000);
}

TEST(DumpSource, HeldBytesStayAsReadWhenTheFileChanges) {
  testing::TempDir dir;
  const std::string path = dir.File("d.bin");
  WriteFile(path, 200'000, 1);
  const auto held = HeldDump::Open(path, kLimit);
  held->Complete();
  WriteFile(path, 10, 7);
  std::vector<std::uint8_t> block(4);
  EXPECT_EQ(DumpSource(path, held).Open()->ReadAt(150'000, block), 4u);
  EXPECT_EQ(block[0], static_cast<std::uint8_t>(1 + 150'000));
  EXPECT_FALSE(HeldDump::Open(dir.File("missing.bin"), kLimit));
  EXPECT_FALSE(HeldDump::Open(dir.Path().string(), kLimit));
}

}  // namespace
}  // namespace vertal
