#include "cli/Painting.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace vertal::cli {
namespace {

std::vector<std::string>& CommandLine() {
  static std::vector<std::string> line;
  return line;
}

// Where the painting program may be: the installed place first, then beside vertal-cli (a
// build folder).
std::vector<std::filesystem::path> PaintingCandidates() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const std::filesystem::path folder = self.parent_path();
  return {folder / VERTAL_PAINTING_PATH, folder / kPaintingProgram};
}

}  // namespace

void RememberCommandLine(int argc, const char* const* argv) {
  CommandLine().clear();
  for (int i = 0; i < argc && argv != nullptr && argv[i] != nullptr; ++i)
    CommandLine().emplace_back(argv[i]);
}

std::string HandOverToPainting() {
  std::vector<char*> argv;
  for (std::string& arg : CommandLine()) argv.push_back(arg.data());
  argv.push_back(nullptr);
  if (argv.size() < 2) return "no command line to hand over";
  std::cout.flush();
  std::cerr.flush();
  std::string why = std::string(kPaintingProgram) + " is not installed";
  for (const std::filesystem::path& program : PaintingCandidates()) {
    if (::access(program.c_str(), X_OK) != 0) continue;
    ::execv(program.c_str(), argv.data());
    why = program.string() + ": " + std::strerror(errno);
  }
  return why;
}

void CannotPaint(const std::string& why) {
  throw std::runtime_error("cannot start the painting program: " + why);
}

}  // namespace vertal::cli
