// Fuzzes a transaction against a unit that answers anything: arbitrary reply bytes, driver
// failures and receive-queue counts. No read may reach past the reply buffer, and the result
// must be one the link can explain.
// Input layout: byte 0 the request, bytes 1-2 its 16-bit argument, byte 3 driver failures and
// options, byte 4 a filler byte, bytes 5-8 a receive-queue count; the rest is the reply, after
// the filler repeated up to the expected length when option 0x20 is set.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "common/core/Bytes.h"
#include "dump/core/Checksum.h"
#include "link/core/Link.h"
#include "support/ScriptedPort.h"

namespace {

namespace link = vertal::link;

// A scripted unit that checks that every read lands inside the reply buffer.
class BoundedPort final : public vertal::testing::ScriptedPort {
 public:
  link::Transfer Read(std::span<std::uint8_t> into) override {
    FUZZ_CHECK(into.data() >= bufferBegin && into.data() + into.size() <= bufferEnd);
    return ScriptedPort::Read(into);
  }
  const std::uint8_t* bufferBegin = nullptr;
  const std::uint8_t* bufferEnd = nullptr;
};

constexpr std::size_t kHeader = 9;

link::ReplyCode Send(link::Link& l, std::uint8_t request, std::uint16_t argument) {
  switch (request % 5) {
    case 0: return l.RequestVersion();
    case 1: return l.ReadLongTermBlock(argument, argument);
    case 2: return l.ReadPage(argument, argument);
    case 3: return l.ReadCraneIdent(static_cast<std::uint8_t>(argument));
    default: return l.WriteCraneIdent(std::vector<std::uint8_t>(argument % 130u, 0x5A));
  }
}

std::uint32_t ExpectedLength(std::uint8_t request, std::uint16_t argument) {
  switch (request % 5) {
    case 0: return 4;
    case 1:
    case 2: return argument + 5u;
    case 3: return (argument & 0xFFu) + 4u;
    default: return 3;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kHeader) return 0;
  const std::uint8_t request = data[0];
  const std::uint16_t argument = vertal::le16(data + 1);
  const std::uint8_t options = data[3];

  BoundedPort port;
  if (options & 0x01) port.writeStatuses = {4};
  if (options & 0x02) port.writeCount = 1;
  if (options & 0x04) port.readStatuses = {4};
  if (options & 0x08) port.readStatuses = {link::kDriverOk, 4};
  if (options & 0x10) port.reportedQueue = vertal::le32(data + 5);
  std::vector<std::uint8_t> reply;
  if (options & 0x20)
    reply.assign(std::min<std::size_t>(ExpectedLength(request, argument), 20000), data[4]);
  reply.insert(reply.end(), data + kHeader, data + size);
  port.replies.push_back(reply);

  link::Link l(port);
  port.bufferBegin = l.ReplyBuffer().data();
  port.bufferEnd = l.ReplyBuffer().data() + l.ReplyBuffer().size();
  const link::ReplyCode code = Send(l, request, argument);

  FUZZ_CHECK(l.ReplyBuffer().size() == link::kReplyBufferSize);
  FUZZ_CHECK(l.BytesReceived() <= link::kReplyBufferSize);
  if (port.written.empty()) return 0;  // a request too long to send
  FUZZ_CHECK(vertal::ChecksumValid(port.written.front()));
  const bool purged = port.calls.back() == "purge";
  FUZZ_CHECK(purged == (code != link::kReplyOk));
  const auto received = l.ReplyBuffer().first(l.BytesReceived());
  if (code == link::kReplyOk) {
    FUZZ_CHECK(l.BytesReceived() >= l.ExpectedReplyLength());
    FUZZ_CHECK(vertal::ChecksumValid(received));
  }
  const bool linkCode = code == link::kReplyOk ||
                        (code >= link::kReplyWrongEcho && code <= link::kReplyFollowUpBadChecksum);
  // Any other result is the code byte of an error reply that came after the expected bytes.
  if (!linkCode) {
    FUZZ_CHECK(l.BytesReceived() > l.ExpectedReplyLength());
    FUZZ_CHECK(received[1] == link::kErrorReply && received[2] == code);
  }
  return 0;
}
