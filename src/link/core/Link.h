#pragma once
// The packet link to the processing unit: requests built byte by byte with their checksum,
// one transaction per request with its validation, and the state the readout reads after
// each transaction. The request and reply buffers are valid until the next request begins.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "link/core/UnitPort.h"

namespace vertal::link {

// The result of one transaction: 0 success, 30 to 35 link failures, any other value the
// unit's own error code.
using ReplyCode = std::uint8_t;
inline constexpr ReplyCode kReplyOk = 0;
inline constexpr ReplyCode kReplyWrongEcho = 30;
inline constexpr ReplyCode kReplyWriteFailed = 31;
inline constexpr ReplyCode kReplyReadFailed = 32;
inline constexpr ReplyCode kReplyBadChecksum = 33;
inline constexpr ReplyCode kReplyFollowUpReadFailed = 34;
inline constexpr ReplyCode kReplyFollowUpBadChecksum = 35;

inline constexpr std::string_view kUnitDescription = "USB VERTAL";
inline constexpr std::size_t kRequestBufferSize = 128;
inline constexpr std::size_t kReplyBufferSize = 16390;
inline constexpr std::uint8_t kRequestStart = 0x80;
inline constexpr std::uint8_t kEchoBit = 0x40;
inline constexpr std::uint8_t kErrorReply = 0x7F;
inline constexpr std::uint8_t kLatencyTimerMs = 16;

inline constexpr std::uint8_t kCommandVersion = 0x04;
inline constexpr std::uint8_t kCommandReadLongTerm = 0x18;
inline constexpr std::uint8_t kCommandReadPage = 0x1A;
inline constexpr std::uint8_t kCommandReadCraneIdent = 0x16;
inline constexpr std::uint8_t kCommandWriteCraneIdent = 0x30;

// The most data bytes a crane-identification write can carry in one request.
inline constexpr std::size_t kMaxWriteData = kRequestBufferSize - 4;

struct Timeouts {
  std::uint32_t readMs = 1000;
  std::uint32_t writeMs = 100;
};
inline constexpr Timeouts kVersionTimeouts{1000, 32};
inline constexpr Timeouts kBlockTimeouts{1000, 100};
// Set by the readout before each page request; the page request sets none itself.
inline constexpr Timeouts kPageTimeouts{1000, 16};

class Link {
 public:
  explicit Link(UnitPort& port);

  UnitPort& Port() { return port_; }

  // Opens the unit by its description and keeps the driver's status. A handle still held
  // from an earlier open is released first, so that the unit is not found busy with us.
  DriverStatus Open();

  // Building blocks of a request.
  void BeginRequest(std::uint32_t expectedReplyLength);
  // A read request: its command and an address (or page number), for a reply of `length` bytes.
  void BeginRead(std::uint8_t command, std::uint16_t address, std::uint16_t length);
  // Bytes beyond the request buffer are dropped; no request of the link is that long.
  void Append(std::uint8_t byte);
  void CloseRequest();
  void SetTimeouts(Timeouts timeouts);

  // Sends the built request, receives and validates the reply. Any result but 0 purges both
  // directions of the driver.
  ReplyCode Transact(std::uint8_t command);

  // The requests. On success the reply's data lie in ReplyBuffer() (see each request).
  ReplyCode RequestVersion();
  // Data at bytes 4 .. length + 3.
  ReplyCode ReadLongTermBlock(std::uint16_t address, std::uint16_t length);
  // Data at bytes 4 .. length + 3.
  ReplyCode ReadPage(std::uint16_t page, std::uint16_t length);
  // Data at bytes 3 .. count + 2.
  ReplyCode ReadCraneIdent(std::uint8_t count);
  // More than kMaxWriteData bytes do not fit a request: nothing is sent and the result is 31.
  ReplyCode WriteCraneIdent(std::span<const std::uint8_t> data);

  // Kept by the callers that record a transaction's result.
  void RecordReplyCode(ReplyCode code) { lastReplyCode_ = code; }

  DriverStatus LastDriverStatus() const { return lastDriverStatus_; }
  ReplyCode LastReplyCode() const { return lastReplyCode_; }
  std::span<const std::uint8_t> Request() const {
    return std::span(requestBuffer_).first(requestLength_);
  }
  std::uint32_t RequestLength() const { return static_cast<std::uint32_t>(requestLength_); }
  std::uint8_t RunningSum() const { return runningSum_; }
  std::uint32_t ExpectedReplyLength() const { return expectedReplyLength_; }
  std::span<const std::uint8_t> ReplyBuffer() const { return replyBuffer_; }
  std::uint32_t BytesWritten() const { return bytesWritten_; }
  std::uint32_t BytesReceived() const { return bytesReceived_; }
  std::uint32_t ReceiveQueue() const { return receiveQueue_; }

 private:
  ReplyCode Exchange(std::uint8_t command);
  ReplyCode FollowUp();

  UnitPort& port_;
  DriverStatus lastDriverStatus_ = kDriverDeviceNotFound;
  ReplyCode lastReplyCode_ = kReplyOk;
  std::array<std::uint8_t, kRequestBufferSize> requestBuffer_{};
  std::size_t requestLength_ = 0;
  std::uint8_t runningSum_ = 0;
  std::uint32_t expectedReplyLength_ = 0;
  // On the heap, so that a read past it is caught by the address sanitizer.
  std::vector<std::uint8_t> replyBuffer_;
  std::uint32_t bytesWritten_ = 0;
  std::uint32_t bytesReceived_ = 0;
  std::uint32_t receiveQueue_ = 0;
};

}  // namespace vertal::link
