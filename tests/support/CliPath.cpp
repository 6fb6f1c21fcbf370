#include "support/CliPath.h"

namespace vertal::testing {

std::string CliPath() { return VERTAL_CLI_PATH; }

}  // namespace vertal::testing
