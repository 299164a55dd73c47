#include <gtest/gtest.h>

#include "shell/HauptF.h"

TEST(Skeleton, NewWindowIsTheOpenOne) {
    class HauptF w;
    EXPECT_EQ(&HauptF(), &w);
    EXPECT_EQ(w.Stellenzahl, 1);
}
