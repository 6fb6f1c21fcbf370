#pragma once
// The state of the emulated bus shared by the chips and the libusb stand-in.

#include <cstdint>
#include <memory>
#include <vector>

#include "usbchip/UsbChip.h"

namespace vertal::usbchip {

struct Bus {
  Nanos now = 0;
  std::vector<std::shared_ptr<Chip>> plugged;
  std::uint8_t nextAddress = 1;
};

Bus& TheBus();

}  // namespace vertal::usbchip
