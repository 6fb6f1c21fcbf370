#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "dump/core/DumpLayout.h"
#include "dump/core/LongTermLayout.h"
#include "link/core/Link.h"
#include "link/core/SimulatedUnit.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::link {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::DumpBuilder;
using testing::TempDir;

constexpr std::int64_t kCraneIdentOffset = dump::kBankOffset[0] + dump::kCraneIdent.offset;

std::int64_t PageOffset(std::int64_t page) {
  return dump::kOperativeAreaOffset + page * dump::kPageSize;
}

// A dump whose banks hold different crane records and whose memory is not uniform where the
// tests look; written once for all tests.
struct SharedDump {
  TempDir dir;
  DumpBuilder builder;
  std::string path = dir.File("unit.bin");

  SharedDump() {
    testing::CraneIdent bank0;
    bank0.serial = 1234;
    bank0.model = "KS-45717";
    testing::CraneIdent bank1 = bank0;
    bank1.serial = 4321;
    builder.Crane(0, bank0).Crane(1, bank1);
    for (const std::int64_t at : {std::int64_t{20'000}, std::int64_t{32'767}, PageOffset(0) + 7,
                                  PageOffset(8'191), PageOffset(8'191) + 1'055})
      builder.Poke(at, static_cast<std::uint8_t>(at));
    builder.Write(path);
  }

  Bytes Slice(std::int64_t offset, std::int64_t size) const {
    const auto begin = builder.Bytes().begin() + offset;
    return {begin, begin + size};
  }
};

const SharedDump& Dump() {
  static const SharedDump dump;
  return dump;
}

Bytes ReplyBytes(const Link& link, std::size_t from, std::size_t size) {
  return Bytes(link.ReplyBuffer().begin() + static_cast<std::ptrdiff_t>(from),
               link.ReplyBuffer().begin() + static_cast<std::ptrdiff_t>(from + size));
}

TEST(SimulatedUnit, AnswersEachRequestWithTheDumpsBytes) {
  SimulatedUnit unit(Dump().path);
  Link link(unit);
  ASSERT_EQ(link.Open(), kDriverOk);
  EXPECT_EQ(link.RequestVersion(), kReplyOk);

  ASSERT_EQ(link.ReadCraneIdent(104), kReplyOk);
  EXPECT_EQ(ReplyBytes(link, 3, 104), Dump().Slice(kCraneIdentOffset, 104));

  for (const std::uint16_t address : std::initializer_list<std::uint16_t>{0, 16'384}) {
    ASSERT_EQ(link.ReadLongTermBlock(address, 16'384), kReplyOk) << address;
    EXPECT_EQ(ReplyBytes(link, 4, 16'384), Dump().Slice(address, 16'384)) << address;
  }
  for (const std::uint16_t page : std::initializer_list<std::uint16_t>{0, 4'096, 8'191}) {
    ASSERT_EQ(link.ReadPage(page, 1'056), kReplyOk) << page;
    EXPECT_EQ(ReplyBytes(link, 4, 1'056), Dump().Slice(PageOffset(page), 1'056)) << page;
  }
}

TEST(SimulatedUnit, RecordsTheIdentWriteWithoutChangingItsMemory) {
  SimulatedUnit unit(Dump().path);
  Link link(unit);
  ASSERT_EQ(link.Open(), kDriverOk);
  EXPECT_FALSE(unit.ReceivedIdent());

  const Bytes sent(104, 0x3C);
  ASSERT_EQ(link.WriteCraneIdent(sent), kReplyOk);
  EXPECT_EQ(unit.ReceivedIdent(), sent);

  ASSERT_EQ(link.ReadCraneIdent(104), kReplyOk);
  EXPECT_EQ(ReplyBytes(link, 3, 104), Dump().Slice(kCraneIdentOffset, 104));
}

TEST(SimulatedUnit, ShortDumpReadsAsZerosBeyondItsEnd) {
  TempDir dir;
  const std::string path = dir.File("short.bin");
  Dump().builder.WriteTruncated(path, PageOffset(0) + 100);
  SimulatedUnit unit(path);
  Link link(unit);
  ASSERT_EQ(link.Open(), kDriverOk);

  ASSERT_EQ(link.ReadPage(0, 1'056), kReplyOk);
  EXPECT_EQ(ReplyBytes(link, 4, 100), Dump().Slice(PageOffset(0), 100));
  EXPECT_EQ(ReplyBytes(link, 104, 956), Bytes(956, 0));
  ASSERT_EQ(link.ReadPage(8'191, 1'056), kReplyOk);
  EXPECT_EQ(ReplyBytes(link, 4, 1'056), Bytes(1'056, 0));
}

TEST(SimulatedUnit, OpensOnlyAsTheUnitItIs) {
  struct Case {
    const char* fault;
    const char* description;
    DriverStatus status;
  };
  const std::vector<Case> cases = {
      {nullptr, "USB VERTAL", kDriverOk},
      {nullptr, "USB SERIAL", kDriverDeviceNotFound},
      {"no-unit", "USB VERTAL", kDriverDeviceNotFound},
  };
  for (const auto& c : cases) {
    SimulatedUnit unit(Dump().path, c.fault ? *ParseFault(c.fault) : Fault{});
    EXPECT_EQ(unit.Open(c.description), c.status) << c.description;
  }
}

TEST(SimulatedUnit, EachFaultGivesTheReplyCodeOfAFailingUnit) {
  using Step = std::function<ReplyCode(Link&)>;
  const Step version = [](Link& l) { return l.RequestVersion(); };
  const Step ident = [](Link& l) { return l.ReadCraneIdent(104); };
  const auto page = [](std::uint16_t k) -> Step {
    return [k](Link& l) { return l.ReadPage(k, 1'056); };
  };
  struct Case {
    const char* fault;
    std::vector<std::pair<Step, ReplyCode>> steps;
  };
  const std::vector<Case> cases = {
      {"silent-ident", {{ident, 32}, {version, 0}, {page(0), 0}}},
      {"silent-from-page:5", {{page(4), 0}, {page(5), 32}, {page(6), 32}, {version, 32}}},
      {"corrupt-page:8191", {{page(8'190), 0}, {page(8'191), 33}, {page(8'191), 33}}},
      {"error-page:7:5", {{page(6), 0}, {page(7), 5}, {page(8), 0}}},
      {"error-page:7:200", {{page(7), 200}}},
      // An error reply whose code is 0 counts as success.
      {"error-page:7:0", {{page(7), 0}}},
  };
  for (const auto& c : cases) {
    SimulatedUnit unit(Dump().path, *ParseFault(c.fault));
    Link link(unit);
    ASSERT_EQ(link.Open(), kDriverOk) << c.fault;
    for (std::size_t i = 0; i < c.steps.size(); ++i)
      EXPECT_EQ(c.steps[i].first(link), c.steps[i].second) << c.fault << ", step " << i;
  }
}

TEST(ParseFault, ReadsTheFaultTextsAndRejectsOthers) {
  using Kind = Fault::Kind;
  const std::vector<std::pair<const char*, std::optional<Fault>>> cases = {
      {"no-unit", Fault{Kind::NoUnit}},
      {"silent-ident", Fault{Kind::SilentIdent}},
      {"silent-from-page:5000", Fault{Kind::SilentFromPage, 5000}},
      {"corrupt-page:0", Fault{Kind::CorruptPage, 0}},
      {"error-page:8191:255", Fault{Kind::ErrorPage, 8191, 255}},
      {"", std::nullopt},
      {"no-unit:1", std::nullopt},
      {"silent-from-page", std::nullopt},
      {"silent-from-page:", std::nullopt},
      {"corrupt-page:8192", std::nullopt},
      {"corrupt-page:-1", std::nullopt},
      {"corrupt-page:12x", std::nullopt},
      {"error-page:7", std::nullopt},
      {"error-page:7:256", std::nullopt},
      {"error-page:7:5:1", std::nullopt},
  };
  for (const auto& [text, fault] : cases) EXPECT_EQ(ParseFault(text), fault) << text;
}

}  // namespace
}  // namespace vertal::link
