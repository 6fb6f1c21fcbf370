#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "link/core/Connection.h"
#include "support/ScriptedPort.h"

namespace vertal::link {
namespace {

using testing::ScriptedPort;
using Calls = std::vector<std::string>;

struct ConnectCase {
  const char* name;
  DriverStatus openStatus;
  std::vector<ScriptedPort::Bytes> replies;
  std::string_view text;
  bool timerOn;
  ReplyCode lastReplyCode;
  Calls calls;
};

TEST(ConnectUnit, StatusTextTimerAndDriverCallsForEachUnitState) {
  const Calls opened = {"close", "open USB VERTAL", "reset", "purge", "latency 16",
                        "timeouts 1000 32", "write", "read 4"};
  const std::vector<ConnectCase> cases = {
      {"no unit", kDriverDeviceNotFound, {}, kNotConnectedText, true, kReplyOk,
       {"close", "open USB VERTAL"}},
      {"unit answers", kDriverOk, {{0x00, 0x44, 0x07, 0xB4}}, kConnectedText, false, kReplyOk,
       opened},
      {"unit silent", kDriverOk, {}, kNoVersionText, true, kReplyReadFailed, opened},
  };
  for (const auto& c : cases) {
    ScriptedPort port;
    port.openStatus = c.openStatus;
    port.replies.assign(c.replies.begin(), c.replies.end());
    Link link(port);
    const ConnectionState state = ConnectUnit(link);
    EXPECT_EQ(state.statusText, c.text) << c.name;
    EXPECT_EQ(state.timerOn, c.timerOn) << c.name;
    EXPECT_EQ(state.lastDriverStatus, c.openStatus) << c.name;
    EXPECT_EQ(link.LastDriverStatus(), c.openStatus) << c.name;
    EXPECT_EQ(link.LastReplyCode(), c.lastReplyCode) << c.name;
    EXPECT_EQ(state.lastReplyCode, c.lastReplyCode) << c.name;
    Calls expected = c.calls;
    if (c.lastReplyCode != kReplyOk) expected.push_back("purge");
    EXPECT_EQ(port.calls, expected) << c.name;
  }
}

TEST(ConnectUnit, MachineWithoutUnitKeepsTheTimerOn) {
  NoUnitPort port;
  const ConnectionState state = ConnectUnit(port);
  EXPECT_EQ(state.statusText, kNotConnectedText);
  EXPECT_TRUE(state.timerOn);
}

}  // namespace
}  // namespace vertal::link
