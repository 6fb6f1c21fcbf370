#pragma once
// A processing unit played from a dump file, for reading the recorder without the hardware:
// its long-term memory is the file's long-term area, its pages are the operative area, and its
// crane identification is the record of bank 0. It answers each request of the link with the
// bytes the unit sends, and can be made to fail in the ways a real unit fails.
//
// The file is opened for each answer and only the bytes asked for are read, so memory stays
// flat; bytes beyond the end of a short (or missing) file read as zero.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/core/UnitPort.h"

namespace vertal::link {

// How the simulated unit misbehaves, chosen when it is made. Written as text:
//   no-unit                the unit is not attached: every open fails
//   silent-ident           no reply to the crane-identification read
//   silent-from-page:K     no reply to page K and to every request after it
//   corrupt-page:K         the reply to page K has one wrong byte and nothing follows it
//   error-page:K:C         page K is answered with an error reply carrying the code C
struct Fault {
  enum class Kind { None, NoUnit, SilentIdent, SilentFromPage, CorruptPage, ErrorPage };
  Kind kind = Kind::None;
  std::uint16_t page = 0;
  std::uint8_t code = 0;

  bool operator==(const Fault&) const = default;
};

// The fault a text names; nothing when the text names none or a page or code is out of range
// (pages 0 to 8,191, codes 0 to 255, decimal).
std::optional<Fault> ParseFault(std::string_view text);

class SimulatedUnit : public UnitPort {
 public:
  // The version byte of the unit's version reply.
  static constexpr std::uint8_t kVersion = 1;

  explicit SimulatedUnit(std::string dumpPath, Fault fault = {});

  // Succeeds only for the unit's own description, and never under the no-unit fault.
  DriverStatus Open(std::string_view description) override;
  DriverStatus Reset() override;
  DriverStatus Purge() override;
  DriverStatus SetLatencyTimer(std::uint8_t milliseconds) override;
  DriverStatus SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs) override;
  // Takes one whole request and queues the unit's reply. A request the unit does not know
  // (bad checksum, unknown command, wrong length, memory it does not have) gets no reply.
  Transfer Write(std::span<const std::uint8_t> bytes) override;
  // Takes what the unit has sent; fewer bytes than asked when the unit sent fewer.
  Transfer Read(std::span<std::uint8_t> into) override;
  QueueStatus GetQueueStatus() override;
  DriverStatus Close() override;

  // The data of the last crane-identification write; nothing before the first. The write does
  // not change the unit's memory.
  const std::optional<std::vector<std::uint8_t>>& ReceivedIdent() const { return receivedIdent_; }

 private:
  using Bytes = std::vector<std::uint8_t>;

  std::optional<Bytes> Answer(std::span<const std::uint8_t> request);
  std::optional<Bytes> AnswerPage(std::uint16_t page);
  // Fills `into` from the file's byte `offset` on; zeros where the file ends.
  void ReadMemory(std::int64_t offset, std::span<std::uint8_t> into) const;

  std::string dumpPath_;
  Fault fault_;
  bool open_ = false;
  bool silenced_ = false;
  Bytes sent_;  // sent by the unit and not yet read
  std::optional<Bytes> receivedIdent_;
};

}  // namespace vertal::link
