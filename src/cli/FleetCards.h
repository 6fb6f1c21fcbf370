#pragma once
// The information card of each dump of a fleet run, written as a PDF beside the tables with
// the window's painter. Only in the painting program; cards are painted on the main thread.

#include <string>

#include "cli/PaintingApplication.h"
#include "cli/Painting.h"

namespace vertal::cli {

class PaintedFleetCards final : public FleetCards {
 public:
  explicit PaintedFleetCards(std::string outDir) : outDir_(std::move(outDir)) {}

  std::string Write(const fleet::FleetDump& dump) override;
  int Written() const override { return written_; }

 private:
  PaintingApplication application_;
  std::string outDir_;
  int written_ = 0;
};

}  // namespace vertal::cli
