#pragma once
// Moving a graph to a typed place: a frame number, or a date and time. Each command reads what
// the user typed, refuses it with a message when it is not what the field asks for, and gives
// the frame the graph's window is to start at.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/DumpSource.h"
#include "common/core/Host.h"
#include "frames/core/BcdDateTime.h"

namespace vertal::graphs {

inline constexpr std::string_view kFrameFieldCaption = "Кадр";
inline constexpr std::string_view kMomentFieldCaption = "Дата и время";
inline constexpr std::string_view kMomentFieldHint = "дд.мм.гг чч:мм:сс";

struct TypedMoment {
  frames::BcdBytes date{};
  frames::BcdBytes time{};
};

// "dd.mm.yy hh:mm:ss" (blanks around it allowed) or "dd.mm.yy" for midnight, decimal digits
// of a valid date and time; nothing for any other text.
std::optional<TypedMoment> ParseMoment(std::string_view text);

struct MomentSearch {
  bool unreadable = false;             // the file could not be opened
  std::optional<std::int64_t> frame;   // the frame found
  std::optional<std::int64_t> newest;  // the ring's newest frame, when there is a valid frame
  std::optional<TypedMoment> latest;   // its moment
};

// The first valid frame whose moment is the given one or later: the frame with the earliest
// such moment, and among frames of that same moment the first in ring order, which begins
// after the newest frame.
MomentSearch FindFrameAtOrAfter(const DumpSource& source, const TypedMoment& moment);

// The frame typed into the field "Кадр"; a message when it is not a frame number.
std::optional<std::int64_t> TypedFrame(std::string_view text, Host& host);

// The frame that the typed date and time lead to; a message when the text is not a date and
// time, when the file cannot be opened, or when no frame was recorded at or after it.
std::optional<std::int64_t> TypedMomentFrame(const DumpSource& source, std::string_view text,
                                             Host& host);

}  // namespace vertal::graphs
