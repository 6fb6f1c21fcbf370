#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "link/core/Link.h"
#include "support/ScriptedPort.h"

namespace vertal::link {
namespace {

using testing::ScriptedPort;
using Bytes = std::vector<std::uint8_t>;

unsigned Sum(const Bytes& bytes) { return std::accumulate(bytes.begin(), bytes.end(), 0u) % 256; }

bool Called(const ScriptedPort& port, const std::string& call) {
  return std::find(port.calls.begin(), port.calls.end(), call) != port.calls.end();
}

struct RequestCase {
  const char* name;
  std::function<ReplyCode(Link&)> send;
  Bytes bytes;
  std::uint32_t replyLength;
  const char* timeouts;  // nullptr: the request sets none
};

TEST(LinkRequest, BytesReplyLengthAndTimeoutsOfEachRequest) {
  Bytes write104 = {0x80, 0x30, 0x68};
  write104.insert(write104.end(), 104, 0x11);
  write104.push_back(0xFF);
  const std::vector<RequestCase> cases = {
      {"version", [](Link& l) { return l.RequestVersion(); }, {0x80, 0x04, 0x7B}, 4,
       "timeouts 1000 32"},
      {"long-term block", [](Link& l) { return l.ReadLongTermBlock(0x4000, 16384); },
       {0x80, 0x18, 0x00, 0x40, 0x00, 0x40, 0xE7}, 16389, "timeouts 1000 100"},
      {"page 300", [](Link& l) { return l.ReadPage(300, 1056); },
       {0x80, 0x1A, 0x2C, 0x01, 0x38}, 1061, nullptr},
      {"crane ident read", [](Link& l) { return l.ReadCraneIdent(104); }, {0x80, 0x16, 0x69},
       108, "timeouts 1000 100"},
      {"crane ident write", [](Link& l) { return l.WriteCraneIdent(Bytes{1, 2, 3}); },
       {0x80, 0x30, 0x03, 1, 2, 3, 0x46}, 3, "timeouts 1000 100"},
      {"crane ident write of 104 bytes",
       [](Link& l) { return l.WriteCraneIdent(Bytes(104, 0x11)); }, write104, 3,
       "timeouts 1000 100"},
  };
  for (const auto& c : cases) {
    ScriptedPort port;
    Link link(port);
    c.send(link);
    ASSERT_EQ(port.written.size(), 1u) << c.name;
    EXPECT_EQ(port.written[0], c.bytes) << c.name;
    EXPECT_EQ(Sum(port.written[0]), 255u) << c.name;
    EXPECT_EQ(link.RequestLength(), c.bytes.size()) << c.name;
    EXPECT_EQ(link.ExpectedReplyLength(), c.replyLength) << c.name;
    const auto write = std::find(port.calls.begin(), port.calls.end(), "write");
    if (c.timeouts) {
      // The timeouts are set before the request goes out.
      ASSERT_NE(write, port.calls.begin()) << c.name;
      EXPECT_EQ(*(write - 1), c.timeouts) << c.name;
    } else {
      EXPECT_FALSE(std::any_of(port.calls.begin(), port.calls.end(),
                               [](const std::string& s) { return s.starts_with("timeouts"); }))
          << c.name;
    }
  }
}

TEST(LinkRequest, WriteTooLongForTheRequestBufferSendsNothing) {
  ScriptedPort port;
  Link link(port);
  EXPECT_EQ(link.WriteCraneIdent(Bytes(125, 0)), kReplyWriteFailed);
  EXPECT_TRUE(port.written.empty());
}

enum class Send { Version, Write3 };

struct TransactCase {
  const char* name;
  Send send;
  std::vector<Bytes> replies;
  ReplyCode expected;
  std::uint32_t bytesReceived;
  std::deque<DriverStatus> writeStatuses = {};
  std::deque<DriverStatus> readStatuses = {};
  std::optional<std::uint32_t> writeCount = {};
  DriverStatus lastDriverStatus = kDriverOk;
};

TEST(LinkTransact, ReplyCodeOfEachKindOfReply) {
  const std::vector<TransactCase> cases = {
      {"sound version reply", Send::Version, {{0x00, 0x44, 0x07, 0xB4}}, 0, 4},
      {"silent unit", Send::Version, {}, 32, 0},
      {"short reply", Send::Version, {{0x00, 0x44}}, 32, 2},
      {"one corrupted byte", Send::Version, {{0x00, 0x44, 0x08, 0xB4}}, 33, 4},
      {"wrong echo", Send::Version, {{0x00, 0x55, 0x07, 0xA3}}, 30, 4},
      {"error reply longer than the write's reply", Send::Write3, {{0x80, 0x7F, 0x05, 0xFB}}, 5,
       4},
      {"error reply as long as the expected reply", Send::Write3, {{0x80, 0x7F, 0x00}}, 30, 3},
      {"error reply with code byte 0", Send::Version, {{0x80, 0x7F, 0x00, 0x01, 0xFF}}, 0, 5},
      {"longer reply that is no error reply", Send::Version, {{0x00, 0x44, 0x07, 0x01, 0xB3}},
       30, 5},
      {"longer reply still damaged", Send::Version, {{0x00, 0x44, 0x08, 0xB4, 0x01}}, 35, 5},
      {"write refused by the driver", Send::Version, {{0x00, 0x44, 0x07, 0xB4}}, 31, 0, {4}, {},
       {}, 4},
      {"write cut short", Send::Version, {{0x00, 0x44, 0x07, 0xB4}}, 31, 0, {}, {}, 2},
      {"read refused by the driver", Send::Version, {{0x00, 0x44, 0x07, 0xB4}}, 32, 0, {}, {4},
       {}, 4},
      {"follow-up read refused", Send::Write3, {{0x80, 0x7F, 0x05, 0xFB}}, 34, 3, {},
       {kDriverOk, 4}, {}, 4},
  };
  for (const auto& c : cases) {
    ScriptedPort port;
    port.replies.assign(c.replies.begin(), c.replies.end());
    port.writeStatuses = c.writeStatuses;
    port.readStatuses = c.readStatuses;
    port.writeCount = c.writeCount;
    Link link(port);
    const ReplyCode code =
        c.send == Send::Version ? link.RequestVersion() : link.WriteCraneIdent(Bytes{1, 2, 3});
    EXPECT_EQ(code, c.expected) << c.name;
    EXPECT_EQ(link.BytesReceived(), c.bytesReceived) << c.name;
    EXPECT_EQ(link.LastDriverStatus(), c.lastDriverStatus) << c.name;
    EXPECT_EQ(Called(port, "purge"), c.expected != kReplyOk) << c.name;
  }
}

TEST(LinkTransact, ReplyDataAreKeptFromTheFirstByte) {
  ScriptedPort port;
  Bytes reply = {0x00, 0x56, 0x01, 0x02, 0x10, 0x20, 0x30, 0x00};
  reply.back() = static_cast<std::uint8_t>(255 - Sum(Bytes(reply.begin(), reply.end() - 1)));
  port.replies.push_back(reply);
  Link link(port);
  ASSERT_EQ(link.ReadCraneIdent(4), kReplyOk);
  EXPECT_EQ(Bytes(link.ReplyBuffer().begin(), link.ReplyBuffer().begin() + 8), reply);
}

TEST(LinkTransact, FollowUpBeyondTheReplyBufferIsNotReadAndFails) {
  // A full 16,384-byte block leaves one byte of room after its damaged reply.
  ScriptedPort port;
  Bytes reply(16389 + 10, 0x01);
  port.replies.push_back(reply);
  Link link(port);
  EXPECT_EQ(link.ReadLongTermBlock(0, 16384), kReplyFollowUpBadChecksum);
  EXPECT_EQ(port.calls.at(port.calls.size() - 3), "queue");
  EXPECT_EQ(port.calls.at(port.calls.size() - 2), "read 1");
  EXPECT_EQ(port.calls.back(), "purge");
  EXPECT_EQ(link.BytesReceived(), kReplyBufferSize);
  EXPECT_EQ(link.ReplyBuffer().size(), kReplyBufferSize);
}

TEST(LinkTransact, ReplyLongerThanTheBufferFailsTheFirstRead) {
  ScriptedPort port;
  port.replies.push_back(Bytes(16391, 0x01));
  Link link(port);
  EXPECT_EQ(link.ReadLongTermBlock(0, 16386), kReplyReadFailed);
  EXPECT_TRUE(Called(port, "read 16390"));
  EXPECT_EQ(link.BytesReceived(), kReplyBufferSize);
}

}  // namespace
}  // namespace vertal::link
