#pragma once
// A unit port that plays a scripted unit: each write makes the next scripted reply arrive in
// the receive queue, reads take what waits, and every call is recorded in order.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/core/UnitPort.h"

namespace vertal::testing {

class ScriptedPort : public link::UnitPort {
 public:
  using Bytes = std::vector<std::uint8_t>;

  link::DriverStatus Open(std::string_view description) override {
    calls.push_back("open " + std::string(description));
    return openStatus;
  }
  link::DriverStatus Reset() override {
    calls.emplace_back("reset");
    return link::kDriverOk;
  }
  link::DriverStatus Purge() override {
    calls.emplace_back("purge");
    waiting.clear();
    return link::kDriverOk;
  }
  link::DriverStatus SetLatencyTimer(std::uint8_t milliseconds) override {
    calls.push_back("latency " + std::to_string(milliseconds));
    return link::kDriverOk;
  }
  link::DriverStatus SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs) override {
    calls.push_back("timeouts " + std::to_string(readMs) + " " + std::to_string(writeMs));
    return link::kDriverOk;
  }
  link::Transfer Write(std::span<const std::uint8_t> bytes) override {
    calls.emplace_back("write");
    written.emplace_back(bytes.begin(), bytes.end());
    const link::DriverStatus status = Next(writeStatuses);
    if (status != link::kDriverOk) return {status, 0};
    if (!replies.empty()) {
      waiting.insert(waiting.end(), replies.front().begin(), replies.front().end());
      replies.pop_front();
    }
    return {status, writeCount.value_or(static_cast<std::uint32_t>(bytes.size()))};
  }
  link::Transfer Read(std::span<std::uint8_t> into) override {
    calls.push_back("read " + std::to_string(into.size()));
    const link::DriverStatus status = Next(readStatuses);
    if (status != link::kDriverOk) return {status, 0};
    const std::size_t n = std::min(into.size(), waiting.size());
    std::copy_n(waiting.begin(), n, into.begin());
    waiting.erase(waiting.begin(), waiting.begin() + static_cast<std::ptrdiff_t>(n));
    return {status, static_cast<std::uint32_t>(n)};
  }
  link::QueueStatus GetQueueStatus() override {
    calls.emplace_back("queue");
    return {link::kDriverOk, reportedQueue.value_or(static_cast<std::uint32_t>(waiting.size()))};
  }
  link::DriverStatus Close() override {
    calls.emplace_back("close");
    return link::kDriverOk;
  }

  // The script.
  link::DriverStatus openStatus = link::kDriverOk;
  std::deque<Bytes> replies;                     // one per write, in order
  std::deque<link::DriverStatus> writeStatuses;  // per write; success when used up
  std::deque<link::DriverStatus> readStatuses;   // per read; success when used up
  std::optional<std::uint32_t> writeCount;       // reported instead of the length written
  std::optional<std::uint32_t> reportedQueue;    // reported instead of what waits

  // What happened.
  std::vector<std::string> calls;
  std::vector<Bytes> written;
  std::deque<std::uint8_t> waiting;

 private:
  static link::DriverStatus Next(std::deque<link::DriverStatus>& statuses) {
    if (statuses.empty()) return link::kDriverOk;
    const link::DriverStatus status = statuses.front();
    statuses.pop_front();
    return status;
  }
};

}  // namespace vertal::testing
