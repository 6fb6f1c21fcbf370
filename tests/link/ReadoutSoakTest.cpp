// A short soak: every kind of mishap a readout meets, at random moments, and no outcome that
// loses a dump (scripts/soak.sh runs the long one).

#include <gtest/gtest.h>

#include "soak/ReadoutSoak.h"
#include "support/TempDir.h"

namespace vertal::soak {
namespace {

TEST(ReadoutSoak, NoRunLosesADump) {
  testing::TempDir dir;
  const std::string source = dir.File("unit.bin");
  WriteRandomSource(source, 7);
  const SoakFigures figures = RunReadoutSoak(source, dir.File("runs"), 14, 7);
  EXPECT_EQ(figures.runs, 14);
  EXPECT_EQ(figures.runsByKind.size(), 7u);
  EXPECT_EQ(figures.failures, 0);
  for (const std::string& note : figures.failureNotes) ADD_FAILURE() << note;
}

}  // namespace
}  // namespace vertal::soak
