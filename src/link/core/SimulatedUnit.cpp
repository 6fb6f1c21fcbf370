#include "link/core/SimulatedUnit.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "dump/core/Checksum.h"
#include "common/core/DumpFile.h"
#include "dump/core/DumpLayout.h"
#include "dump/core/LongTermLayout.h"
#include "link/core/Link.h"

namespace vertal::link {
namespace {

constexpr std::int64_t kIdentOffset = dump::kBankOffset[0] + dump::kCraneIdent.offset;
constexpr auto kIdentSize = static_cast<std::size_t>(dump::kCraneIdent.size);
constexpr auto kPageBytes = static_cast<std::size_t>(dump::kPageSize);

// A whole decimal number no greater than `max`; no sign, no blanks.
template <typename T>
std::optional<T> ParseNumber(std::string_view text, unsigned max) {
  unsigned value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc{} || ptr != end || value > max) return std::nullopt;
  return static_cast<T>(value);
}

std::optional<std::uint16_t> ParsePage(std::string_view text) {
  return ParseNumber<std::uint16_t>(text, static_cast<unsigned>(dump::kPageCount - 1));
}

// The start of a reply: a byte the link does not examine, then the echo of the command.
std::vector<std::uint8_t> BeginReply(std::uint8_t echo, std::size_t size) {
  std::vector<std::uint8_t> reply(size, 0);
  reply[0] = kRequestStart;
  reply[1] = echo;
  return reply;
}

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

}  // namespace

std::optional<Fault> ParseFault(std::string_view text) {
  using Kind = Fault::Kind;
  if (text == "no-unit") return Fault{Kind::NoUnit};
  if (text == "silent-ident") return Fault{Kind::SilentIdent};

  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view name = text.substr(0, colon);
  std::string_view rest = text.substr(colon + 1);

  if (name == "silent-from-page" || name == "corrupt-page") {
    const auto page = ParsePage(rest);
    if (!page) return std::nullopt;
    return Fault{name == "corrupt-page" ? Kind::CorruptPage : Kind::SilentFromPage, *page};
  }
  if (name == "error-page") {
    const std::size_t second = rest.find(':');
    if (second == std::string_view::npos) return std::nullopt;
    const auto page = ParsePage(rest.substr(0, second));
    const auto code = ParseNumber<std::uint8_t>(rest.substr(second + 1), 255);
    if (!page || !code) return std::nullopt;
    return Fault{Kind::ErrorPage, *page, *code};
  }
  return std::nullopt;
}

SimulatedUnit::SimulatedUnit(std::string dumpPath, Fault fault)
    : dumpPath_(std::move(dumpPath)), fault_(fault) {}

DriverStatus SimulatedUnit::Open(std::string_view description) {
  if (fault_.kind == Fault::Kind::NoUnit || description != kUnitDescription)
    return kDriverDeviceNotFound;
  open_ = true;
  sent_.clear();
  return kDriverOk;
}

DriverStatus SimulatedUnit::Reset() {
  if (!open_) return kDriverInvalidHandle;
  sent_.clear();
  return kDriverOk;
}

DriverStatus SimulatedUnit::Purge() {
  if (!open_) return kDriverInvalidHandle;
  sent_.clear();
  return kDriverOk;
}

DriverStatus SimulatedUnit::SetLatencyTimer(std::uint8_t) {
  return open_ ? kDriverOk : kDriverInvalidHandle;
}

DriverStatus SimulatedUnit::SetTimeouts(std::uint32_t, std::uint32_t) {
  return open_ ? kDriverOk : kDriverInvalidHandle;
}

Transfer SimulatedUnit::Write(std::span<const std::uint8_t> bytes) {
  if (!open_) return {kDriverInvalidHandle, 0};
  if (auto reply = Answer(bytes)) sent_.insert(sent_.end(), reply->begin(), reply->end());
  return {kDriverOk, static_cast<std::uint32_t>(bytes.size())};
}

Transfer SimulatedUnit::Read(std::span<std::uint8_t> into) {
  if (!open_) return {kDriverInvalidHandle, 0};
  const std::size_t n = std::min(into.size(), sent_.size());
  std::copy_n(sent_.begin(), n, into.begin());
  sent_.erase(sent_.begin(), sent_.begin() + static_cast<std::ptrdiff_t>(n));
  return {kDriverOk, static_cast<std::uint32_t>(n)};
}

