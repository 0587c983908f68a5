#pragma once

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace tessaly::pattern {

// Runs work(0) ... work(count - 1) on up to `threads` threads, the calling
// one among them; which thread takes which item must not matter to the
// caller.
template <typename Work>
void inParallel(unsigned threads, int count, const Work &work)
{
    std::atomic<int> next = 0;
    const auto worker = [&] {
        for (int item = next++; item < count; item = next++)
            work(item);
    };
    std::vector<std::jthread> helpers;
    for (unsigned helper = 1; helper < std::min(threads, unsigned(std::max(count, 1))); ++helper)
        helpers.emplace_back(worker);
    worker();
}

} // namespace tessaly::pattern
