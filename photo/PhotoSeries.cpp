#include "PhotoBytes.h"
#include "PhotoFile.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace zonalyst::photo {
namespace {

std::string SizeText(const PhotoLoad& load) {
  return std::to_string(load.fileWidth) + " x " + std::to_string(load.fileHeight);
}

// The first of the loads, in the order of the paths, that failed or whose picture differs in
// size from the first's; empty when none.
std::string FirstProblem(const std::vector<std::string>& paths, const std::vector<PhotoLoad>& loads) {
  for (std::size_t i = 0; i < loads.size(); ++i) {
    if (!loads[i].error.empty()) return loads[i].error;
    if (loads[i].fileWidth != loads[0].fileWidth || loads[i].fileHeight != loads[0].fileHeight) {
      return QuotedName(paths[i]) + " is " + SizeText(loads[i]) + " pixels, but " + QuotedName(paths[0]) + " is " +
             SizeText(loads[0]) + ": the photographs of a series must all be the same size";
    }
  }
  return {};
}

}  // namespace

SeriesLoad ReadPhotoSeries(const std::vector<std::string>& paths, int maxWidth,
                           const std::function<bool(int read)>& progress) {
  std::vector<PhotoLoad> loads(paths.size());
  std::atomic<std::size_t> next{0};
  std::atomic<bool> cancel{false};
  std::mutex mutex;
  std::condition_variable changed;
  int read = 0;
  std::exception_ptr failure;  // the first exception of a worker (memory that ran out), thrown here

  // Decoding dominates: each worker takes the next file until none is left.
  const auto work = [&] {
    for (std::size_t i = next++; i < paths.size() && !cancel; i = next++) {
      PhotoLoad load;
      std::exception_ptr thrown;
      try {
        load = ReadPhoto(paths[i], maxWidth);
      } catch (...) {
        thrown = std::current_exception();
        cancel = true;
      }
      const std::lock_guard lock(mutex);
      loads[i] = std::move(load);
      if (thrown && !failure) failure = thrown;
      ++read;
      changed.notify_one();
    }
  };
  // Qt takes the first thread that asks for its thread data as its main thread: this one,
  // which may make the application later, and not a worker.
  QThread::currentThread();
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::jthread> workers;
  for (unsigned k = 0; k < std::min<std::size_t>(cores, paths.size()); ++k) workers.emplace_back(work);

  // Progress from this thread only, once for every file read.
  for (int reported = 0; reported < static_cast<int>(paths.size()) && !cancel;) {
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return read > reported; });
    reported = read;
    lock.unlock();
    if (progress && !progress(reported)) cancel = true;
  }
  workers.clear();  // joins
  if (failure) std::rethrow_exception(failure);

  SeriesLoad series;
  if (cancel) {
    series.cancelled = true;
    return series;
  }
  series.error = FirstProblem(paths, loads);
  if (!series.error.empty()) return series;
  for (PhotoLoad& load : loads) series.frames.push_back(std::move(load.frame));
  return series;
}

}  // namespace zonalyst::photo
