#pragma once
// Finding the processing unit: the connection state shown in the status bar and whether the
// reconnection timer keeps trying.

#include <string>
#include <string_view>

#include "link/core/Link.h"
#include "link/core/UnitPort.h"

namespace vertal::link {

inline constexpr std::string_view kNotConnectedText = " Устройство не подключено";
inline constexpr std::string_view kConnectedText = " БОИ VERTAL подключен";
inline constexpr std::string_view kNoVersionText = " Не могу прочитать версию БОИ VERTAL";
inline constexpr int kReconnectIntervalMs = 1000;

struct ConnectionState {
  std::string statusText;   // for status panel 1
  bool timerOn = true;      // keep retrying once a second
  DriverStatus lastDriverStatus = kDriverDeviceNotFound;
  ReplyCode lastReplyCode = kReplyOk;  // of the version request, when the open succeeded
};

// Opens the unit by its description, asks for its version and tells the connection state;
// the link keeps the driver status and the version request's result.
ConnectionState ConnectUnit(Link& link);

// The same over a link of its own, for callers that keep no link between attempts.
ConnectionState ConnectUnit(UnitPort& port);

}  // namespace vertal::link
