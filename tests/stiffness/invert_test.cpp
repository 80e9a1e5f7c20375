#include <gtest/gtest.h>

#include <cmath>

#include "stiffness/chain.h"
#include "stiffness/invert.h"
#include "stiffness/laminates.h"

using namespace veldran;
using veldran::test::bits;

TEST(Invert, IdentityAndDiagonalAreExact) {
    const float diagonal[6] = {1.0f, 3.0f, 0.1f, -7.0f, 1.0e8f, 2.5e-3f};
    Mat<float, 6, 6> I{}, D{};
    for (int i = 1; i <= 6; ++i) {
        I(i, i) = 1.0f;
        D(i, i) = diagonal[i - 1];
    }
    Mat<float, 6, 6> Iinv{}, Dinv{};
    INVERT(6, I, Iinv);
    INVERT(6, D, Dinv);
    for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j <= 6; ++j) {
            EXPECT_EQ(bits(Iinv(i, j)), bits(I(i, j))) << i << "," << j;
            const float expected = i == j ? static_cast<float>(1.0 / double(diagonal[i - 1])) : 0.0f;
            EXPECT_EQ(bits(Dinv(i, j)), bits(expected)) << i << "," << j;
        }
    }
}

// Each stored entry of the work matrix is rounded: the 2 x 2 [3 1; 1 7]
// does not come out as the float nearest its exact inverse [7 -1; -1 3]/20.
TEST(Invert, RoundsEveryStoredEntry) {
    Mat<float, 6, 6> A{}, AINV{};
    A(1, 1) = 3.0f; A(1, 2) = 1.0f;
    A(2, 1) = 1.0f; A(2, 2) = 7.0f;
    INVERT(2, A, AINV);

    // Pivot 1: row 1 = [1, 1/3 | 1/3, 0]; row 2 -= 1·row 1.
    const float w12 = static_cast<float>(1.0 / 3.0), w13 = w12;
    const float w22 = static_cast<float>(7.0 - double(w12));
    const float w23 = static_cast<float>(0.0 - double(w13));
    // Pivot 2: row 2 /= w22; row 1 -= w12·row 2.
    const float v23 = static_cast<float>(double(w23) / double(w22));
    const float v24 = static_cast<float>(1.0 / double(w22));
    const float v13 = static_cast<float>(double(w13) - double(w12) * double(v23));
    const float v14 = static_cast<float>(0.0 - double(w12) * double(v24));

    EXPECT_EQ(bits(AINV(1, 1)), bits(v13));
    EXPECT_EQ(bits(AINV(1, 2)), bits(v14));
    EXPECT_EQ(bits(AINV(2, 1)), bits(v23));
    EXPECT_EQ(bits(AINV(2, 2)), bits(v24));
    EXPECT_NE(bits(AINV(1, 1)), bits(0.35f));
    EXPECT_NE(bits(AINV(1, 2)), bits(-0.05f));
}

TEST(Invert, LaminateStiffnessTimesComplianceIsIdentity) {
    const MaterialTable m = test::carbon_epoxy();
    const PlyStack s = test::stack_of(m, {30, -60, 45, 10, 90, 0, 0, 90, 10, 45, -60, 30});
    LaminateStiffness l{};
    STIFFNESS(m, s, l);
    for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j <= 6; ++j) {
            double sum = 0.0;
            for (int k = 1; k <= 6; ++k) sum += double(l.ABD(i, k)) * double(l.abd(k, j));
            EXPECT_NEAR(sum, i == j ? 1.0 : 0.0, 1e-6) << i << "," << j;
        }
    }
}

TEST(Invert, BlockDiagonalInvertsBlockByBlock) {
    // The A and D blocks of an angle-ply laminate, B set to exactly zero.
    const MaterialTable m = test::carbon_epoxy();
    LaminateStiffness l{};
    STIFFNESS(m, test::stack_of(m, {30, -30, 0, 90, 90, 0, -30, 30}), l);
    Mat<float, 6, 6> ABD = l.ABD, abd{}, A{}, D{}, Ainv{}, Dinv{};
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            ABD(i, j + 3) = ABD(i + 3, j) = 0.0f;
            A(i, j) = ABD(i, j);
            D(i, j) = ABD(i + 3, j + 3);
        }
    }
    INVERT(6, ABD, abd);
    const int N = 3;
    INVERT(N, A, Ainv);
    INVERT(N, D, Dinv);
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            EXPECT_EQ(bits(abd(i, j)), bits(Ainv(i, j))) << i << "," << j;
            EXPECT_EQ(bits(abd(i + 3, j + 3)), bits(Dinv(i, j))) << i << "," << j;
            EXPECT_EQ(abd(i, j + 3), 0.0f);
            EXPECT_EQ(abd(i + 3, j), 0.0f);
        }
    }
}

TEST(Invert, ZeroPivotIsNotCaught) {
    // Invertible, but only with a row exchange, which the elimination never makes.
    Mat<float, 6, 6> A{}, AINV{};
    A(1, 2) = 1.0f;
    A(2, 1) = 1.0f;
    INVERT(2, A, AINV);
    bool non_finite = false;
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j) non_finite = non_finite || !std::isfinite(AINV(i, j));
    EXPECT_TRUE(non_finite);
}
