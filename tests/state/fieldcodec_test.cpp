#include "state/fieldcodec.h"

#include <gtest/gtest.h>

TEST(FieldCodec, RealsHaveNoZeroBeforeThePointAndNoTrailingZeros)
{
    EXPECT_EQ(formatReal(0.5), ".5");
    EXPECT_EQ(formatReal(100.0), "100");
    EXPECT_EQ(formatReal(65.56), "65.56");
    EXPECT_EQ(formatReal(-1.5), "-1.5");
    EXPECT_EQ(formatReal(-0.25), "-.25");
    EXPECT_EQ(formatReal(123456789.012345), "123456789.012345");
    EXPECT_EQ(formatReal(0.1 + 0.2), ".3");
}
