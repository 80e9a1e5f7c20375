#include <gtest/gtest.h>

#include <cmath>

#include "stiffness/laminates.h"
#include "stiffness/ply_stiffness.h"

using namespace veldran;
using veldran::test::bits;

namespace {

struct Ply {
    Mat3<float, 3, 3, MAXMAT> Q{};
    Mat3<float, 3, 3, MAXPLY> Qbar{};
};

/// [Q] of the carbon/epoxy material and [QBAR] of one ply at the given angle.
Ply one_ply(float degrees) {
    const MaterialTable m = test::carbon_epoxy();
    const PlyStack s = test::stack_of(m, {degrees});
    Ply p;
    QUEW(m.E11, m.E22, m.NU12, m.G12, p.Q, m.NMAT);
    QBAR(p.Q, p.Qbar, s.PLYRAD, s.PLYMAT, s.NPLY);
    return p;
}

} // namespace

TEST(Quew, ReducedStiffnessOfEachMaterialOnly) {
    MaterialTable m = test::carbon_epoxy();
    m.NMAT = 2;
    m.E11[2] = 70.0e9f; m.E22[2] = 70.0e9f; m.NU12[2] = 0.0f; m.G12[2] = 27.0e9f;
    Mat3<float, 3, 3, MAXMAT> Q{};
    QUEW(m.E11, m.E22, m.NU12, m.G12, Q, m.NMAT);

    // Plane-stress stiffness of material 1, symmetric, no shear coupling.
    const double den = 1.0 - 0.28 * 0.28 * 10.3 / 181.0;
    EXPECT_NEAR(Q(1, 1, 1), 181.0e9 / den, 181.0e9 * 1e-6);
    EXPECT_NEAR(Q(2, 2, 1), 10.3e9 / den, 10.3e9 * 1e-6);
    EXPECT_NEAR(Q(1, 2, 1), 0.28 * 10.3e9 / den, 10.3e9 * 1e-6);
    EXPECT_EQ(Q(3, 3, 1), 7.17e9f);
    EXPECT_EQ(bits(Q(2, 1, 1)), bits(Q(1, 2, 1)));
    EXPECT_EQ(Q(1, 3, 1), 0.0f);
    EXPECT_EQ(Q(3, 2, 1), 0.0f);

    // NU12 = 0 decouples the normal directions exactly.
    EXPECT_EQ(Q(1, 1, 2), 70.0e9f);
    EXPECT_EQ(Q(2, 2, 2), 70.0e9f);
    EXPECT_EQ(Q(1, 2, 2), 0.0f);
    EXPECT_EQ(Q(3, 3, 2), 27.0e9f);

    // Materials above NMAT are left alone.
    for (int mat = 3; mat <= MAXMAT; ++mat)
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) EXPECT_EQ(bits(Q(i, j, mat)), 0u);
}

TEST(Qbar, ZeroAndNinetyDegreesAreExact) {
    const Ply p0 = one_ply(0.0f);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            EXPECT_EQ(bits(p0.Qbar(i, j, 1)), bits(p0.Q(i, j, 1))) << i << "," << j;

    const Ply p90 = one_ply(90.0f);
    const auto& Q = p90.Q;
    const auto& B = p90.Qbar;
    EXPECT_EQ(bits(B(1, 1, 1)), bits(Q(2, 2, 1)));
    EXPECT_EQ(bits(B(2, 2, 1)), bits(Q(1, 1, 1)));
    EXPECT_EQ(bits(B(1, 2, 1)), bits(Q(1, 2, 1)));
    EXPECT_EQ(bits(B(3, 3, 1)), bits(Q(3, 3, 1)));
    for (auto [i, j] : {std::pair{1, 3}, {3, 1}, {2, 3}, {3, 2}}) EXPECT_EQ(bits(B(i, j, 1)), 0u);
}

