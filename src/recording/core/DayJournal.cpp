#include "recording/core/DayJournal.h"

#include <algorithm>
#include <bit>
#include <bitset>
#include <map>

namespace vertal::recording {
namespace {

constexpr std::uint8_t kLimitsTriggered = frames::kLimitCeilingTriggered |
                                          frames::kLimitWallTriggered |
                                          frames::kLimitRightTriggered | frames::kLimitLeftTriggered;
constexpr std::size_t kFaultCodeCount = 256;
constexpr unsigned kByteBits = 8;

struct Day {
  DayRow row;
  std::int64_t firstSeconds = 0, lastSeconds = 0;
  std::bitset<kFaultCodeCount> codes;
};

// Year, month and day, so that keys order like dates.
std::uint32_t DateKey(frames::Bcd3 d) {
  return std::uint32_t{d[2]} << (2 * kByteBits) | std::uint32_t{d[1]} << kByteBits | d[0];
}

frames::BcdBytes Copy(frames::Bcd3 bytes) { return {bytes[0], bytes[1], bytes[2]}; }

Day& DayOf(std::map<std::uint32_t, Day>& days, const frames::FrameRecord& f, std::int64_t n,
           std::int64_t seconds) {
  const auto [it, added] = days.try_emplace(DateKey(f.Date()));
  Day& day = it->second;
  if (added) {
    day.row.date = Copy(f.Date());
    day.row.firstTime = day.row.lastTime = day.row.maxMomentTime = Copy(f.Time());
    day.row.firstFrame = day.row.maxMomentFrame = n;
    day.row.maxMoment = f.LoadMoment();
    day.firstSeconds = day.lastSeconds = seconds;
  }
  return day;
}

void Count(Day& day, const frames::FrameRecord& f, std::int64_t n, std::int64_t seconds) {
  DayRow& row = day.row;
  if (seconds < day.firstSeconds) {
    day.firstSeconds = seconds;
    row.firstTime = Copy(f.Time());
    row.firstFrame = n;
  }
  if (seconds > day.lastSeconds) {
    day.lastSeconds = seconds;
    row.lastTime = Copy(f.Time());
  }
  if (f.LoadMoment() > row.maxMoment) {
    row.maxMoment = f.LoadMoment();
    row.maxMomentTime = Copy(f.Time());
    row.maxMomentFrame = n;
  }
  if (f.FaultCode() != frames::kFaultNone) day.codes.set(f.FaultCode());
}

}  // namespace

std::vector<DayRow> JournalOf(const RecordingImage& image, const FrameIndex& index) {
  std::map<std::uint32_t, Day> days;
  std::optional<std::int64_t> previous;
  bool loaded = false;
  std::uint8_t triggered = 0;
  // Frames come day after day: the day of the frame before is looked up only when it changes.
  Day* recent = nullptr;
  std::uint32_t recentKey = 0;
  for (const std::int64_t n : index.ringOrder) {
    const frames::FrameRecord f(image.Frame(n));
    const std::int64_t seconds = index.Seconds(n);
    if (recent == nullptr || DateKey(f.Date()) != recentKey) {
      recent = &DayOf(days, f, n, seconds);
      recentKey = DateKey(f.Date());
    }
    Day& day = *recent;
    Count(day, f, n, seconds);
    DayRow& row = day.row;
    if (previous) row.recordedSeconds += RecordedGap(seconds - index.Seconds(*previous), f.FaultCode());
    previous = n;

    const bool nowLoaded = f.LoadMoment() > kLiftMoment;
    row.lifts += nowLoaded && !loaded ? 1 : 0;
    loaded = nowLoaded;
    const auto nowTriggered = static_cast<std::uint8_t>(f.Limits() & kLimitsTriggered);
    if (const auto rises = static_cast<std::uint8_t>(nowTriggered & ~triggered); rises != 0)
      row.limitTriggers += std::popcount(rises);
    triggered = nowTriggered;

    const std::uint8_t opened = OpenedItems(image, index, n);
    row.overloads += Has(opened, EpisodeList::Overload) ? 1 : 0;
    row.tuning += Has(opened, EpisodeList::Tuning) ? 1 : 0;
    row.mzon += Has(opened, EpisodeList::Mzon) ? 1 : 0;
    row.switchOns += Has(opened, EpisodeList::SwitchOn) ? 1 : 0;
  }

  std::vector<DayRow> rows;
  rows.reserve(days.size());
  for (auto& [key, day] : days) {
    for (std::size_t code = 0; code < kFaultCodeCount; ++code)
      if (day.codes.test(code)) day.row.faultCodes.push_back(static_cast<std::uint8_t>(code));
    rows.push_back(std::move(day.row));
  }
  return rows;
}

std::optional<std::vector<DayRow>> DayJournal(const std::string& path, const ProgressSink& progress) {
  const auto read = ReadIndexed(path, Digest::Skip, progress);
  if (!read) return std::nullopt;
  return JournalOf(read->image, read->index);
}

}  // namespace vertal::recording
