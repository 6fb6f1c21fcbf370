// vertal-cli: the analysis of the window for scripts and batch jobs, printed as JSON.

#include <iostream>

#include "cli/Commands.h"
#include "cli/DecimalSeparator.h"
#include "common/core/ProgramVersion.h"

int main(int argc, char** argv) {
  vertal::cli::AdoptUserLocale();
  return vertal::cli::RunCli(argc, argv, std::cout, std::cerr, vertal::ProgramVersion());
}
