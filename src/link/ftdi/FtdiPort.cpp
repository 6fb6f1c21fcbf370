#include "link/ftdi/FtdiPort.h"

#include <ftdi.h>
#include <libusb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <climits>
#include <string>

namespace vertal::link {
namespace {
constexpr int kFtdiVendorId = 0x0403;
// FT232R/FT245R, FT2232, FT4232H, FT232H, FT-X.
constexpr std::array<int, 5> kFtdiProductIds = {0x6001, 0x6010, 0x6011, 0x6014, 0x6015};
constexpr int kOpenDeviceNotFound = -3;
// libftdi's own defaults, which a fresh open starts from.
constexpr std::uint32_t kDefaultTimeoutMs = 5000;
constexpr std::uint8_t kDefaultLatencyMs = 16;
// A bulk read returns at the latest one latency period after it starts, even with no data. A
// transfer cut short by its time limit loses what it had received, so the limit is kept well
// above that period.
constexpr int kTransferMarginMs = 100;
// The most that one attempt of the queue count takes from the chip.
constexpr int kQueueFetchSize = 65536;

int ClampToInt(std::size_t value) {
  return static_cast<int>(std::min<std::size_t>(value, INT_MAX));
}
FtdiPort::Clock::time_point SteadyNow() { return FtdiPort::Clock::now(); }
}  // namespace

FtdiPort::FtdiPort() : now_(&SteadyNow) {}

FtdiPort::~FtdiPort() {
  Close();
  if (context_ != nullptr) ftdi_free(context_);
}

DriverStatus FtdiPort::Open(std::string_view description) {
  Close();
  // Without a USB subsystem (libusb cannot start) there is no unit to find either.
  if (context_ == nullptr) context_ = ftdi_new();
  if (context_ == nullptr) return kDriverDeviceNotFound;

  const std::string wanted(description);
  DriverStatus result = kDriverDeviceNotFound;
  for (const int productId : kFtdiProductIds) {
    const int opened =
        ftdi_usb_open_desc(context_, kFtdiVendorId, productId, wanted.c_str(), nullptr);
    if (opened == 0) {
      open_ = true;
      latencyMs_ = kDefaultLatencyMs;
      readTimeoutMs_ = kDefaultTimeoutMs;
      context_->usb_read_timeout = ReadTransferTimeout(kDefaultTimeoutMs);
      context_->usb_write_timeout = static_cast<int>(kDefaultTimeoutMs);
      return kDriverOk;
    }
    // A device of this kind was there but could not be opened or asked for its description.
    if (opened != kOpenDeviceNotFound) result = kDriverDeviceNotOpened;
  }
  return result;
}

DriverStatus FtdiPort::Reset() {
  if (!open_) return kDriverInvalidHandle;
  receiveQueue_.clear();
  return ftdi_usb_reset(context_) == 0 ? kDriverOk : kDriverIoError;
}

DriverStatus FtdiPort::Purge() {
  if (!open_) return kDriverInvalidHandle;
  receiveQueue_.clear();
  return ftdi_tcioflush(context_) == 0 ? kDriverOk : kDriverIoError;
}

DriverStatus FtdiPort::SetLatencyTimer(std::uint8_t milliseconds) {
  if (!open_) return kDriverInvalidHandle;
  if (ftdi_set_latency_timer(context_, milliseconds) != 0) return kDriverIoError;
  latencyMs_ = milliseconds;
  return kDriverOk;
}

DriverStatus FtdiPort::SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs) {
  if (!open_) return kDriverInvalidHandle;
  readTimeoutMs_ = readMs;
  context_->usb_read_timeout = ReadTransferTimeout(readMs);
  context_->usb_write_timeout = ClampToInt(writeMs);
  return kDriverOk;
}

Transfer FtdiPort::Write(std::span<const std::uint8_t> bytes) {
  if (!open_) return {kDriverInvalidHandle, 0};
  if (bytes.empty()) return {kDriverOk, 0};
  const int written = ftdi_write_data(context_, bytes.data(), ClampToInt(bytes.size()));
  if (written < 0) return {kDriverIoError, 0};
  return {kDriverOk, static_cast<std::uint32_t>(written)};
}

Transfer FtdiPort::Read(std::span<std::uint8_t> into) {
  if (!open_) return {kDriverInvalidHandle, 0};
  const Clock::time_point deadline = now_() + std::chrono::milliseconds(readTimeoutMs_);
  context_->usb_read_timeout = ReadTransferTimeout(readTimeoutMs_);

  std::size_t received = TakeFromQueue(into);
  // Each call returns what arrived within about one latency period; bytes past the asked
  // count stay in libftdi's buffer for the next call.
  while (received < into.size()) {
    const std::span<std::uint8_t> rest = into.subspan(received);
    int got = ftdi_read_data(context_, rest.data(), ClampToInt(rest.size()));
    if (got == LIBUSB_ERROR_TIMEOUT) got = 0;
    if (got < 0) return {kDriverIoError, static_cast<std::uint32_t>(received)};
    received += static_cast<std::size_t>(got);
    if (readTimeoutMs_ != 0 && now_() >= deadline) break;
  }
  return {kDriverOk, static_cast<std::uint32_t>(received)};
}

QueueStatus FtdiPort::GetQueueStatus() {
  if (!open_) return {kDriverInvalidHandle, 0};
  // The attempt waits at most one latency period for the chip's answer.
  if (!FetchIntoQueue(ReadTransferTimeout(1))) return {kDriverIoError, 0};
  return {kDriverOk, static_cast<std::uint32_t>(receiveQueue_.size())};
}

DriverStatus FtdiPort::Close() {
  if (!open_) return kDriverOk;
  open_ = false;
  receiveQueue_.clear();
  return ftdi_usb_close(context_) == 0 ? kDriverOk : kDriverIoError;
}

bool FtdiPort::FetchIntoQueue(int transferTimeoutMs) {
  std::vector<std::uint8_t> chunk(kQueueFetchSize);
  const int previousTimeout = context_->usb_read_timeout;
  context_->usb_read_timeout = transferTimeoutMs;
  int got = ftdi_read_data(context_, chunk.data(), kQueueFetchSize);
  context_->usb_read_timeout = previousTimeout;
  if (got == LIBUSB_ERROR_TIMEOUT) got = 0;
  if (got < 0) return false;
  receiveQueue_.insert(receiveQueue_.end(), chunk.begin(), chunk.begin() + got);
  return true;
}

int FtdiPort::ReadTransferTimeout(std::uint32_t ms) const {
  if (ms == 0) return 0;  // libusb waits without limit
  return std::max(ClampToInt(ms), latencyMs_ + kTransferMarginMs);
}

std::uint32_t FtdiPort::TakeFromQueue(std::span<std::uint8_t> into) {
  const std::size_t taken = std::min(into.size(), receiveQueue_.size());
  const auto end = receiveQueue_.begin() + static_cast<std::ptrdiff_t>(taken);
  std::copy(receiveQueue_.begin(), end, into.begin());
  receiveQueue_.erase(receiveQueue_.begin(), end);
  return static_cast<std::uint32_t>(taken);
}

}  // namespace vertal::link
