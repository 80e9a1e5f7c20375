#include <gtest/gtest.h>

#include "records/records.h"

using namespace veldran;

TEST(OneBased, RecordsStartZeroAndIndexFromOne) {
    MaterialTable m{};
    EXPECT_EQ(m.NMAT, 0);
    for (int i = 1; i <= MAXMAT; ++i) EXPECT_EQ(m.E11[i], 0.0f);
    m.E11[1] = 1.0f;
    m.E11[5] = 5.0f;
    EXPECT_EQ(m.E11.v[0], 1.0f);
    EXPECT_EQ(m.E11.v[4], 5.0f);
    Mat3<float, 3, 3, 5> q{};
    q(1, 3, 2) = 7.0f;
    EXPECT_EQ(q.v[1][0][2], 7.0f);
}

#ifndef NDEBUG
TEST(OneBasedDeathTest, IndexOutsideTheTableAborts) {
    PlyStack s{};
    int zero = 0, sixty_one = 61;
    EXPECT_DEATH((void)s.PLYMAT[zero], "index 0 outside a table of 60");
    EXPECT_DEATH((void)s.PLYANG[sixty_one], "index 61 outside a table of 60");
    Mat<float, 6, 6> abd{};
    EXPECT_DEATH((void)abd(7, 1), "outside a table of 6");
}
#endif
