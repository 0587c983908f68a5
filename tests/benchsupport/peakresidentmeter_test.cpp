#include "support/peakresidentmeter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace tessaly::bench {
namespace {

constexpr std::size_t Megabytes = 64;

// Takes and touches 64 MB, then frees it.
void useMemory()
{
    const auto block = std::make_unique<char[]>(Megabytes << 20);
    std::memset(block.get(), 1, Megabytes << 20);
    // Keeps the writes from being left out.
    EXPECT_EQ(block[(Megabytes << 20) - 1], 1);
}

TEST(PeakResidentMeterTest, CountsMemoryFreedBeforeTheReading)
{
    const PeakResidentMeter meter;
    useMemory();
    // The kernel counts resident pages in batches per thread, so the last
    // few pages may not show yet.
    EXPECT_GE(meter.riseMegabytes(), 0.95 * double(Megabytes));
}

TEST(PeakResidentMeterTest, LeavesOutAnEarlierPeak)
{
    useMemory();
    const PeakResidentMeter meter;
    if (!meter.isExact())
        GTEST_SKIP() << "the peak resident size cannot be reset here";
    EXPECT_LT(meter.riseMegabytes(), double(Megabytes) / 2);
}

} // namespace
} // namespace tessaly::bench
