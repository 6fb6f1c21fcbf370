#pragma once
// An FTDI FT232R-class chip on an emulated USB bus, for running libftdi1 and the port over it
// without hardware. The library built from this folder stands in for libusb-1.0 (same file
// name and SONAME): a program linked against it gets these chips in place of the machine's USB
// devices, while libftdi1 runs unchanged above.
//
// Time on the bus is virtual: it moves only while a transfer waits (for the unit's bytes on the
// serial line, for the chip's latency timer, for a time limit), so nothing ever sleeps.
//
// Behind the chip's serial line sits a UnitPort (usually the SimulatedUnit): each bulk OUT
// transfer reaches it as one request once its last byte has crossed the line, and its reply
// comes back over the line byte by byte at the line rate.

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/core/UnitPort.h"

namespace vertal::usbchip {

using Nanos = std::int64_t;
inline constexpr Nanos kNanosPerMs = 1'000'000;

inline constexpr std::uint16_t kFtdiVendorId = 0x0403;
inline constexpr std::uint16_t kFt232rProductId = 0x6001;
// The modem and line status that open every IN packet: CTS and DSR up, transmitter empty.
inline constexpr std::uint8_t kModemStatus = 0x31;
inline constexpr std::uint8_t kLineStatus = 0x60;
inline constexpr std::size_t kPacketSize = 64;
inline constexpr std::size_t kPacketData = kPacketSize - 2;
inline constexpr std::uint8_t kInEndpoint = 0x81;
inline constexpr std::uint8_t kOutEndpoint = 0x02;

// The bus clock.
Nanos Now();
// The bus clock as a steady-clock reading, for code that measures its own deadlines.
std::chrono::steady_clock::time_point SteadyNow();

// One vendor request as the chip received it; `at` is the bus time.
struct ControlRecord {
  std::uint8_t requestType = 0;
  std::uint8_t request = 0;
  std::uint16_t value = 0;
  std::uint16_t index = 0;
  Nanos at = 0;

  bool operator==(const ControlRecord& other) const {
    return requestType == other.requestType && request == other.request &&
           value == other.value && index == other.index;
  }
};

// How the unit's answer to one request travels, changed by a test's script.
struct ReplyPlan {
  std::vector<std::uint8_t> bytes;  // the unit's reply as it gave it
  std::vector<std::uint8_t> extra;  // further bytes sent right after it
  Nanos lastByteDelay = 0;          // the reply's last byte waits this long on the line
};

class Chip {
 public:
  struct Identity {
    std::uint16_t productId = kFt232rProductId;
    std::string description;
    std::string serial;
  };
  // `unit` may be null: nothing answers on the serial line.
  Chip(Identity identity, std::shared_ptr<link::UnitPort> unit);

  const Identity& Id() const { return identity_; }

  // The rate at which bytes cross the serial line: the rate the host set, unless fixed here
  // (a unit whose side of the line runs at its own speed, e.g. a FIFO chip).
  void FixLineRate(std::uint32_t baud) { fixedRate_ = baud; }
  std::uint32_t LineRate() const { return fixedRate_ != 0 ? fixedRate_ : configuredRate_; }
  std::uint32_t ConfiguredBaudRate() const { return configuredRate_; }
  std::uint8_t LatencyMs() const { return latencyMs_; }

  // Called for each request the unit receives (counted from 0 over the chip's life) with the
  // unit's reply; it may change the plan, pull the cable or stall an endpoint.
  std::function<void(std::size_t request, ReplyPlan& plan)> script;
  void StallIn() { stalledIn_ = true; }
  void StallOut() { stalledOut_ = true; }

  // What the host did to the chip.
  const std::vector<ControlRecord>& Controls() const { return controls_; }
  // Bulk transfers with their time limits, in milliseconds (IN and OUT).
  const std::vector<unsigned>& InTimeouts() const { return inTimeouts_; }
  const std::vector<unsigned>& OutTimeouts() const { return outTimeouts_; }
  int Opens() const { return opens_; }
  int Claims() const { return claims_; }
  int OpenHandles() const { return openHandles_; }

  // --- for the libusb stand-in ---
  bool Attached() const { return attached_; }
  unsigned Generation() const { return generation_; }
  std::uint8_t Address() const { return address_; }
  void Attach(std::uint8_t address);
  void Detach();
  void NoteOpen() { ++opens_; ++openHandles_; }
  void NoteClose() { --openHandles_; }
  void NoteClaim() {
    ++claims_;
    claimHeld_ = true;
    claimGeneration_ = generation_;
  }
  void NoteRelease(unsigned generation) {
    if (generation == claimGeneration_) claimHeld_ = false;
  }
  // Whether a handle to the chip as it is plugged in now holds its interface.
  bool Claimed() const { return claimHeld_ && claimGeneration_ == generation_; }
  // libusb's results: bytes moved, or a negative libusb error.
  int Control(std::uint8_t requestType, std::uint8_t request, std::uint16_t value,
              std::uint16_t index, std::uint8_t* data, std::uint16_t length);
  int BulkIn(std::uint8_t* data, int length, unsigned timeoutMs, int& transferred);
  int BulkOut(const std::uint8_t* data, int length, unsigned timeoutMs, int& transferred);

 private:
  // The time `count` bytes take on the serial line.
  Nanos LineTime(std::size_t count) const;
  std::size_t ArrivedBytes();
  void SendPacket(std::vector<std::uint8_t>& out, std::size_t dataBytes);
  void PurgeReceived();
  void Deliver(const std::uint8_t* data, std::size_t length);

  Identity identity_;
  std::shared_ptr<link::UnitPort> unit_;
  bool attached_ = false;
  unsigned generation_ = 0;
  std::uint8_t address_ = 0;
  std::uint32_t configuredRate_ = 9600;
  std::uint32_t fixedRate_ = 0;
  std::uint8_t latencyMs_ = 16;
  bool stalledIn_ = false;
  bool stalledOut_ = false;
  // Bytes from the unit not yet sent to the host, with the bus time at which each reaches the
  // chip; the first arrived_ of them are in the chip.
  std::deque<std::uint8_t> pending_;
  std::deque<Nanos> pendingAt_;
  std::size_t arrived_ = 0;
  Nanos lastPacketAt_ = 0;
  Nanos lineBusyUntil_ = 0;     // the host's bytes are on the line until then
  Nanos unitBusyUntil_ = 0;     // the unit's bytes are on the line until then
  std::size_t requests_ = 0;
  std::vector<ControlRecord> controls_;
  std::vector<unsigned> inTimeouts_;
  std::vector<unsigned> outTimeouts_;
  int opens_ = 0;
  int claims_ = 0;
  bool claimHeld_ = false;
  unsigned claimGeneration_ = 0;
  int openHandles_ = 0;
};

// The emulated bus: the chips plugged in, in the order the host lists them.
void Plug(const std::shared_ptr<Chip>& chip);
// Pulls the chip's cable: it leaves the list, and every handle to it fails with
// LIBUSB_ERROR_NO_DEVICE. Plugging it in again makes it a new device; old handles stay dead.
void Unplug(Chip& chip);
// Removes every chip and sets the clock to 0.
void ResetBus();

}  // namespace vertal::usbchip
