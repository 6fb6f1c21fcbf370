#pragma once
// JSON forms that more than one command prints.

#include <optional>
#include <string>

#include "cli/CliSupport.h"
#include "compare/core/ReadingDiff.h"

namespace vertal::cli {

// The text, or null.
Json OptionalText(const std::optional<std::string>& text);

// {"value": text or null, "text": the sentence}.
Json EstimateJson(const compare::Estimate& e);

}  // namespace vertal::cli
