#include <gtest/gtest.h>

#include <cmath>

#include "stiffness/abdmatr.h"
#include "stiffness/laminates.h"
#include "stiffness/ply_stiffness.h"

using namespace veldran;
using veldran::test::bits;

namespace {

struct Laminate {
    MaterialTable m;
    PlyStack s;
    Mat3<float, 3, 3, MAXMAT> Q{};
    Mat3<float, 3, 3, MAXPLY> Qbar{};
    Vec<float, MAXPLY + 1> Z{};
    Mat<float, 6, 6> ABD{};
};

Laminate assemble(std::initializer_list<float> degrees) {
    Laminate l;
    l.m = test::carbon_epoxy();
    l.s = test::stack_of(l.m, degrees);
    QUEW(l.m.E11, l.m.E22, l.m.NU12, l.m.G12, l.Q, l.m.NMAT);
    QBAR(l.Q, l.Qbar, l.s.PLYRAD, l.s.PLYMAT, l.s.NPLY);
    ABDMATR(l.s.NPLY, l.s.TTOTAL, l.Z, l.Qbar, l.ABD, l.m.ESPESOR, l.s.PLYMAT);
    return l;
}

} // namespace

TEST(Abdmatr, UnidirectionalLaminateIsThicknessTimesQ) {
    const Laminate l = assemble({0, 0, 0, 0, 0, 0, 0, 0});
    const double H = l.s.TTOTAL;
    EXPECT_EQ(l.Z[1], static_cast<float>(-H / 2.0));
    EXPECT_NEAR(l.Z[9], H / 2.0, H * 1e-6);
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            const double q = l.Q(i, j, 1), scale = l.Q(1, 1, 1);
            EXPECT_NEAR(l.ABD(i, j), H * q, H * scale * 1e-6) << i << "," << j;
            EXPECT_NEAR(l.ABD(i + 3, j + 3), H * H * H / 12.0 * q, H * H * H * scale * 1e-6);
            EXPECT_NEAR(l.ABD(i, j + 3), 0.0, H * H * scale * 1e-6);
        }
    }
}

TEST(Abdmatr, IsExactlySymmetric) {
    const Laminate l = assemble({30, -45, 60, 0, 90, 15, 15, 90, 0, 60, -45, 30});
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j)
            EXPECT_EQ(bits(l.ABD(i, j)), bits(l.ABD(j, i))) << i << "," << j;
}

TEST(Abdmatr, CrossPlyHasNoShearCoupling) {
    const Laminate l = assemble({0, 90, 90, 0});
    for (auto [i, j] : {std::pair{1, 3}, {2, 3}, {4, 6}, {5, 6}})
        EXPECT_EQ(bits(l.ABD(i, j)), 0u) << i << "," << j;
    EXPECT_FLOAT_EQ(l.ABD(1, 1), l.ABD(2, 2));
}

TEST(Abdmatr, NoPliesGivesAZeroMatrix) {
    Mat<float, 6, 6> ABD{};
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j) ABD(i, j) = 9.0f;
    Vec<float, MAXPLY + 1> Z{};
    ABDMATR(0, 0.0f, Z, Mat3<float, 3, 3, MAXPLY>{}, ABD, Vec<float, MAXMAT>{},
            Vec<std::int32_t, MAXPLY>{});
    EXPECT_EQ(Z[1], 0.0f);
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j) EXPECT_EQ(ABD(i, j), 0.0f) << i << "," << j;
}

// D is a running float sum of the unscaled terms, divided by 3 once at the
// end; here that fixes the last bit (dividing each term differs).
TEST(Abdmatr, BendingSumIsScaledAfterTheLoop) {
    const Laminate l = assemble({0, 30, 90});
    float D = 0.0f, Dterm = 0.0f;
    for (int k = 1; k <= 3; ++k) {
        const double z0 = l.Z[k], z1 = l.Z[k + 1], q = l.Qbar(1, 1, k);
        D = static_cast<float>(double(D) + q * (z1 * z1 * z1 - z0 * z0 * z0));
        Dterm = static_cast<float>(double(Dterm) + q * (z1 * z1 * z1 - z0 * z0 * z0) / 3.0);
    }
    D = static_cast<float>(double(D) / 3.0);
    EXPECT_EQ(bits(l.ABD(4, 4)), bits(D));
    EXPECT_NE(bits(D), bits(Dterm));
}
