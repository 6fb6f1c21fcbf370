// Writes a demo dump: a crane with its identification and lifetime counters, several weeks of
// recorded work in the operative memory, overload records and parameter exceedances. Options
// give other cranes of a fleet and later readings of the same crane.

#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string_view>

#include "common/core/ProgramVersion.h"
#include "support/DumpBuilder.h"
#include "tools/demo/DemoRecording.h"

namespace {

constexpr const char* kUsage =
    "Usage: vertal-demo-dump OUT.bin [--crane N] [--seed S] [--later-days D]\n"
    "Writes a demo dump of a simulated crane into OUT.bin.\n"
    "\n"
    "Options:\n"
    "  --crane N       another crane of the fleet (0 is the demo crane)\n"
    "  --seed S        another run of the simulated work\n"
    "  --later-days D  a later reading of the same crane, D days of work after the first\n"
    "  --help          print this help and exit\n"
    "  --version       print the version and exit\n";

template <typename T>
bool ParseNumber(const char* text, T& value) {
  const std::string_view s(text);
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  return error == std::errc{} && end == s.data() + s.size() && value >= 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && argv[1] == std::string_view("--help")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc == 2 && argv[1] == std::string_view("--version")) {
    const std::string_view version = vertal::ProgramVersion();
    std::printf("vertal-demo-dump %.*s\n", static_cast<int>(version.size()), version.data());
    return 0;
  }
  vertal::demo::DemoOptions options;
  const char* out = nullptr;
  bool ok = true;
  for (int i = 1; i < argc && ok; ++i) {
    const std::string_view arg(argv[i]);
    const bool hasValue = i + 1 < argc;
    if (arg == "--crane" && hasValue) ok = ParseNumber(argv[++i], options.crane);
    else if (arg == "--seed" && hasValue) ok = ParseNumber(argv[++i], options.seed);
    else if (arg == "--later-days" && hasValue) ok = ParseNumber(argv[++i], options.laterDays);
    else if (!arg.starts_with("-") && out == nullptr) out = argv[i];
    else ok = false;
  }
  if (!ok || out == nullptr) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    vertal::testing::DumpBuilder builder;
    vertal::demo::BuildDemo(builder, options);
    builder.Write(out);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vertal-demo-dump: %s\n", e.what());
    return 1;
  }
  return 0;
}
