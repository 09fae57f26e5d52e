#include "DecodingMemory.h"
#include "PhotoBytes.h"
#include "PhotoFile.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <thread>

namespace zonalyst::photo {
namespace {

std::string SizeText(const PhotoLoad& load) {
  return std::to_string(load.fileWidth) + " x " + std::to_string(load.fileHeight);
}

// The orientation that most of the loads share: the series' own, so that the odd frame is the
// one named.
std::string CommonOrientation(const std::vector<PhotoLoad>& loads) {
  std::map<std::string, std::size_t> counts;
  for (const PhotoLoad& load : loads) ++counts[load.orientation];
  return std::max_element(counts.begin(), counts.end(),
                          [](const auto& a, const auto& b) { return a.second < b.second; })
      ->first;
}

// The first of the loads, in the order of the paths, that failed, whose picture differs in
// size from the first's or whose orientation tag turned it otherwise than the series'; empty
// when none.
std::string FirstProblem(const std::vector<std::string>& paths, const std::vector<PhotoLoad>& loads) {
  for (std::size_t i = 0; i < loads.size(); ++i) {
    if (!loads[i].error.empty()) return loads[i].error;
    if (loads[i].fileWidth != loads[0].fileWidth || loads[i].fileHeight != loads[0].fileHeight) {
      return QuotedName(paths[i]) + " is " + SizeText(loads[i]) + " pixels, but " + QuotedName(paths[0]) + " is " +
             SizeText(loads[0]) + ": the photographs of a series must all be the same size";
    }
  }
  const std::string common = CommonOrientation(loads);
  for (std::size_t i = 0; i < loads.size(); ++i) {
    if (loads[i].orientation != common) {
      return QuotedName(paths[i]) + " is " + loads[i].orientation + " by its orientation tag, the other photographs " +
             common + ": the photographs of a series must all be turned alike";
    }
  }
  return {};
}

std::string MiB(std::size_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

}  // namespace

SeriesLoad ReadPhotoSeries(const std::vector<std::string>& paths, int maxSide,
                           const std::function<bool(int read)>& progress) {
  SeriesLoad series;
  if (paths.empty()) return series;
  KeepDecodingMemoryInTheHeap();
  std::vector<PhotoLoad> loads(paths.size());
  series.frames.resize(paths.size());
  loads[0] = ReadPhoto(paths[0], maxSide);
  if (!loads[0].error.empty()) {
    series.error = loads[0].error;
    return series;
  }
  const GreySource source = ChooseGreySource({loads[0].frame});
  series.frames[0] = GreyOf(loads[0].frame, source);
  loads[0].frame = {};
  if (progress && !progress(1)) {
    series.cancelled = true;
    series.frames.clear();
    return series;
  }
  const std::size_t frameBytes = series.frames[0].grey.size() * sizeof(std::uint16_t);
  const std::size_t framesBytes = frameBytes * paths.size();
  if (framesBytes > kSeriesMemoryBytes) {
    series.error = std::to_string(paths.size()) + " photographs of " + SizeText(loads[0]) + " pixels need " +
                   MiB(framesBytes) + " as frames, more than the " + MiB(kSeriesMemoryBytes) + " a series may hold";
    series.frames.clear();
    return series;
  }

  std::atomic<std::size_t> next{1};
  std::atomic<bool> cancel{false};
  std::mutex mutex;
  std::condition_variable changed;
  int read = 1;
  std::exception_ptr failure;  // the first exception of a worker (memory that ran out), thrown here

  // Decoding dominates: each worker takes the next file until none is left, and keeps only its grey.
  const auto work = [&] {
    for (std::size_t i = next++; i < paths.size() && !cancel; i = next++) {
      PhotoLoad load;
      GreyFrame grey;
      std::exception_ptr thrown;
      try {
        load = ReadPhoto(paths[i], maxSide);
        grey = GreyOf(load.frame, source);
        load.frame = {};
      } catch (...) {
        thrown = std::current_exception();
        cancel = true;
      }
      const std::lock_guard lock(mutex);
      loads[i] = std::move(load);
      series.frames[i] = std::move(grey);
      if (thrown && !failure) failure = thrown;
      ++read;
      changed.notify_one();
    }
  };
  // Qt takes the first thread that asks for its thread data as its main thread: this one,
  // which may make the application later, and not a worker.
  QThread::currentThread();
  // As many decodes at once as the budget leaves room for beside the frames, at least one.
  const std::size_t room = (kSeriesMemoryBytes - framesBytes) / std::max<std::size_t>(1, loads[0].decodingBytes);
  const std::size_t threads = std::min({static_cast<std::size_t>(std::max(1u, std::thread::hardware_concurrency())),
                                        paths.size() - 1, std::max<std::size_t>(1, room)});
  std::vector<std::jthread> workers;
  for (std::size_t k = 0; k < threads; ++k) workers.emplace_back(work);

  // Progress from this thread only, once for every file read.
  for (int reported = 1; reported < static_cast<int>(paths.size()) && !cancel;) {
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return read > reported; });
    reported = read;
    lock.unlock();
    if (progress && !progress(reported)) cancel = true;
  }
  workers.clear();  // joins
  if (failure) std::rethrow_exception(failure);

  if (cancel) {
    series.cancelled = true;
  } else {
    series.error = FirstProblem(paths, loads);
  }
  if (series.cancelled || !series.error.empty()) series.frames.clear();
  return series;
}

}  // namespace zonalyst::photo
