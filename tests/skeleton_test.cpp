#include <gtest/gtest.h>

#include "shell/HauptF.h"
#include "tests/support/FreshApplication.h"

class Skeleton : public FreshApplicationTest {};

TEST_F(Skeleton, NewWindowIsTheOpenOne) {
    class HauptF w;
    EXPECT_EQ(&HauptF(), &w);
    EXPECT_EQ(w.Stellenzahl, 1);
}
