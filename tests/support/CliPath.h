#pragma once
// Where the built vertal-cli is.

#include <string>

namespace vertal::testing {

std::string CliPath();

}  // namespace vertal::testing
