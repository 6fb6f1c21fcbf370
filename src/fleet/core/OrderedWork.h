#pragma once
// Work over many files on a number of threads, handed back in the order of the files: each
// file is read on a worker and its result taken on the calling thread. Only a few results wait
// at any time, however many files there are.

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace vertal::fleet {

// Results read ahead of the one being taken, per thread: enough to keep every thread busy
// while the calling thread takes.
inline constexpr std::size_t kWaitingPerJob = 2;

namespace detail {

// The results read so far and not yet taken, by their place in the run.
template <typename Result>
class WaitingResults {
 public:
  WaitingResults(std::size_t count, std::size_t window) : count_(count), window_(window) {}

  // The next item to read; nothing when all are handed out or the run stops.
  std::optional<std::size_t> NextToRead() {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [&] { return stopped_ || next_ >= count_ || next_ < taken_ + window_; });
    if (stopped_ || next_ >= count_) return std::nullopt;
    return next_++;
  }

  void Put(std::size_t index, Result result) {
    {
      const std::lock_guard lock(mutex_);
      ready_.emplace(index, std::move(result));
    }
    readyChanged_.notify_all();
  }

  Result Take(std::size_t index) {
    std::unique_lock lock(mutex_);
    readyChanged_.wait(lock, [&] { return ready_.contains(index); });
    Result result = std::move(ready_.extract(index).mapped());
    ++taken_;
    lock.unlock();
    room_.notify_all();
    return result;
  }

  void Stop() {
    {
      const std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    room_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable room_, readyChanged_;
  std::map<std::size_t, Result> ready_;
  std::size_t count_, window_;
  std::size_t next_ = 0, taken_ = 0;
  bool stopped_ = false;
};

}  // namespace detail

// Calls `read(i)` for every i below `count` on `jobs` threads and hands each result to
// `take(i, result)` on the calling thread, in the order of i. `read` must not throw.
template <typename Result>
void ForEachInOrder(std::size_t count, unsigned jobs,
                    const std::function<Result(std::size_t)>& read,
                    const std::function<void(std::size_t, Result&)>& take) {
  const std::size_t threads = std::clamp<std::size_t>(jobs, 1, std::max<std::size_t>(count, 1));
  detail::WaitingResults<Result> results(count, threads * kWaitingPerJob);
  std::vector<std::jthread> workers;
  for (std::size_t t = 0; t < threads; ++t)
    workers.emplace_back([&] {
      while (const std::optional<std::size_t> i = results.NextToRead()) results.Put(*i, read(*i));
    });
  try {
    for (std::size_t i = 0; i < count; ++i) {
      Result result = results.Take(i);
      take(i, result);
    }
  } catch (...) {
    results.Stop();
    throw;
  }
}

}  // namespace vertal::fleet
