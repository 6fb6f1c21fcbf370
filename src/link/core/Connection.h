#pragma once
// Finding the processing unit: the connection state shown in the status bar and whether the
// reconnection timer keeps trying.

#include <string>
#include <string_view>

#include "link/core/UnitPort.h"

namespace vertal::link {

inline constexpr std::string_view kUnitDescription = "USB VERTAL";
inline constexpr std::string_view kNotConnectedText = " Устройство не подключено";
inline constexpr std::string_view kConnectedText = " БОИ VERTAL подключен";
inline constexpr std::string_view kNoVersionText = " Не могу прочитать версию БОИ VERTAL";
inline constexpr int kReconnectIntervalMs = 1000;

struct ConnectionState {
  std::string statusText;   // for status panel 1
  bool timerOn = true;      // keep retrying once a second
  DriverStatus lastDriverStatus = kDriverDeviceNotFound;
};

// Opens the unit by its description and tells the connection state.
ConnectionState ConnectUnit(UnitPort& port);

}  // namespace vertal::link
