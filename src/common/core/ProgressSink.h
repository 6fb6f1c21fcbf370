#pragma once
// Progress of a long pass. A pass reports `done` of `total`; the receiver throttles what it
// shows, so a pass may report as often as it likes.

#include <cstdint>
#include <functional>

namespace vertal {

using ProgressSink = std::function<void(std::int64_t done, std::int64_t total)>;

}  // namespace vertal
