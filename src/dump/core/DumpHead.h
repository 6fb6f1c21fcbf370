#pragma once
// The first step of opening a dump file: the long-term area and the trailer read in one open,
// the `RecorderVersion`, and one message per damaged long-term record.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/core/DumpSource.h"
#include "common/core/Host.h"
#include "dump/core/DumpLayout.h"
#include "dump/core/OperatorTrailer.h"

namespace vertal::dump {

// The long-term area and the trailer. Bytes beyond the end of a short file are zero.
struct DumpHead {
  std::array<std::uint8_t, static_cast<std::size_t>(kLongTermAreaSize)> longTerm{};
  TrailerBytes trailer{};
  std::int64_t fileSize = 0;

  std::int8_t RecorderVersion() const;
};

// Nothing when the file cannot be opened.
std::optional<DumpHead> ReadDumpHead(const DumpSource& source);

// What the window says of a file whose size is not that of a full readout: how large it is and
// what follows for its records; "" for a file of the full size.
std::string FileSizeNotice(std::int64_t fileSize);

// Reads the head and shows what opening shows before any page is filled: the open failure,
// or one plain message per damaged long-term record, in the order they are checked.
std::optional<DumpHead> OpenDumpHead(const DumpSource& source, Host& host);

}  // namespace vertal::dump
