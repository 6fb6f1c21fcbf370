// Runs many simulated readouts with random mishaps and checks every outcome (see
// soak/ReadoutSoak.h). usage: vertal-readout-soak [RUNS] [SEED] [FOLDER]
// Prints the runs by kind and the failures found; exit status 1 when there were any.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "soak/ReadoutSoak.h"

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 1000;
  const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1);
  const std::filesystem::path folder =
      argc > 3 ? std::filesystem::path(argv[3])
               : std::filesystem::temp_directory_path() / "vertal-readout-soak";
  std::filesystem::create_directories(folder);
  const std::string source = (folder / "unit.bin").string();
  vertal::soak::WriteRandomSource(source, seed);
  const vertal::soak::SoakFigures figures =
      vertal::soak::RunReadoutSoak(source, (folder / "runs").string(), runs, seed);
  std::filesystem::remove_all(folder);

  std::cout << "runs " << figures.runs << ", failures " << figures.failures << '\n';
  for (const auto& [kind, count] : figures.runsByKind) std::cout << "  " << kind << ": " << count << '\n';
  for (const std::string& note : figures.failureNotes) std::cout << "  " << note << '\n';
  return figures.failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
