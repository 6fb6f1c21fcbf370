#include "soak/ReadoutSoak.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>

#include "common/core/CollectingHost.h"
#include "dump/core/DumpLayout.h"
#include "link/core/Connection.h"
#include "link/core/OperatorEntry.h"
#include "link/core/Readout.h"
#include "link/core/SimulatedUnit.h"
#include "link/core/WatchedPort.h"

namespace vertal::soak {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kMaxNotes = 10;
constexpr std::size_t kEarlierSize = 4'096;
constexpr auto kPages = static_cast<int>(dump::kPageCount);

enum class Kind { Clean, SilentFromPage, CorruptPage, ErrorPage, Stop, StopAtOnce, DiskFull };
constexpr Kind kKinds[] = {Kind::Clean, Kind::SilentFromPage, Kind::CorruptPage, Kind::ErrorPage,
                           Kind::Stop,  Kind::StopAtOnce,     Kind::DiskFull};
constexpr const char* kKindNames[] = {"clean",           "silent-from-page", "corrupt-page",
                                      "error-page",      "stop",             "stop-at-once",
                                      "disk-full"};

class AnswerHost : public CollectingHost {
 public:
  explicit AnswerHost(std::string path) : path_(std::move(path)) {}
  std::optional<std::string> ChooseSaveFile(const FileDialogSetup&) override { return path_; }

 private:
  std::string path_;
};

class QuietView final : public link::ReadoutView {
 public:
  void SetStatusText(std::string_view text) override { last = text; }
  void SetFilePanel(std::string_view path) override { panel0 = path; }
  void SetStatusColour(link::StatusColour) override {}
  void SetProgressMaximum(int) override {}
  void SetProgressPosition(int) override {}
  void Repaint() override {}
  std::string last;
  std::string panel0;
};

Bytes FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool IsPrefix(const Bytes& part, const Bytes& whole) {
  return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

// One run's mishap and what it must leave.
struct Plan {
  Kind kind = Kind::Clean;
  link::Fault fault;
  std::optional<int> stopAtPage;
  bool stopAtOnce = false;
  std::optional<std::uint64_t> diskRoom;
  bool earlierFile = false;
  std::int64_t expectedKept = 0;  // bytes of an unfinished readout
  bool expectDone = false;
};

Plan MakePlan(int run, std::mt19937& random) {
  Plan plan;
  plan.kind = kKinds[static_cast<std::size_t>(run) % std::size(kKinds)];
  std::uniform_int_distribution<int> page(0, kPages - 1);
  plan.earlierFile = std::bernoulli_distribution(0.5)(random);
  const auto pagesBefore = [](int k) { return dump::kLongTermAreaSize + k * dump::kPageSize; };
  switch (plan.kind) {
    case Kind::Clean:
      plan.expectDone = true;
      break;
    case Kind::SilentFromPage:
    case Kind::CorruptPage:
    case Kind::ErrorPage: {
      const int k = page(random);
      plan.fault.kind = plan.kind == Kind::SilentFromPage ? link::Fault::Kind::SilentFromPage
                        : plan.kind == Kind::CorruptPage  ? link::Fault::Kind::CorruptPage
                                                          : link::Fault::Kind::ErrorPage;
      plan.fault.page = static_cast<std::uint16_t>(k);
      plan.fault.code = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, 255)(random));
      plan.expectedKept = pagesBefore(k);
      break;
    }
    case Kind::Stop: {
      const int k = page(random);
      plan.stopAtPage = k;
      // The page on its way is still read; a stop during the last page comes too late.
      plan.expectDone = k == kPages - 1;
      plan.expectedKept = pagesBefore(k + 1);
      break;
    }
    case Kind::StopAtOnce:
      plan.stopAtOnce = true;
      break;
    case Kind::DiskFull: {
      const auto room = std::uniform_int_distribution<std::int64_t>(0, dump::kDumpFileSize)(random);
      plan.diskRoom = static_cast<std::uint64_t>(room);
      plan.expectDone = room >= dump::kDumpFileSize;
      plan.expectedKept = room;
      break;
    }
  }
  return plan;
}

