#pragma once
// What the audit of a recording finds: each finding with its severity, the name of its check,
// the text the window shows and the frame to go to.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frames/core/FrameRecord.h"

namespace vertal::recording {

enum class Severity { Info, Warning, Error };

// "info", "warning", "error".
std::string_view SeverityName(Severity severity);

struct Finding {
  Severity severity = Severity::Info;
  std::string_view check;  // one of the names below
  std::string text;
  std::optional<std::int64_t> frame;
  bool operator==(const Finding&) const = default;
};

// Names of the checks, as the command-line tool writes them.
namespace check {
inline constexpr std::string_view kSize = "size";
inline constexpr std::string_view kSha256 = "sha256";
inline constexpr std::string_view kVersion = "version";
inline constexpr std::string_view kTrailerChecksum = "trailer_checksum";
inline constexpr std::string_view kReadoutDate = "readout_date";
inline constexpr std::string_view kInstallDate = "install_date";
inline constexpr std::string_view kNoFrames = "no_frames";
inline constexpr std::string_view kRing = "ring";
inline constexpr std::string_view kErased = "erased";
inline constexpr std::string_view kDamaged = "damaged";
inline constexpr std::string_view kClockBackwards = "clock_backwards";
inline constexpr std::string_view kClockJump = "clock_jump";
inline constexpr std::string_view kAfterReadout = "after_readout";
inline constexpr std::string_view kBeforeInstall = "before_install";
inline constexpr std::string_view kDuplicateTime = "duplicate_time";
inline constexpr std::string_view kIdenticalFrames = "identical_frames";
inline constexpr std::string_view kBanks = "banks";
inline constexpr std::string_view kPoweredTime = "powered_time";
}  // namespace check

// A check that finds the same defect in many places names the first few of them and then
// says how many more there are.
inline constexpr std::size_t kPlacesPerCheck = 20;

class FindingList {
 public:
  void Add(Severity severity, std::string_view check, std::string text,
           std::optional<std::int64_t> frame = std::nullopt);
  // The findings in the order they were added, each capped check closed by its count of the
  // places left out.
  std::vector<Finding> Take();

 private:
  std::vector<Finding> findings_;
  struct Tally {
    std::size_t shown = 0;
    std::size_t left = 0;  // places left out
    Severity severity = Severity::Info;
  };
  std::map<std::string_view, Tally> tallies_;
};

// Texts the findings share.
std::string Nominative(std::int64_t n);  // "15-й"
std::string Genitive(std::int64_t n);    // "15-го"
// "dd.mm.yy hh:mm:ss" of a frame.
std::string MomentText(const frames::FrameRecord& frame);
// A run of frames from `first` to `last`, `count` of them: "<one>: 10-й." for a single frame,
// "<many>: с 10-го по 20-й, всего 11." otherwise.
std::string RunText(std::string_view one, std::string_view many, std::int64_t first,
                    std::int64_t last, std::int64_t count);

}  // namespace vertal::recording
