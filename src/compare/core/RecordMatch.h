#pragma once
// What the later reading holds and the earlier one does not. The frames and the event records
// are rings that move on between readings, so a record is matched by its bytes (its fields, its
// date and time), never by its slot.

#include <string_view>

#include "compare/core/Reading.h"
#include "compare/core/ReadingDiff.h"

namespace vertal::compare {

// The episodes of the later reading whose opening frame the earlier reading does not hold. An
// episode that began before the earlier readout and whose first frames were overwritten since
// opens on a frame the earlier reading holds, and is not new.
NewEpisodes FindNewEpisodes(const Reading& older, const Reading& newer);

// Overload records of the later reading beyond those the earlier one holds: a record the
// earlier reading holds k times counts as new only from its (k+1)-th copy on.
NewRecords FindNewOverloads(const Reading& older, const Reading& newer, std::string_view separator);

// The same for KDS records; none when either file keeps no KDS records.
NewRecords FindNewKds(const Reading& older, const Reading& newer, std::string_view separator);

}  // namespace vertal::compare
