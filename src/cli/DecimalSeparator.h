#pragma once
// The user's locale for the numbers that the tool prints. The window takes it from the toolkit;
// the tool takes it from the C library, so both show "12,34" under a Russian locale and "12.34"
// under LC_ALL=C.

#include <string>

namespace vertal::cli {

// Adopts the locale named by the environment (LC_ALL, LC_NUMERIC, LANG). A name that is not
// installed leaves the affected categories at "C"; returns false in that case.
bool AdoptUserLocale();

// The decimal separator of the current numeric locale as UTF-8; "." when the locale gives none
// or gives one that is not valid UTF-8.
std::string DecimalSeparator();

}  // namespace vertal::cli
