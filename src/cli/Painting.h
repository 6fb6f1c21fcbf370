#pragma once
// The commands that paint (report and the fleet's cards) need Qt's GUI libraries, whose
// loading costs more than most commands take. They are built into a program of their own,
// vertal-cli-painting, which has every command of vertal-cli; vertal-cli hands a painting
// command over to it, so that every other command starts without those libraries.

#include <memory>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "fleet/core/FleetDump.h"

namespace vertal::cli {

// The name of the painting program, installed beside vertal-cli or in the private program
// folder (VERTAL_PAINTING_PATH, relative to vertal-cli's folder).
inline constexpr std::string_view kPaintingProgram = "vertal-cli-painting";

// The information card of each dump of a fleet run, written as a PDF beside the tables.
class FleetCards {
 public:
  virtual ~FleetCards() = default;
  // Writes the card of a dump that was read; what went wrong, or "" when it was written.
  virtual std::string Write(const fleet::FleetDump& dump) = 0;
  virtual int Written() const = 0;
};

// In the painting program: the cards. In vertal-cli: runs the painting program in place of
// this process and gives nothing, with `why`, only when it cannot be started.
std::unique_ptr<FleetCards> MakeFleetCards(std::string outDir, std::string& why);

// The fleet report, fleet.pdf, written after the tables from the histories of the run's files.
class FleetReport {
 public:
  virtual ~FleetReport() = default;
  // Reads the cranes' histories from `files` on `jobs` threads and writes the report; what went
  // wrong, or "" when it was written.
  virtual std::string Write(const std::vector<std::string>& files, unsigned jobs) = 0;
  virtual int Pages() const = 0;
  virtual const std::string& Path() const = 0;
};

// As MakeFleetCards: the report in the painting program; vertal-cli hands over instead.
std::unique_ptr<FleetReport> MakeFleetReport(std::string outDir, std::string& why);

// Kept by RunCli: the command line that a painting command hands over.
void RememberCommandLine(int argc, const char* const* argv);
// Runs the painting program in place of this process with the remembered command line.
// Returns only when it cannot be started, with what went wrong.
std::string HandOverToPainting();
// A painting command whose painting program could not be started: a fault of the
// installation, thrown to end as an internal error (exit status 3, nothing printed).
[[noreturn]] void CannotPaint(const std::string& why);

}  // namespace vertal::cli
