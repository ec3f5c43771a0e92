// The list of started terms: joined in list order whatever the order of their first points,
// terms that never start stay out.
#include "analysis/started_terms.h"

#include <gtest/gtest.h>

#include <vector>

namespace bxr {
namespace {

std::vector<int> Started(const StartedTerms<8>& terms) {
    return std::vector<int>(terms.begin(), terms.end());
}

TEST(StartedTerms, JoinInListOrderAsTheirPointsComeUp) {
    // Term 0 starts at point 5, term 1 at 0, term 2 at 3, term 3 at 3, term 4 never (7 > 6).
    const std::array<int, 8> start = {5, 0, 3, 3, 7};
    StartedTerms<8> terms;
    terms.Reset(start, 5);
    EXPECT_TRUE(terms.AdvanceTo(0));
    EXPECT_EQ(Started(terms), (std::vector<int>{1}));
    EXPECT_FALSE(terms.AdvanceTo(1));
    EXPECT_FALSE(terms.AdvanceTo(2));
    EXPECT_TRUE(terms.AdvanceTo(3));
    EXPECT_EQ(Started(terms), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(terms.AdvanceTo(4));
    // A jump over several points lets every term in between join.
    EXPECT_TRUE(terms.AdvanceTo(6));
    EXPECT_EQ(Started(terms), (std::vector<int>{0, 1, 2, 3}));

    // A new list starts empty.
    terms.Reset(start, 0);
    EXPECT_FALSE(terms.AdvanceTo(6));
    EXPECT_TRUE(Started(terms).empty());
}

}  // namespace
}  // namespace bxr
