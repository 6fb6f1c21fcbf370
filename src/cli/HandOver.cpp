// vertal-cli's side of the painting commands: they run in the painting program, which takes
// this process's place with the same command line.

#include "cli/Commands.h"
#include "cli/Painting.h"

namespace vertal::cli {

CommandResult RunReport(const ReportOptions&) {
  CannotPaint(HandOverToPainting());
}

std::unique_ptr<FleetCards> MakeFleetCards(std::string, std::string& why) {
  why = HandOverToPainting();
  return nullptr;
}

std::unique_ptr<FleetReport> MakeFleetReport(std::string, std::string& why) {
  why = HandOverToPainting();
  return nullptr;
}

}  // namespace vertal::cli
