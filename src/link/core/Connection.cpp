#include "link/core/Connection.h"

namespace vertal::link {

ConnectionState ConnectUnit(Link& link) {
  ConnectionState state;
  state.lastDriverStatus = link.Open();
  if (state.lastDriverStatus != kDriverOk) {
    state.statusText = std::string(kNotConnectedText);
    state.timerOn = true;
    return state;
  }
  UnitPort& port = link.Port();
  port.Reset();
  port.Purge();
  port.SetLatencyTimer(kLatencyTimerMs);

  link.RecordReplyCode(link.RequestVersion());
  state.lastReplyCode = link.LastReplyCode();
  state.lastDriverStatus = link.LastDriverStatus();
  const bool answered = state.lastReplyCode == kReplyOk;
  state.statusText = std::string(answered ? kConnectedText : kNoVersionText);
  state.timerOn = !answered;
  return state;
}

ConnectionState ConnectUnit(UnitPort& port) {
  Link link(port);
  return ConnectUnit(link);
}

}  // namespace vertal::link
