#pragma once
// The USB driver of the processing unit, in the shape of the calls the link relies on.
// Statuses follow the driver: 0 is success.

#include <cstdint>
#include <span>
#include <string_view>

namespace vertal::link {

using DriverStatus = std::uint32_t;
inline constexpr DriverStatus kDriverOk = 0;
inline constexpr DriverStatus kDriverInvalidHandle = 1;
inline constexpr DriverStatus kDriverDeviceNotFound = 2;
// A unit that was found but could not be opened (busy, or no access rights).
inline constexpr DriverStatus kDriverDeviceNotOpened = 3;
// A transfer or a setting that the open unit refused or did not complete.
inline constexpr DriverStatus kDriverIoError = 4;

// The result of a write or a read: the driver's status and the bytes it moved.
struct Transfer {
  DriverStatus status = kDriverOk;
  std::uint32_t count = 0;
};

// The result of a queue-status call: the bytes waiting in the receive queue.
struct QueueStatus {
  DriverStatus status = kDriverOk;
  std::uint32_t receiveQueue = 0;
};

class UnitPort {
 public:
  virtual ~UnitPort() = default;
  // Opens the unit whose USB description is `description`; 0 means the later calls reach it.
  virtual DriverStatus Open(std::string_view description) = 0;
  virtual DriverStatus Reset() = 0;
  // Discards the pending bytes of both directions.
  virtual DriverStatus Purge() = 0;
  virtual DriverStatus SetLatencyTimer(std::uint8_t milliseconds) = 0;
  // Later reads and writes return at the latest after these times.
  virtual DriverStatus SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs) = 0;
  virtual Transfer Write(std::span<const std::uint8_t> bytes) = 0;
  // Returns when `into` is full or the read timeout ran out; never writes past `into`.
  virtual Transfer Read(std::span<std::uint8_t> into) = 0;
  virtual QueueStatus GetQueueStatus() = 0;
  // Releases the unit; harmless when it is not open.
  virtual DriverStatus Close() = 0;
};

// A port for a machine with no unit attached: every open fails, and so does every call that
// would need an open unit.
class NoUnitPort : public UnitPort {
 public:
  DriverStatus Open(std::string_view) override { return kDriverDeviceNotFound; }
  DriverStatus Reset() override { return kDriverInvalidHandle; }
  DriverStatus Purge() override { return kDriverInvalidHandle; }
  DriverStatus SetLatencyTimer(std::uint8_t) override { return kDriverInvalidHandle; }
  DriverStatus SetTimeouts(std::uint32_t, std::uint32_t) override { return kDriverInvalidHandle; }
  Transfer Write(std::span<const std::uint8_t>) override { return {kDriverInvalidHandle, 0}; }
  Transfer Read(std::span<std::uint8_t>) override { return {kDriverInvalidHandle, 0}; }
  QueueStatus GetQueueStatus() override { return {kDriverInvalidHandle, 0}; }
  DriverStatus Close() override { return kDriverOk; }
};

}  // namespace vertal::link