TEST(Qbar, MinusNinetyDegreesKeepsComputedSineAndCosine) {
    const Ply p = one_ply(-90.0f);
    const float Q11 = p.Q(1, 1, 1);
    for (auto [i, j] : {std::pair{1, 3}, {2, 3}}) {
        const float coupling = p.Qbar(i, j, 1);
        EXPECT_NE(coupling, 0.0f) << i << "," << j;
        EXPECT_LT(std::fabs(coupling), 1e-7f * Q11) << i << "," << j;
    }
    EXPECT_FLOAT_EQ(p.Qbar(1, 1, 1), p.Q(2, 2, 1));
    EXPECT_FLOAT_EQ(p.Qbar(2, 2, 1), p.Q(1, 1, 1));
}

TEST(Qbar, FortyFiveDegreesBalancesTheAxes) {
    const Ply plus = one_ply(45.0f);
    const Ply minus = one_ply(-45.0f);
    const float quarter = (plus.Q(1, 1, 1) - plus.Q(2, 2, 1)) / 4.0f;
    EXPECT_FLOAT_EQ(plus.Qbar(1, 1, 1), plus.Qbar(2, 2, 1));
    EXPECT_FLOAT_EQ(plus.Qbar(1, 3, 1), quarter);
    EXPECT_FLOAT_EQ(plus.Qbar(2, 3, 1), quarter);
    EXPECT_FLOAT_EQ(minus.Qbar(1, 3, 1), -quarter);
    EXPECT_FLOAT_EQ(minus.Qbar(2, 3, 1), -quarter);
    for (const Ply* p : {&plus, &minus})
        for (auto [i, j] : {std::pair{2, 1}, {3, 1}, {3, 2}})
            EXPECT_EQ(bits(p->Qbar(i, j, 1)), bits(p->Qbar(j, i, 1)));
}

// At 30 degrees the rounding of the stored sine, cosine and powers shows in
// the last bit of QBAR11 and QBAR66.
TEST(Qbar, ThirtyDegreesRoundsAtEachStoredPower) {
    const Ply p = one_ply(30.0f);
    const double Q11 = p.Q(1, 1, 1), Q12 = p.Q(1, 2, 1), Q22 = p.Q(2, 2, 1), Q66 = p.Q(3, 3, 1);
    const double theta = double(static_cast<float>(double(PI) * 30.0 / 180.0));

    const float c = static_cast<float>(std::cos(theta)), s = static_cast<float>(std::sin(theta));
    const float c2 = static_cast<float>(double(c) * double(c));
    const float s2 = static_cast<float>(double(s) * double(s));
    const float c4 = static_cast<float>((double(c) * double(c)) * (double(c) * double(c)));
    const float s4 = static_cast<float>((double(s) * double(s)) * (double(s) * double(s)));
    const float qbar11 = static_cast<float>(
        Q11 * double(c4) + 2.0 * (Q12 + 2.0 * Q66) * double(s2) * double(c2) + Q22 * double(s4));
    const float qbar66 = static_cast<float>(
        (Q11 + Q22 - 2.0 * Q12 - 2.0 * Q66) * double(s2) * double(c2)
        + Q66 * (double(s4) + double(c4)));
    EXPECT_EQ(bits(p.Qbar(1, 1, 1)), bits(qbar11));
    EXPECT_EQ(bits(p.Qbar(3, 3, 1)), bits(qbar66));

    // Without the intermediate roundings both come out one unit higher.
    const double C = std::cos(theta), S = std::sin(theta);
    const float unrounded11 = static_cast<float>(
        Q11 * C * C * C * C + 2.0 * (Q12 + 2.0 * Q66) * S * S * C * C + Q22 * S * S * S * S);
    const float unrounded66 = static_cast<float>(
        (Q11 + Q22 - 2.0 * Q12 - 2.0 * Q66) * S * S * C * C + Q66 * (S * S * S * S + C * C * C * C));
    EXPECT_EQ(bits(unrounded11), bits(qbar11) + 1);
    EXPECT_EQ(bits(unrounded66), bits(qbar66) + 1);
}
