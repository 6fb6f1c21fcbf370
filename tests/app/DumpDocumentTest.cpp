// The open file: which file is current after each command, and which search results a table
// command may use.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/core/DumpDocument.h"
#include "app/core/TableInputs.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

namespace vertal::app {
namespace {

using link::ReadoutEnd;
using testing::DumpBuilder;
using testing::FakeHost;
using testing::TempDir;

link::ReadoutResult Readout(ReadoutEnd end, std::string chosen = "/data/new.bin") {
  link::ReadoutResult result;
  result.end = end;
  result.chosenPath = chosen;
  if (end == ReadoutEnd::Done) result.writtenPath = chosen;
  return result;
}

TEST(DumpDocument, AReadoutLeavesTheFileThatItsEndCallsFor) {
  struct Case {
    const char* name;
    bool toolButton;  // the tool button forgets the current file first
    link::ReadoutResult result;
    std::string current;
    bool toOpen;
  };
  const std::vector<Case> cases = {
      {"menu, done", false, Readout(ReadoutEnd::Done), "/data/new.bin", true},
      {"button, done", true, Readout(ReadoutEnd::Done), "/data/new.bin", true},
      {"menu, no unit", false, Readout(ReadoutEnd::NoUnit, ""), "/data/old.bin", false},
      {"button, no unit", true, Readout(ReadoutEnd::NoUnit, ""), "", false},
      {"menu, pages failed", false, Readout(ReadoutEnd::PageFailed), "", false},
      {"button, write failed", true, Readout(ReadoutEnd::WriteFailed), "", false},
      {"menu, long-term failed", false, Readout(ReadoutEnd::LongTermFailed), "", false},
      {"menu, file not created", false, Readout(ReadoutEnd::FileNotCreated), "/data/new.bin", true},
      {"menu, save cancelled", false, Readout(ReadoutEnd::FileNotCreated, ""), "", false},
  };
  for (const Case& c : cases) {
    DumpDocument document;
    document.Choose("/data/old.bin");
    if (c.toolButton) document.Forget();
    EXPECT_EQ(document.ReadoutEnded(c.result), c.toOpen) << c.name;
    EXPECT_EQ(document.Path(), c.current) << c.name;
  }
}

TEST(DumpDocument, AnUnreadableFileStaysCurrentAndTableCommandsSaySo) {
  TempDir dir;
  FakeHost host;
  DumpDocument document;
  document.Choose(dir.File("missing.bin"));
  document.Opened(OpenDump(document.ReadCurrentFile(), host, "."));
  EXPECT_EQ(document.Path(), dir.File("missing.bin"));
  EXPECT_FALSE(document.Opened());
  host.messages.clear();
  EXPECT_FALSE(GatherTableInputs({}, document, {}, host));
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST(DumpDocument, TableCommandsSearchOnlyWhenTheLastSearchBelongsToAnotherFile) {
  TempDir dir;
  FakeHost host;
  DumpBuilder b;
  b.OverloadRecord(7, testing::EncodeOverload(125, {0x12, 0x09, 0x08}));
  const std::string first = dir.File("first.bin"), second = dir.File("second.bin");
  b.Write(first);
  DumpBuilder().Write(second);

  DumpDocument document;
  const auto open = [&](const std::string& path) {
    document.Choose(path);
    document.Opened(OpenDump(document.ReadCurrentFile(), host, "."));
  };
  open(first);
  const TableNeeds overloads{true, false};
  auto inputs = GatherTableInputs(overloads, document, {}, host);
  ASSERT_TRUE(inputs);
  EXPECT_EQ(inputs->overloadRecords, std::vector<std::int64_t>{7});
  EXPECT_EQ(document.OverloadRecords(), std::vector<std::int64_t>{7});
  const std::string summary = document.LastOverloadSearch().summary;
  EXPECT_FALSE(summary.empty());

  // Another file: the records of the first are not used, the summary stays on the page.
  open(second);
  EXPECT_FALSE(document.OverloadRecords());
  EXPECT_EQ(GatherTableInputs({}, document, {}, host)->card.overloadSummary, summary);
  inputs = GatherTableInputs(overloads, document, {}, host);
  ASSERT_TRUE(inputs);
  EXPECT_TRUE(inputs->overloadRecords.empty());

  // Fields the search refuses refuse the command.
  TableFields bad;
  bad.overloads.threshold = "x";
  open(first);
  EXPECT_FALSE(GatherTableInputs(overloads, document, bad, host));

  // The commands read the bytes opening read, not the file as it is on disk now.
  std::filesystem::remove(first);
  host.messages.clear();
  inputs = GatherTableInputs(overloads, document, {}, host);
  ASSERT_TRUE(inputs);
  EXPECT_EQ(inputs->overloadRecords, std::vector<std::int64_t>{7});
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace vertal::app
