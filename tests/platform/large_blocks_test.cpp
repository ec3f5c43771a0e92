// Blocks handed out again after use come back zeroed, and blocks alive at the same time never
// overlap, also across the regions the pool maps.
#include "platform/large_blocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace bxr {
namespace {

bool AllZero(const unsigned char* p, std::size_t bytes) {
    return std::all_of(p, p + bytes, [](unsigned char c) { return c == 0; });
}

TEST(LargeBlocks, ReusedBlocksAreZeroAndLiveBlocksDoNotOverlap) {
    // Sizes of the tables, an odd one, and one larger than a region.
    const std::vector<std::size_t> sizes = {648432, 384256, 100, 648432, (std::size_t(5) << 20) + 3};
    for (int round = 0; round < 3; ++round) {
        std::vector<std::pair<unsigned char*, std::size_t>> live;
        for (std::size_t bytes : sizes) {
            auto* p = static_cast<unsigned char*>(TakeZeroedBlock(bytes));
            ASSERT_TRUE(AllZero(p, bytes)) << "round " << round << ", " << bytes << " bytes";
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 64, 0u);
            std::fill(p, p + bytes, static_cast<unsigned char>(0xA5));
            live.push_back({p, bytes});
        }
        std::sort(live.begin(), live.end());
        for (std::size_t i = 1; i < live.size(); ++i)
            EXPECT_LE(live[i - 1].first + live[i - 1].second, live[i].first);
        for (auto [p, bytes] : live) GiveBackBlock(p, bytes);
    }
}

TEST(LargeBlocks, ArraysCopyAndGrowZeroed) {
    ZeroedArray<double> a(1000);
    a[999] = 2.5;
    ZeroedArray<double> b = a;
    a[999] = 1;
    EXPECT_EQ(b[999], 2.5);
    b.EnsureZeroed(500);  // large enough already: kept as it is
    EXPECT_EQ(b[999], 2.5);
    b.EnsureZeroed(5000);
    EXPECT_EQ(b.size(), 5000u);
    EXPECT_EQ(b[999], 0);
    EXPECT_EQ(b[4999], 0);
}

}  // namespace
}  // namespace bxr
