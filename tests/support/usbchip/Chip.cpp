#include <libusb.h>

#include <algorithm>
#include <limits>
#include <span>

#include "usbchip/Bus.h"
#include "usbchip/UsbChip.h"

namespace vertal::usbchip {
namespace {

constexpr Nanos kNever = std::numeric_limits<Nanos>::max();
constexpr Nanos kNanosPerSecond = 1'000'000'000;
constexpr std::size_t kBitsPerByte = 10;  // start bit, 8 data bits, stop bit
// Bytes the chip takes from the host before the serial line has sent them.
constexpr std::size_t kTransmitBuffer = 128;
constexpr std::uint32_t kPowerOnBaudRate = 9600;
constexpr std::uint8_t kPowerOnLatencyMs = 16;

constexpr std::uint8_t kVendorOut = 0x40;
constexpr std::uint8_t kVendorIn = 0xC0;
enum Request : std::uint8_t {
  kReset = 0x00,
  kModemControl = 0x01,
  kFlowControl = 0x02,
  kBaudRate = 0x03,
  kDataCharacteristics = 0x04,
  kPollModemStatus = 0x05,
  kEventChar = 0x06,
  kErrorChar = 0x07,
  kSetLatency = 0x09,
  kGetLatency = 0x0A,
  kBitMode = 0x0B,
  kReadPins = 0x0C,
  kReadEeprom = 0x90,
};
enum ResetValue : std::uint16_t { kResetSio = 0, kPurgeTransmit = 1, kPurgeReceive = 2 };

// The FT232R's divisor of its 3 MHz baud clock: 14 bits of whole steps and a fraction in
// eighths coded in bits 14 and 15 of the value and bit 0 of the index.
std::uint32_t DecodeBaudRate(std::uint16_t value, std::uint16_t index) {
  static constexpr std::uint32_t kEighths[8] = {0, 4, 2, 1, 3, 5, 6, 7};
  constexpr std::uint32_t kClock = 3'000'000;
  const std::uint32_t code = (value >> 14u) | ((index & 1u) << 2u);
  const std::uint32_t eighths = (value & 0x3FFFu) * 8u + kEighths[code];
  if (eighths == 0) return kClock;
  if (eighths == 8) return kClock * 2 / 3;
  return (kClock * 8 + eighths / 2) / eighths;
}

void AdvanceTo(Nanos at) { TheBus().now = std::max(TheBus().now, at); }

}  // namespace

Bus& TheBus() {
  static Bus bus;
  return bus;
}

Nanos Now() { return TheBus().now; }

std::chrono::steady_clock::time_point SteadyNow() {
  return std::chrono::steady_clock::time_point(std::chrono::nanoseconds(Now()));
}

Chip::Chip(Identity identity, std::shared_ptr<link::UnitPort> unit)
    : identity_(std::move(identity)), unit_(std::move(unit)) {}

void Chip::Attach(std::uint8_t address) {
  attached_ = true;
  ++generation_;
  address_ = address;
  configuredRate_ = kPowerOnBaudRate;
  latencyMs_ = kPowerOnLatencyMs;
  stalledIn_ = stalledOut_ = false;
  pending_.clear();
  pendingAt_.clear();
  arrived_ = 0;
  lastPacketAt_ = lineBusyUntil_ = unitBusyUntil_ = Now();
  if (unit_) unit_->Open(identity_.description);
}

void Chip::Detach() { attached_ = false; }

Nanos Chip::LineTime(std::size_t count) const {
  return static_cast<Nanos>(count * kBitsPerByte) * kNanosPerSecond / LineRate();
}

std::size_t Chip::ArrivedBytes() {
  while (arrived_ < pendingAt_.size() && pendingAt_[arrived_] <= Now()) ++arrived_;
  return arrived_;
}

void Chip::SendPacket(std::vector<std::uint8_t>& out, std::size_t dataBytes) {
  out.push_back(kModemStatus);
  out.push_back(kLineStatus);
  const auto end = pending_.begin() + static_cast<std::ptrdiff_t>(dataBytes);
  out.insert(out.end(), pending_.begin(), end);
  pending_.erase(pending_.begin(), end);
  pendingAt_.erase(pendingAt_.begin(), pendingAt_.begin() + static_cast<std::ptrdiff_t>(dataBytes));
  arrived_ -= dataBytes;
  lastPacketAt_ = Now();
}

// Only bytes already in the chip go; those still on the line arrive afterwards.
void Chip::PurgeReceived() {
  const std::size_t arrived = ArrivedBytes();
  pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(arrived));
  pendingAt_.erase(pendingAt_.begin(), pendingAt_.begin() + static_cast<std::ptrdiff_t>(arrived));
  arrived_ = 0;
}

int Chip::Control(std::uint8_t requestType, std::uint8_t request, std::uint16_t value,
                  std::uint16_t index, std::uint8_t* data, std::uint16_t length) {
  controls_.push_back({requestType, request, value, index, Now()});
  if (requestType == kVendorOut) {
    switch (request) {
      case kReset:
        if (value == kResetSio || value == kPurgeReceive) PurgeReceived();
        if (value > kPurgeReceive) return LIBUSB_ERROR_PIPE;
        return 0;
      case kBaudRate:
        configuredRate_ = DecodeBaudRate(value, index);
        return 0;
      case kSetLatency:
        latencyMs_ = static_cast<std::uint8_t>(value);
        return 0;
      case kModemControl:
      case kFlowControl:
      case kDataCharacteristics:
      case kEventChar:
      case kErrorChar:
      case kBitMode:
        return 0;
      default:
        return LIBUSB_ERROR_PIPE;
    }
  }
  if (requestType == kVendorIn) {
    std::vector<std::uint8_t> answer;
    switch (request) {
      case kGetLatency: answer = {latencyMs_}; break;
      case kPollModemStatus: answer = {kModemStatus, kLineStatus}; break;
      case kReadPins: answer = {0}; break;
      case kReadEeprom: answer = {0xFF, 0xFF}; break;
      default: return LIBUSB_ERROR_PIPE;
    }
    const std::size_t n = std::min<std::size_t>(answer.size(), length);
    std::copy_n(answer.begin(), n, data);
    return static_cast<int>(n);
  }
  return LIBUSB_ERROR_PIPE;
}

