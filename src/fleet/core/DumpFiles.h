#pragma once
// The dump files of a fleet run: files named on the command line are taken whatever their
// name; folders are searched through, subfolders included, for files ending in ".bin" in any
// case.

#include <span>
#include <string>
#include <vector>

namespace vertal::fleet {

// Sorted by path, each once. A named path that is neither a folder nor a file is kept, so that
// the run reports it as a file that cannot be opened.
std::vector<std::string> CollectDumpFiles(std::span<const std::string> paths);

}  // namespace vertal::fleet
