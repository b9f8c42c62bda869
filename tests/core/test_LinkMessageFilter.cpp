// The identification read's messages: shown for the first object of an
// outage, quiet on the objects that repeat the same failure, shown again
// after the clock has been identified.
#include "LinkMessageFilter.h"

#include <gtest/gtest.h>

TEST(LinkMessageFilter, OneOutageShowsEachFailureOnItsFirstObjectOnly)
{
    CLinkMessageFilter filter;
    EXPECT_TRUE(filter.LastFailure().empty());
    // The first object shows all four of its runs' messages.
    for (int run = 0; run < 4; ++run)
        EXPECT_TRUE(filter.ShouldShow(1, "Failed reading Family ID"));
    // The next objects of the same outage are quiet...
    EXPECT_FALSE(filter.ShouldShow(2, "Failed reading Family ID"));
    EXPECT_FALSE(filter.ShouldShow(3, "Failed reading Family ID"));
    EXPECT_EQ(filter.LastFailure(), "Failed reading Family ID");
    // ...but a failure of another kind is news.
    EXPECT_TRUE(filter.ShouldShow(3, "Failed reading CPU type"));
    EXPECT_EQ(filter.LastFailure(), "Failed reading CPU type");
    EXPECT_FALSE(filter.ShouldShow(4, "Failed reading CPU type"));

    // Identified: the outage is over; the next failure shows again.
    filter.Identified();
    EXPECT_TRUE(filter.LastFailure().empty());
    EXPECT_TRUE(filter.ShouldShow(5, "Failed reading Family ID"));
    EXPECT_FALSE(filter.ShouldShow(6, "Failed reading Family ID"));
}
