#pragma once
// Reading what the user typed into a search field, and the refusals shown instead of a search.

#include <optional>
#include <string>
#include <string_view>

namespace vertal::records {

// A typed whole number (blanks around it allowed); nothing for any other text.
std::optional<int> ParseWholeNumber(std::string_view text);

// The message shown instead of a search when a typed threshold is not a whole number.
std::string NotWholeNumberMessage(std::string_view fieldCaption, std::string_view text);

// The message shown instead of a search when a typed date is not day.month.year (dd.mm.yy).
std::string NotDateMessage(std::string_view fieldCaption, std::string_view text);

}  // namespace vertal::records
