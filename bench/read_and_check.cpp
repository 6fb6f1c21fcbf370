// The floor of a command-line run over a dump file: a process that opens FILE, reads the whole
// dump in the blocks a pass reads, tests the checksum of every 32-byte record and prints how
// many hold, with the same checksum test as the frame passes on the fastest vector path the
// processor runs. A command's whole-process time is compared with this one's, e.g.
//   /usr/bin/time -f %e vertal-bench-floor demo.bin; /usr/bin/time -f %e vertal-cli info demo.bin

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <vector>

#include "dump/core/WideChecksum.h"
#include "common/core/DumpFile.h"
#include "dump/core/DumpLayout.h"
#include "frames/core/FrameRecord.h"
#include "records/core/RecordPass.h"

int main(int argc, char** argv) {
  using namespace vertal;
  if (argc != 2) {
    std::cerr << "usage: vertal-bench-floor FILE\n";
    return 2;
  }
  const auto file = DumpFile::Open(argv[1]);
  if (!file) {
    std::cerr << "vertal-bench-floor: cannot open " << argv[1] << '\n';
    return 1;
  }
  constexpr std::size_t kRecord = frames::kFrameSize;
  const VectorPath path = FastestVectorPath();
  std::vector<std::uint8_t> block(static_cast<std::size_t>(records::kPassBlockRecords) * kRecord);
  std::int64_t valid = 0;
  const std::int64_t size = std::min<std::int64_t>(file->Size(), dump::kDumpFileSize);
  for (std::int64_t at = 0; at < size; at += static_cast<std::int64_t>(block.size())) {
    const auto n = static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(block.size()), size - at));
    file->ReadAt(at, std::span<std::uint8_t>(block.data(), n));
    valid += CountValidChecksums({block.data(), n}, path);
  }
  std::cout << valid << '\n';
  return 0;
}
