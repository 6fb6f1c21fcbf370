#include "link/core/Connection.h"

namespace vertal::link {

ConnectionState ConnectUnit(UnitPort& port) {
  ConnectionState state;
  state.lastDriverStatus = port.Open(kUnitDescription);
  if (state.lastDriverStatus != kDriverOk) {
    state.statusText = std::string(kNotConnectedText);
    state.timerOn = true;
    return state;
  }
  // The version request over the open link belongs to the packet layer; until a port that
  // talks to a unit exists, an opened port that cannot be asked counts as not answering.
  state.statusText = std::string(kNoVersionText);
  state.timerOn = true;
  return state;
}

}  // namespace vertal::link
