#pragma once
// The version the programs print for --version: the project version, and the commit the build
// was made from when the sources were a git checkout ("1.0 (commit 7ba4b1f3c2)"). The
// definition is written by the build, so that only the programs that print it relink when the
// commit changes.

#include <string_view>

namespace vertal {

std::string_view ProgramVersion();

}  // namespace vertal
