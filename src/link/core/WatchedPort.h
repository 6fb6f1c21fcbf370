#pragma once
// A port that hands every call to another and shows its owner each page request before it
// goes out: a simulated unit made as slow as a real one, or a readout stopped at a chosen
// page.

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <utility>

#include "link/core/Link.h"
#include "link/core/UnitPort.h"

namespace vertal::link {

class WatchedPort final : public UnitPort {
 public:
  using PageWatch = std::function<void(std::uint16_t page)>;

  WatchedPort(UnitPort& inner, PageWatch beforePage)
      : inner_(inner), beforePage_(std::move(beforePage)) {}

  DriverStatus Open(std::string_view description) override { return inner_.Open(description); }
  DriverStatus Reset() override { return inner_.Reset(); }
  DriverStatus Purge() override { return inner_.Purge(); }
  DriverStatus SetLatencyTimer(std::uint8_t ms) override { return inner_.SetLatencyTimer(ms); }
  DriverStatus SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs) override {
    return inner_.SetTimeouts(readMs, writeMs);
  }
  Transfer Write(std::span<const std::uint8_t> bytes) override {
    constexpr std::size_t kPageRequestSize = 5;
    if (beforePage_ && bytes.size() == kPageRequestSize && bytes[1] == kCommandReadPage)
      beforePage_(static_cast<std::uint16_t>(bytes[2] | (bytes[3] << 8)));
    return inner_.Write(bytes);
  }
  Transfer Read(std::span<std::uint8_t> into) override { return inner_.Read(into); }
  QueueStatus GetQueueStatus() override { return inner_.GetQueueStatus(); }
  DriverStatus Close() override { return inner_.Close(); }

 private:
  UnitPort& inner_;
  PageWatch beforePage_;
};

}  // namespace vertal::link
