#include "desktop_adapters/optimizer_threads.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "analysis/optimization_merger.h"

namespace brakefell {
namespace {

constexpr long long kRangeSize = 256;  // combinations a thread takes at a time

// The threads of one search: each takes the next range until none is left or the search is
// cancelled, and keeps the best it found until it ends.
class ThreadedSearch {
  public:
    ThreadedSearch(const OptimizationSearch& search, const std::atomic<bool>* cancel)
        : search_(search), cancel_(cancel) {}

    void work() {
        OptimizationMerger found(search_);
        while (cancel_ == nullptr || !cancel_->load()) {
            const long long begin = next_.fetch_add(kRangeSize);
            const long long end = std::min(begin + kRangeSize, search_.total());
            if (begin >= end) {
                break;
            }
            found.add(search_.compute(begin, end));
            done_ += end - begin;
        }
        const OptimizationRange mine = found.take();
        const std::lock_guard lock(mutex_);
        search_.merge(merged_, mine);
        ++finished_;
        wake_.notify_all();
    }

    // Waits for `threads` workers, telling the progress now and then.
    void wait(int threads, const std::function<void(long long, long long)>& progress) {
        std::unique_lock lock(mutex_);
        while (finished_ < threads) {
            wake_.wait_for(lock, std::chrono::milliseconds(25));
            if (progress && finished_ < threads) {
                lock.unlock();
                progress(done(), search_.total());
                lock.lock();
            }
        }
        if (progress) {
            lock.unlock();
            progress(done(), search_.total());
        }
    }

    const OptimizationRange& merged() const { return merged_; }

  private:
    long long done() const { return std::min(done_.load(), search_.total()); }

    const OptimizationSearch& search_;
    const std::atomic<bool>* cancel_;
    std::atomic<long long> next_{0};
    std::atomic<long long> done_{0};
    std::mutex mutex_;
    std::condition_variable wake_;
    int finished_ = 0;
    OptimizationRange merged_;
};

}  // namespace

Optimization OptimizeOnThreads(const CharacterSheet& sheet, const MetricProbe& probe,
                               const OptimizeChoices& choices, int top,
                               const OptimizeControl& control) {
    const OptimizationSearch search(sheet, probe, choices, top);
    if (search.total() == 0) {
        return search.finish({}, false);  // nothing to search: the character cannot be reckoned
    }
    ThreadedSearch threaded(search, control.cancel);
    const int threads =
        std::max(1, control.threads > 0 ? control.threads
                                        : static_cast<int>(std::thread::hardware_concurrency()));
    std::vector<std::thread> workers;
    workers.reserve(static_cast<std::size_t>(threads));
    for (int i = 0; i < threads; ++i) {
        workers.emplace_back([&threaded] { threaded.work(); });
    }
    threaded.wait(threads, control.progress);
    for (std::thread& worker : workers) {
        worker.join();
    }
    const bool cancelled = control.cancel != nullptr && control.cancel->load();
    return search.finish(threaded.merged(), cancelled);
}

}  // namespace brakefell
