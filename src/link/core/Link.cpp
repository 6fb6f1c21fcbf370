#include "link/core/Link.h"

#include <algorithm>

#include "dump/core/Checksum.h"

namespace vertal::link {
namespace {
constexpr auto kReplyRoom = static_cast<std::uint32_t>(kReplyBufferSize);

std::uint8_t Low(std::uint16_t value) { return static_cast<std::uint8_t>(value); }
std::uint8_t High(std::uint16_t value) { return static_cast<std::uint8_t>(value >> 8); }
}  // namespace

Link::Link(UnitPort& port) : port_(port), replyBuffer_(kReplyBufferSize, 0) {}

DriverStatus Link::Open() {
  port_.Close();
  lastDriverStatus_ = port_.Open(kUnitDescription);
  return lastDriverStatus_;
}

void Link::BeginRequest(std::uint32_t expectedReplyLength) {
  requestLength_ = 0;
  runningSum_ = 0;
  expectedReplyLength_ = expectedReplyLength;
}

void Link::Append(std::uint8_t byte) {
  if (requestLength_ >= requestBuffer_.size()) return;
  requestBuffer_[requestLength_++] = byte;
  runningSum_ = static_cast<std::uint8_t>(runningSum_ + byte);
}

void Link::CloseRequest() { Append(static_cast<std::uint8_t>(~runningSum_)); }

void Link::SetTimeouts(Timeouts timeouts) { port_.SetTimeouts(timeouts.readMs, timeouts.writeMs); }

ReplyCode Link::Transact(std::uint8_t command) {
  const ReplyCode result = Exchange(command);
  if (result != kReplyOk) port_.Purge();
  return result;
}

ReplyCode Link::Exchange(std::uint8_t command) {
  const Transfer written = port_.Write(Request());
  lastDriverStatus_ = written.status;
  bytesWritten_ = written.count;
  if (written.status != kDriverOk || written.count != requestLength_) return kReplyWriteFailed;

  // A reply longer than the buffer cannot arrive whole: only what fits is asked for, and the
  // short count fails the read.
  const std::uint32_t asked = std::min(expectedReplyLength_, kReplyRoom);
  const Transfer read = port_.Read(std::span(replyBuffer_).first(asked));
  lastDriverStatus_ = read.status;
  bytesReceived_ = std::min(read.count, asked);
  if (read.status != kDriverOk || bytesReceived_ != expectedReplyLength_) return kReplyReadFailed;

  if (ChecksumValid(std::span(replyBuffer_).first(bytesReceived_)))
    return replyBuffer_[1] == (command | kEchoBit) ? kReplyOk : kReplyWrongEcho;
  return FollowUp();
}

// The expected bytes arrived damaged, or they are the start of a longer error reply: whatever
// else waits is read after them.
ReplyCode Link::FollowUp() {
  const QueueStatus queue = port_.GetQueueStatus();
  receiveQueue_ = queue.status == kDriverOk ? queue.receiveQueue : 0;
  if (receiveQueue_ == 0) return kReplyBadChecksum;

  // Bytes that would not fit after the expected ones are left unread; such a reply counts as
  // damaged.
  const std::uint32_t take = std::min(receiveQueue_, kReplyRoom - bytesReceived_);
  const Transfer more = port_.Read(std::span(replyBuffer_).subspan(bytesReceived_, take));
  lastDriverStatus_ = more.status;
  if (more.status != kDriverOk) return kReplyFollowUpReadFailed;
  bytesReceived_ += std::min(more.count, take);
  if (take < receiveQueue_) return kReplyFollowUpBadChecksum;

  if (!ChecksumValid(std::span(replyBuffer_).first(bytesReceived_)))
    return kReplyFollowUpBadChecksum;
  return replyBuffer_[1] == kErrorReply ? replyBuffer_[2] : kReplyWrongEcho;
}

ReplyCode Link::RequestVersion() {
  BeginRequest(4);
  Append(kRequestStart);
  Append(kCommandVersion);
  CloseRequest();
  SetTimeouts(kVersionTimeouts);
  return Transact(kCommandVersion);
}

void Link::BeginRead(std::uint8_t command, std::uint16_t address, std::uint16_t length) {
  BeginRequest(length + 5u);
  Append(kRequestStart);
  Append(command);
  Append(Low(address));
  Append(High(address));
}

ReplyCode Link::ReadLongTermBlock(std::uint16_t address, std::uint16_t length) {
  BeginRead(kCommandReadLongTerm, address, length);
  Append(Low(length));
  Append(High(length));
  CloseRequest();
  SetTimeouts(kBlockTimeouts);
  return Transact(kCommandReadLongTerm);
}

ReplyCode Link::ReadPage(std::uint16_t page, std::uint16_t length) {
  BeginRead(kCommandReadPage, page, length);
  CloseRequest();
  return Transact(kCommandReadPage);
}

ReplyCode Link::ReadCraneIdent(std::uint8_t count) {
  BeginRequest(count + 4u);
  Append(kRequestStart);
  Append(kCommandReadCraneIdent);
  CloseRequest();
  SetTimeouts(kBlockTimeouts);
  return Transact(kCommandReadCraneIdent);
}

ReplyCode Link::WriteCraneIdent(std::span<const std::uint8_t> data) {
  if (data.size() > kMaxWriteData) return kReplyWriteFailed;
  BeginRequest(3);
  Append(kRequestStart);
  Append(kCommandWriteCraneIdent);
  Append(static_cast<std::uint8_t>(data.size()));
  for (const std::uint8_t b : data) Append(b);
  CloseRequest();
  SetTimeouts(kBlockTimeouts);
  return Transact(kCommandWriteCraneIdent);
}

}  // namespace vertal::link
