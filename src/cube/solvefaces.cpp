#include "cube/facesolver.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <thread>

namespace tessaly::cube {

namespace {

constexpr auto ProgressInterval = std::chrono::milliseconds(50);

// Solves the distinct faces on worker threads, each taking the next unsolved
// face, while the calling thread reports progress and watches for
// cancellation.
class FaceBatch {
public:
    FaceBatch(const FaceSolver &solver, std::vector<FaceTarget> faces)
        : solver_(solver)
        , faces_(std::move(faces))
        , solutions_(faces_.size())
    {
    }

    bool run(unsigned threads, const std::function<bool(std::size_t, std::size_t)> &progress)
    {
        std::vector<std::jthread> workers;
        for (unsigned i = 0; i < threads; ++i)
            workers.emplace_back([this] { work(); });
        try {
            watch(threads, progress);
        } catch (...) {
            cancelled_ = true; // let the workers stop before they are joined
            throw;
        }
        workers.clear();
        if (failure_)
            std::rethrow_exception(failure_);
        if (cancelled_)
            return false;
        return !progress || progress(done_, faces_.size());
    }

    std::vector<FaceSolution> takeSolutions() { return std::move(solutions_); }

private:
    // Reports progress now and then until every worker has stopped.
    void watch(unsigned threads, const std::function<bool(std::size_t, std::size_t)> &progress)
    {
        std::unique_lock lock(mutex_);
        while (!changed_.wait_for(lock, ProgressInterval, [&] { return finished_ == threads; })) {
            if (!progress || cancelled_)
                continue;
            lock.unlock();
            if (!progress(done_, faces_.size()))
                cancelled_ = true;
            lock.lock();
        }
    }

    void work()
    {
        try {
            while (!cancelled_) {
                const std::size_t index = next_++;
                if (index >= faces_.size())
                    break;
                solutions_[index] = solver_.solve(faces_[index]);
                ++done_;
            }
        } catch (...) {
            const std::lock_guard lock(mutex_);
            if (!failure_)
                failure_ = std::current_exception();
            cancelled_ = true;
        }
        const std::lock_guard lock(mutex_);
        ++finished_;
        changed_.notify_one();
    }

    const FaceSolver &solver_;
    const std::vector<FaceTarget> faces_;
    std::vector<FaceSolution> solutions_;
    std::atomic<std::size_t> next_ = 0;
    std::atomic<std::size_t> done_ = 0;
    std::atomic<bool> cancelled_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t finished_ = 0;
    std::exception_ptr failure_;
};

} // namespace

std::optional<std::vector<FaceSolution>> solveFaces(
    const FaceSolver &solver, std::span<const FaceTarget> faces, unsigned threads,
    const std::function<bool(std::size_t done, std::size_t total)> &progress)
{
    // Mosaics repeat faces: solve each distinct one once.
    std::map<FaceTarget, std::size_t> distinctIndex;
    std::vector<FaceTarget> distinct;
    std::vector<std::size_t> indexOfFace;
    indexOfFace.reserve(faces.size());
    for (const FaceTarget &face : faces) {
        const auto [place, added] = distinctIndex.try_emplace(face, distinct.size());
        if (added)
            distinct.push_back(face);
        indexOfFace.push_back(place->second);
    }

    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    threads = unsigned(std::min<std::size_t>(threads, std::max<std::size_t>(distinct.size(), 1)));

    FaceBatch batch(solver, std::move(distinct));
    if (!batch.run(threads, progress))
        return std::nullopt;
    const std::vector<FaceSolution> solutions = batch.takeSolutions();

    std::vector<FaceSolution> results;
    results.reserve(faces.size());
    for (const std::size_t index : indexOfFace)
        results.push_back(solutions[index]);
    return results;
}

} // namespace tessaly::cube
