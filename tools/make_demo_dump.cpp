// Writes a demo dump: a crane with its identification and lifetime counters, several weeks of
// recorded work in the operative memory, overload records and parameter exceedances.

#include <cstdio>
#include <exception>

#include "support/DumpBuilder.h"
#include "tools/demo/DemoRecording.h"

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: vertal-demo-dump OUT.bin\n");
    return 2;
  }
  try {
    vertal::testing::DumpBuilder builder;
    vertal::demo::BuildDemo(builder);
    builder.Write(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vertal-demo-dump: %s\n", e.what());
    return 1;
  }
  return 0;
}
