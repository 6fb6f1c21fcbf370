#include "fleet/core/DumpFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace vertal::fleet {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDumpExtension = ".bin";
constexpr std::string_view kCardExtension = ".pdf";
constexpr std::size_t kCardDigestChars = 8;

bool HasDumpExtension(const fs::path& file) {
  const std::string ext = file.extension().string();
  return std::equal(ext.begin(), ext.end(), kDumpExtension.begin(), kDumpExtension.end(),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) == b;
                    });
}

// Unreadable subfolders are passed over rather than ending the search.
void AddFolder(const fs::path& folder, std::vector<std::string>& files) {
  std::error_code error;
  const auto options = fs::directory_options::skip_permission_denied;
  for (fs::recursive_directory_iterator it(folder, options, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code kindError;
    if (it->is_regular_file(kindError) && HasDumpExtension(it->path()))
      files.push_back(it->path().string());
  }
}

}  // namespace

std::vector<std::string> CollectDumpFiles(std::span<const std::string> paths) {
  std::vector<std::string> files;
  for (const std::string& path : paths) {
    std::error_code error;
    if (fs::is_directory(path, error))
      AddFolder(path, files);
    else
      files.push_back(path);
  }
  std::sort(files.begin(), files.end());
  files.erase(std::unique(files.begin(), files.end()), files.end());
  return files;
}

std::string CardFileName(const std::string& file, const std::string& sha256) {
  return fs::path(file).stem().string() + "-" + sha256.substr(0, kCardDigestChars) +
         std::string(kCardExtension);
}

}  // namespace vertal::fleet
