#pragma once
// Progress of a long pass. A pass reports `done` of `total`; the receiver throttles what it
// shows, so a pass may report as often as it likes.

#include <cstdint>
#include <functional>

namespace vertal {

using ProgressSink = std::function<void(std::int64_t done, std::int64_t total)>;

// What a window hangs on a pass: `begins` runs once the inputs are accepted, just before the
// records are read (the window shows its running status then); `progress` follows the reading.
struct PassHooks {
  std::function<void()> begins;
  ProgressSink progress;

  void Begin() const {
    if (begins) begins();
  }
};

// How a pass ended: refused before it began (a typed field could not be read, or the file
// keeps no such records), the file could not be opened, or done.
enum class PassEnd { Refused, Unreadable, Done };

template <typename Model>
struct PassResult {
  PassEnd end = PassEnd::Done;
  Model model;  // what the page shows now; nothing new when refused
};

}  // namespace vertal