// What is wrong with the run's outcome; "" when nothing.
std::string Check(const Plan& plan, const link::ReadoutResult& result, const std::string& target,
                  const Bytes& earlier, const Bytes& source, const link::TrailerBuffer& trailer,
                  const std::string& folder) {
  std::size_t files = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    ++files;
    if (entry.path().extension() == ".part") return "a temporary file was left: " + entry.path().string();
  }
  const Bytes atTarget = FileBytes(target);
  if (plan.expectDone) {
    if (result.end != link::ReadoutEnd::Done) return "not done";
    const auto memory = static_cast<std::size_t>(dump::kTrailerOffset);
    const bool same = atTarget.size() == memory + trailer.size() &&
                      std::equal(source.begin(), source.begin() + dump::kTrailerOffset, atTarget.begin()) &&
                      std::equal(trailer.begin(), trailer.end(), atTarget.begin() + dump::kTrailerOffset);
    if (!same) return "the complete file differs from the unit's memory and the trailer";
    if (files != 1) return "more than the complete file in the folder";
    return {};
  }
  if (result.end == link::ReadoutEnd::Done) return "done although it could not be";
  const std::string& partial = result.file.partialPath;
  if (plan.earlierFile) {
    if (atTarget != earlier) return "the earlier file was changed";
    if (plan.expectedKept == 0) {
      if (!partial.empty() || files != 1) return "an empty partial file was kept";
      return {};
    }
    if (partial.empty() || partial == target) return "the partial file has no name of its own";
  } else if (partial != target) {
    return "the partial file is not under the chosen name";
  }
  if (result.notice.find(partial) == std::string::npos) return "the notice does not say where";
  const Bytes kept = FileBytes(partial);
  if (static_cast<std::int64_t>(kept.size()) != plan.expectedKept)
    return "the partial file holds " + std::to_string(kept.size()) + " bytes, not " +
           std::to_string(plan.expectedKept);
  if (!IsPrefix(kept, source)) return "the partial file differs from what the unit sent";
  return {};
}

}  // namespace

void WriteRandomSource(const std::string& source, std::uint32_t seed) {
  std::mt19937 random(seed);
  Bytes bytes(static_cast<std::size_t>(dump::kDumpFileSize));
  std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<std::uint8_t>(random()); });
  WriteBytes(source, bytes);
}

SoakFigures RunReadoutSoak(const std::string& source, const std::string& folder, int runs,
                           std::uint32_t seed) {
  SoakFigures figures;
  std::mt19937 random(seed);
  const Bytes sourceBytes = FileBytes(source);
  const std::string target = (fs::path(folder) / "reading.bin").string();
  for (int run = 0; run < runs; ++run) {
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder);
    const Plan plan = MakePlan(run, random);
    Bytes earlier(kEarlierSize);
    std::generate(earlier.begin(), earlier.end(), [&] { return static_cast<std::uint8_t>(random()); });
    if (plan.earlierFile) WriteBytes(target, earlier);

    std::atomic<bool> stop{plan.stopAtOnce};
    link::SimulatedUnit unit(source, plan.fault);
    link::WatchedPort port(unit, [&](std::uint16_t page) {
      if (plan.stopAtPage && page == *plan.stopAtPage) stop = true;
    });
    link::Link link(port);
    link::ConnectUnit(link);
    AnswerHost host(target);
    FileDialogSetup saveDialog;
    link::FieldsOperatorDialog dialog(link::DefaultOperatorFields());
    QuietView view;
    link::ReadoutBuffers buffers;
    std::optional<link::LimitedFileSink> smallDisk;
    if (plan.diskRoom) smallDisk.emplace(*plan.diskRoom);
    const link::ReadoutControls controls{&stop, smallDisk ? &*smallDisk : nullptr};
    const link::ReadoutResult result =
        link::ReadRecorder(link, host, saveDialog, dialog, view, buffers, controls);

    ++figures.runs;
    ++figures.runsByKind[kKindNames[static_cast<int>(plan.kind)]];
    const std::string fault =
        Check(plan, result, target, earlier, sourceBytes, buffers.trailer, folder);
    if (!fault.empty()) {
      ++figures.failures;
      if (figures.failureNotes.size() < kMaxNotes)
        figures.failureNotes.push_back("run " + std::to_string(run) + " (" +
                                       kKindNames[static_cast<int>(plan.kind)] + "): " + fault);
    }
  }
  std::error_code ec;
  fs::remove_all(folder, ec);
  return figures;
}

}  // namespace vertal::soak