// A transfer ends with a short packet or a full buffer. A packet is sent as soon as the chip
// holds a full packet's data; with less, only when the latency timer has run out since the
// later of the last byte's arrival and the last packet; an idle chip so answers status-only
// packets once per latency period.
int Chip::BulkIn(std::uint8_t* data, int length, unsigned timeoutMs, int& transferred) {
  inTimeouts_.push_back(timeoutMs);
  transferred = 0;
  if (stalledIn_) return LIBUSB_ERROR_PIPE;
  const auto room = static_cast<std::size_t>(std::max(length, 0));
  const Nanos deadline = timeoutMs == 0 ? kNever : Now() + Nanos{timeoutMs} * kNanosPerMs;
  const Nanos latency = Nanos{std::max<std::uint8_t>(latencyMs_, 1)} * kNanosPerMs;
  std::vector<std::uint8_t> out;
  int status = LIBUSB_SUCCESS;
  while (true) {
    const std::size_t arrived = ArrivedBytes();
    if (arrived >= kPacketData) {
      if (out.size() + kPacketSize > room) {
        status = LIBUSB_ERROR_OVERFLOW;
        break;
      }
      SendPacket(out, kPacketData);
      if (out.size() == room) break;
      continue;
    }
    const Nanos lastByte = arrived > 0 ? pendingAt_[arrived - 1] : lastPacketAt_;
    const Nanos due = std::max(lastPacketAt_, lastByte) + latency;
    const Nanos nextByte = arrived < pendingAt_.size() ? pendingAt_[arrived] : kNever;
    const Nanos next = std::min(nextByte, due);
    if (next > deadline) {
      AdvanceTo(deadline);
      status = LIBUSB_ERROR_TIMEOUT;
      break;
    }
    AdvanceTo(next);
    if (nextByte < due) continue;  // the byte restarts the timer
    if (out.size() + 2 + arrived > room) {
      status = LIBUSB_ERROR_OVERFLOW;
      break;
    }
    SendPacket(out, arrived);
    break;
  }
  std::copy(out.begin(), out.end(), data);
  transferred = static_cast<int>(out.size());
  return status;
}

int Chip::BulkOut(const std::uint8_t* data, int length, unsigned timeoutMs, int& transferred) {
  outTimeouts_.push_back(timeoutMs);
  transferred = 0;
  if (stalledOut_) return LIBUSB_ERROR_PIPE;
  const auto count = static_cast<std::size_t>(std::max(length, 0));
  const Nanos start = std::max(Now(), lineBusyUntil_);
  const Nanos onLine = start + LineTime(count);
  // The transfer ends once what is left to send fits the chip's transmit buffer. A write that
  // cannot get there in time moves nothing (no request of the link is that long).
  const Nanos done = std::max(Now(), onLine - LineTime(kTransmitBuffer));
  if (timeoutMs != 0 && done > Now() + Nanos{timeoutMs} * kNanosPerMs) {
    AdvanceTo(Now() + Nanos{timeoutMs} * kNanosPerMs);
    return LIBUSB_ERROR_TIMEOUT;
  }
  lineBusyUntil_ = onLine;
  AdvanceTo(done);
  transferred = length;
  Deliver(data, count);
  return LIBUSB_SUCCESS;
}

// The unit takes the request once its last byte has crossed the line and answers at once.
void Chip::Deliver(const std::uint8_t* data, std::size_t length) {
  ReplyPlan plan;
  if (unit_ && unit_->Write(std::span(data, length)).status == link::kDriverOk) {
    plan.bytes.resize(unit_->GetQueueStatus().receiveQueue);
    plan.bytes.resize(unit_->Read(plan.bytes).count);
  }
  if (script) script(requests_, plan);
  ++requests_;

  const std::size_t replyLength = plan.bytes.size();
  plan.bytes.insert(plan.bytes.end(), plan.extra.begin(), plan.extra.end());
  const Nanos start = std::max(lineBusyUntil_, unitBusyUntil_);
  for (std::size_t i = 0; i < plan.bytes.size(); ++i) {
    const Nanos delay = i + 1 >= replyLength ? plan.lastByteDelay : 0;
    pending_.push_back(plan.bytes[i]);
    pendingAt_.push_back(start + LineTime(i + 1) + delay);
  }
  if (!pendingAt_.empty()) unitBusyUntil_ = std::max(unitBusyUntil_, pendingAt_.back());
}

void Plug(const std::shared_ptr<Chip>& chip) {
  Bus& bus = TheBus();
  chip->Attach(bus.nextAddress++);
  bus.plugged.push_back(chip);
}

void Unplug(Chip& chip) {
  chip.Detach();
  auto& plugged = TheBus().plugged;
  std::erase_if(plugged, [&](const auto& p) { return p.get() == &chip; });
}

void ResetBus() {
  Bus& bus = TheBus();
  for (const auto& chip : bus.plugged) chip->Detach();
  bus.plugged.clear();
  bus.now = 0;
  bus.nextAddress = 1;
}

}  // namespace vertal::usbchip
