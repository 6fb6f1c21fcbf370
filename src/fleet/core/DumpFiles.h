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

// The name of a dump's information card: the file's stem and the first characters of its
// SHA-256, so that dumps of the same name in different folders keep their own cards.
std::string CardFileName(const std::string& file, const std::string& sha256);

}  // namespace vertal::fleet
