#pragma once
// The processing unit's USB chip reached through libftdi1: the one place that talks to USB.

#include <chrono>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "link/core/UnitPort.h"

struct ftdi_context;

namespace vertal::link {

class FtdiPort final : public UnitPort {
 public:
  // The clock of the read deadline: the steady clock, or the bus clock of an emulated chip.
  using Clock = std::chrono::steady_clock;
  using ClockReading = Clock::time_point (*)();

  FtdiPort();
  explicit FtdiPort(ClockReading now) : now_(now) {}
  ~FtdiPort() override;
  FtdiPort(const FtdiPort&) = delete;
  FtdiPort& operator=(const FtdiPort&) = delete;

  // Looks for the description among the devices of FTDI's common chips; a unit already held
  // is released first.
  DriverStatus Open(std::string_view description) override;
  DriverStatus Reset() override;
  DriverStatus Purge() override;
  DriverStatus SetLatencyTimer(std::uint8_t milliseconds) override;
  // 0 waits without limit.
  DriverStatus SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs) override;
  Transfer Write(std::span<const std::uint8_t> bytes) override;
  Transfer Read(std::span<std::uint8_t> into) override;
  // The bytes already taken from the chip and not yet read, after one short read attempt.
  QueueStatus GetQueueStatus() override;
  DriverStatus Close() override;

 private:
  // Moves what the chip holds now into the receive queue; false when the transfer failed.
  bool FetchIntoQueue(int transferTimeoutMs);
  // The time limit of one bulk transfer for a read that may wait `ms` in all.
  int ReadTransferTimeout(std::uint32_t ms) const;
  std::uint32_t TakeFromQueue(std::span<std::uint8_t> into);

  ClockReading now_;
  ftdi_context* context_ = nullptr;
  bool open_ = false;
  std::uint32_t readTimeoutMs_ = 0;
  std::uint8_t latencyMs_ = 16;  // the chip's own default
  std::vector<std::uint8_t> receiveQueue_;
};

}  // namespace vertal::link
