#include <gtest/gtest.h>

#include <cmath>

#include "stiffness/chain.h"
#include "stiffness/effect.h"
#include "stiffness/laminates.h"

using namespace veldran;
using veldran::test::bits;

TEST(Stiffness, UnidirectionalLaminateHasThePlyProperties) {
    const MaterialTable m = test::carbon_epoxy();
    const PlyStack s = test::stack_of(m, {0, 0, 0, 0, 0, 0, 0, 0});
    LaminateStiffness l{};
    l.DELTAC = 3.0f; // the chain resets the second change and its resultants
    for (int i = 1; i <= 6; ++i) l.NMC[i] = 1.0e6f;
    STIFFNESS(m, s, l);

    const auto& EFF = l.EFF;
    const double E11 = m.E11[1], E22 = m.E22[1], NU12 = m.NU12[1], G12 = m.G12[1];
    EXPECT_NEAR(EFF[1], E11, E11 * 1e-6);
    EXPECT_NEAR(EFF[2], E22, E22 * 1e-6);
    EXPECT_NEAR(EFF[3], NU12, NU12 * 1e-6);
    EXPECT_NEAR(EFF[4], NU12 * E22 / E11, NU12 * E22 / E11 * 1e-6);
    EXPECT_NEAR(EFF[5], G12, G12 * 1e-6);
    for (int i = 6; i <= 9; ++i) EXPECT_EQ(EFF[i], 0.0f) << i;
    EXPECT_NEAR(EFF[16], EFF[1], E11 * 1e-6);
    EXPECT_NEAR(EFF[17], EFF[2], E22 * 1e-6);
    EXPECT_NEAR(EFF[18], EFF[3], NU12 * 1e-6);
    EXPECT_NEAR(EFF[19], EFF[4], NU12 * E22 / E11 * 1e-6);

    // Free expansion: the small fibre-direction value comes out of a
    // difference of terms about twenty times larger.
    const double ALP11 = m.ALP11[1], ALP22 = m.ALP22[1];
    EXPECT_NEAR(EFF[10], ALP11, ALP11 * 1e-5);
    EXPECT_NEAR(EFF[11], ALP22, ALP22 * 1e-6);
    EXPECT_EQ(EFF[12], 0.0f);
    for (int i = 13; i <= 15; ++i) EXPECT_EQ(EFF[i], 0.0f) << i;

    EXPECT_EQ(l.DELTAT, 0.0f);
    EXPECT_EQ(l.DELTAC, 0.0f);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(l.NMT[i], 0.0f) << i;
        EXPECT_EQ(l.NMC[i], 0.0f) << i;
    }
    // Only the one material's [Q] is computed.
    for (int mat = 2; mat <= MAXMAT; ++mat) EXPECT_EQ(bits(l.Q(1, 1, mat)), 0u);
}

TEST(Stiffness, CrossPlyHasNoCouplingRatios) {
    const MaterialTable m = test::carbon_epoxy();
    LaminateStiffness l{};
    STIFFNESS(m, test::stack_of(m, {0, 90, 0, 90, 90, 0, 90, 0}), l);
    for (int i = 6; i <= 9; ++i) EXPECT_EQ(l.EFF[i], 0.0f) << i;
    EXPECT_FLOAT_EQ(l.EFF[1], l.EFF[2]);
    EXPECT_GT(l.EFF[16], l.EFF[17]); // the faces carry fibre along x
}

// A change below 0.001 in magnitude stands for a unit change and its
// resultants are cleared; a larger one divides and leaves them.
TEST(Effect, SmallChangeIsAUnitChangeAndClearsItsResultants) {
    Mat<float, 6, 6> abd{};
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j) abd(i, j) = static_cast<float>(i + 2 * j);
    Vec<float, 6> given{};
    for (int j = 1; j <= 6; ++j) given[j] = static_cast<float>(j);
    // Row sums of abd(i,j)·j over j = 1..6: 21i + 182.
    const double row[3] = {203.0, 224.0, 245.0};

    struct Case { float change; double T; bool cleared; };
    for (const Case c : {Case{0.0f, 1.0, true}, Case{1.0E-4f, 1.0, true},
                         Case{-9.99E-4f, 1.0, true}, Case{0.001f, 0.001f, false},
                         Case{-2.0f, -2.0, false}}) {
        for (bool second : {false, true}) {
            Vec<float, 19> EFF{};
            Vec<float, 6> NMT = given, NMC = given;
            const float DELTAT = second ? 0.0f : c.change;
            const float DELTAC = second ? c.change : 0.0f;
            EFFECT(DELTAT, DELTAC, 1.0f, EFF, abd, NMT, NMC);
            const int first = second ? 13 : 10;
            const Vec<float, 6>& used = second ? NMC : NMT;
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(EFF[first + i], static_cast<float>(row[i] / c.T))
                    << c.change << " " << second << " " << i;
            for (int j = 1; j <= 6; ++j)
                EXPECT_EQ(used[j], c.cleared ? 0.0f : given[j]) << c.change << " " << second;
            EXPECT_EQ(DELTAT, second ? 0.0f : c.change);
        }
    }
}

// The shear coupling ratio and the second flexural Poisson's ratio read the
// upper triangle of [abd].
TEST(Effect, CouplingRatiosReadTheUpperTriangle) {
    Mat<float, 6, 6> abd{};
    for (int i = 1; i <= 6; ++i) abd(i, i) = 2.0f;
    abd(2, 3) = 1.0f;  abd(3, 2) = 5.0f;
    abd(4, 5) = -1.0f; abd(5, 4) = 7.0f;
    Vec<float, 19> EFF{};
    Vec<float, 6> NMT{}, NMC{};
    EFFECT(0.0f, 0.0f, 1.0f, EFF, abd, NMT, NMC);
    EXPECT_EQ(EFF[7], 0.5f);
    EXPECT_EQ(EFF[9], 0.5f);
    EXPECT_EQ(EFF[18], 0.5f);
    EXPECT_EQ(EFF[19], 0.5f);
}
