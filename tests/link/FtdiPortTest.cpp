#include "link/ftdi/FtdiPort.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace vertal::link {
namespace {

// These run on machines without a processing unit attached.

TEST(FtdiPortTest, OpenWithoutUnitFindsNoDevice) {
  FtdiPort port;
  EXPECT_EQ(port.Open("USB VERTAL"), kDriverDeviceNotFound);
  EXPECT_EQ(port.Open("USB VERTAL"), kDriverDeviceNotFound);
}

TEST(FtdiPortTest, CallsNeedAnOpenUnit) {
  FtdiPort port;
  port.Open("USB VERTAL");
  std::array<std::uint8_t, 4> bytes{0x80, 0x04, 0x7B, 0x00};
  EXPECT_EQ(port.Reset(), kDriverInvalidHandle);
  EXPECT_EQ(port.Purge(), kDriverInvalidHandle);
  EXPECT_EQ(port.SetLatencyTimer(16), kDriverInvalidHandle);
  EXPECT_EQ(port.SetTimeouts(1000, 100), kDriverInvalidHandle);
  EXPECT_EQ(port.Write(bytes).status, kDriverInvalidHandle);
  const Transfer read = port.Read(bytes);
  EXPECT_EQ(read.status, kDriverInvalidHandle);
  EXPECT_EQ(read.count, 0u);
  EXPECT_EQ(port.GetQueueStatus().status, kDriverInvalidHandle);
}

TEST(FtdiPortTest, CloseIsHarmlessWhenNothingIsOpen) {
  FtdiPort never;
  EXPECT_EQ(never.Close(), kDriverOk);
  FtdiPort failed;
  failed.Open("USB VERTAL");
  EXPECT_EQ(failed.Close(), kDriverOk);
  EXPECT_EQ(failed.Close(), kDriverOk);
}

}  // namespace
}  // namespace vertal::link
