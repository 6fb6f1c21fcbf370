#pragma once
// The information card of each dump of a fleet run, written as a PDF beside the tables with
// the window's painter. Only in a build with the window; cards are painted on the main thread.

#include <string>

#include "cli/PaintingApplication.h"
#include "fleet/core/FleetDump.h"

namespace vertal::cli {

class FleetCards {
 public:
  explicit FleetCards(std::string outDir) : outDir_(std::move(outDir)) {}

  // Writes the card of a dump that was read; what went wrong, or "" when it was written.
  std::string Write(const fleet::FleetDump& dump);
  int Written() const { return written_; }

 private:
  PaintingApplication application_;
  std::string outDir_;
  int written_ = 0;
};

}  // namespace vertal::cli
