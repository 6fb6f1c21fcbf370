// Writes a benchmark dump for timing the tools by hand, e.g.
//   vertal-bench-dump all-lists /tmp/all-lists.bin && /usr/bin/time -v vertal-cli scan /tmp/all-lists.bin
// Kinds: all-lists (every list at its longest).

#include <iostream>
#include <string_view>

#include "BenchSupport.h"

int main(int argc, char** argv) {
  if (argc != 3 || std::string_view(argv[1]) != "all-lists") {
    std::cerr << "usage: vertal-bench-dump all-lists OUT.bin\n";
    return 2;
  }
  vertal::bench::WriteAllListsDump(argv[2]);
  return 0;
}