QueueStatus SimulatedUnit::GetQueueStatus() {
  if (!open_) return {kDriverInvalidHandle, 0};
  return {kDriverOk, static_cast<std::uint32_t>(sent_.size())};
}

DriverStatus SimulatedUnit::Close() {
  open_ = false;
  sent_.clear();
  return kDriverOk;
}

std::optional<SimulatedUnit::Bytes> SimulatedUnit::Answer(std::span<const std::uint8_t> request) {
  if (silenced_ || request.size() < 3 || request[0] != kRequestStart || !ChecksumValid(request))
    return std::nullopt;
  const std::uint8_t command = request[1];
  const auto echo = static_cast<std::uint8_t>(command | kEchoBit);
  Bytes reply;

  switch (command) {
    case kCommandVersion:
      if (request.size() != 3) return std::nullopt;
      reply = BeginReply(echo, 4);
      reply[2] = kVersion;
      break;

    case kCommandReadCraneIdent:
      if (request.size() != 3 || fault_.kind == Fault::Kind::SilentIdent) return std::nullopt;
      reply = BeginReply(echo, kIdentSize + 4);
      reply[2] = static_cast<std::uint8_t>(kIdentSize);
      ReadMemory(kIdentOffset, std::span(reply).subspan(3, kIdentSize));
      break;

    case kCommandWriteCraneIdent:
      if (request.size() < 4 || request.size() != request[2] + 4u) return std::nullopt;
      receivedIdent_.emplace(request.begin() + 3, request.end() - 1);
      reply = BeginReply(echo, 3);
      break;

    case kCommandReadLongTerm: {
      if (request.size() != 7) return std::nullopt;
      const std::uint16_t address = Word(request, 2);
      const std::uint16_t length = Word(request, 4);
      if (address + length > dump::kLongTermAreaSize) return std::nullopt;
      reply = BeginReply(echo, length + 5u);
      reply[2] = request[2];
      reply[3] = request[3];
      ReadMemory(dump::kLongTermAreaOffset + address, std::span(reply).subspan(4, length));
      break;
    }

    case kCommandReadPage:
      if (request.size() != 5) return std::nullopt;
      return AnswerPage(Word(request, 2));

    default:
      return std::nullopt;
  }
  CloseRecord(reply);
  return reply;
}

std::optional<SimulatedUnit::Bytes> SimulatedUnit::AnswerPage(std::uint16_t page) {
  if (page >= dump::kPageCount) return std::nullopt;
  const bool faulty = page == fault_.page;

  if (faulty && fault_.kind == Fault::Kind::SilentFromPage) {
    silenced_ = true;
    return std::nullopt;
  }
  if (faulty && fault_.kind == Fault::Kind::ErrorPage) {
    // One byte longer than the page reply, so that the link's first read ends short of the
    // closing byte and reads the rest after it.
    Bytes reply = BeginReply(kErrorReply, kPageBytes + 6);
    reply[2] = fault_.code;
    // A closing byte of 0 would leave the first read's bytes summing right on their own.
    if (ChecksumByte(std::span(reply).first(reply.size() - 1)) == 0) reply[3] = 1;
    CloseRecord(reply);
    return reply;
  }

  Bytes reply = BeginReply(static_cast<std::uint8_t>(kCommandReadPage | kEchoBit), kPageBytes + 5);
  reply[2] = static_cast<std::uint8_t>(page);
  reply[3] = static_cast<std::uint8_t>(page >> 8);
  ReadMemory(dump::kOperativeAreaOffset + page * dump::kPageSize,
             std::span(reply).subspan(4, kPageBytes));
  CloseRecord(reply);
  if (faulty && fault_.kind == Fault::Kind::CorruptPage) reply[4] ^= 0xFF;
  return reply;
}

void SimulatedUnit::ReadMemory(std::int64_t offset, std::span<std::uint8_t> into) const {
  if (const auto file = DumpFile::Open(dumpPath_)) {
    file->ReadAt(offset, into);
  } else {
    std::fill(into.begin(), into.end(), std::uint8_t{0});
  }
}

}  // namespace vertal::link
