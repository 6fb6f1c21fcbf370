#pragma once
// The USB driver of the processing unit, in the shape of the calls the link relies on.
// Statuses follow the driver: 0 is success.

#include <cstdint>
#include <memory>
#include <string_view>

namespace vertal::link {

using DriverStatus = std::uint32_t;
inline constexpr DriverStatus kDriverOk = 0;
inline constexpr DriverStatus kDriverDeviceNotFound = 2;

class UnitPort {
 public:
  virtual ~UnitPort() = default;
  // Opens the unit whose USB description is `description`.
  virtual DriverStatus Open(std::string_view description) = 0;
};

// A port for a machine with no unit attached: every open fails.
class NoUnitPort final : public UnitPort {
 public:
  DriverStatus Open(std::string_view) override { return kDriverDeviceNotFound; }
};

}  // namespace vertal::link
