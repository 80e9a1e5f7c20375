#include <gtest/gtest.h>

#include <cmath>

#include "stiffness/abdmatr.h"
#include "stiffness/laminates.h"
#include "stiffness/ply_stiffness.h"
#include "stiffness/thermal.h"

using namespace veldran;
using veldran::test::bits;

TEST(Expans, ZeroDegreesExactNinetyDegreesKeepsATinyShearTerm) {
    const MaterialTable m = test::carbon_epoxy();
    const PlyStack s = test::stack_of(m, {0.0f, 90.0f});
    Mat<float, 3, MAXPLY> ALPHA{};
    EXPANS(m.ALP11, m.ALP22, s.PLYRAD, ALPHA, s.PLYMAT, s.NPLY);

    EXPECT_EQ(bits(ALPHA(1, 1)), bits(m.ALP11[1]));
    EXPECT_EQ(bits(ALPHA(2, 1)), bits(m.ALP22[1]));
    EXPECT_EQ(ALPHA(3, 1), 0.0f); // -0.0 here: 2·1·0·(ALP11 - ALP22) with ALP11 < ALP22

    // cos of the float nearest pi/2 is -4.37e-8, and no exact value is put in.
    EXPECT_FLOAT_EQ(ALPHA(1, 2), m.ALP22[1]);
    EXPECT_FLOAT_EQ(ALPHA(2, 2), m.ALP11[1]);
    const double expected = -8.742278e-8 * (double(m.ALP11[1]) - double(m.ALP22[1]));
    EXPECT_NE(ALPHA(3, 2), 0.0f);
    EXPECT_NEAR(ALPHA(3, 2), expected, std::fabs(expected) * 1e-6);
}

// The sine and cosine stay in double; rounding them to float first would
// change the last bit of ALPHA(1) and ALPHA(3) at 30 degrees.
TEST(Expans, ThirtyDegreesUsesTheUnroundedSineAndCosine) {
    const MaterialTable m = test::carbon_epoxy();
    const PlyStack s = test::stack_of(m, {30.0f});
    Mat<float, 3, MAXPLY> ALPHA{};
    EXPANS(m.ALP11, m.ALP22, s.PLYRAD, ALPHA, s.PLYMAT, s.NPLY);

    const double A1 = m.ALP11[1], A2 = m.ALP22[1];
    const double C = std::cos(double(s.PLYRAD[1])), S = std::sin(double(s.PLYRAD[1]));
    const double c = static_cast<float>(C), sn = static_cast<float>(S);
    EXPECT_EQ(bits(ALPHA(1, 1)), bits(static_cast<float>(C * C * A1 + S * S * A2)));
    EXPECT_EQ(bits(ALPHA(3, 1)), bits(static_cast<float>(2.0 * C * S * (A1 - A2))));
    EXPECT_NE(bits(ALPHA(1, 1)), bits(static_cast<float>(c * c * A1 + sn * sn * A2)));
    EXPECT_NE(bits(ALPHA(3, 1)), bits(static_cast<float>(2.0 * c * sn * (A1 - A2))));
}

class Thermal : public ::testing::Test {
protected:
    void SetUp() override {
        m = test::carbon_epoxy();
        s = test::stack_of(m, {0.0f, 45.0f, -45.0f, 90.0f, 90.0f, -45.0f, 45.0f, 0.0f});
        QUEW(m.E11, m.E22, m.NU12, m.G12, Q, m.NMAT);
        QBAR(Q, Qbar, s.PLYRAD, s.PLYMAT, s.NPLY);
        EXPANS(m.ALP11, m.ALP22, s.PLYRAD, ALPHA, s.PLYMAT, s.NPLY);
        ABDMATR(s.NPLY, s.TTOTAL, Z, Qbar, ABD, m.ESPESOR, s.PLYMAT);
    }
    Vec<float, 6> resultants(float DELTAT) const {
        Vec<float, 6> NMT{};
        THERMAL(s.NPLY, DELTAT, Qbar, ALPHA, Z, NMT);
        return NMT;
    }

    MaterialTable m;
    PlyStack s;
    Mat3<float, 3, 3, MAXMAT> Q{};
    Mat3<float, 3, 3, MAXPLY> Qbar{};
    Mat<float, 3, MAXPLY> ALPHA{};
    Vec<float, MAXPLY + 1> Z{};
    Mat<float, 6, 6> ABD{};
};

TEST_F(Thermal, NoChangeGivesTheUnitChangeResultants) {
    const float DELTAT = 0.0f;
    const Vec<float, 6> zero = resultants(DELTAT);
    const Vec<float, 6> unit = resultants(1.0f);
    EXPECT_EQ(DELTAT, 0.0f);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(bits(zero[i]), bits(unit[i])) << i;

    // A quasi-isotropic laminate expands equally in x and y, not in shear.
    EXPECT_GT(unit[1], 0.0f);
    EXPECT_FLOAT_EQ(unit[1], unit[2]);
    EXPECT_NEAR(unit[3], 0.0f, 1e-6f * unit[1]);
    // Symmetric stack: moments vanish only up to rounding.
    for (int i = 4; i <= 6; ++i) EXPECT_NEAR(unit[i], 0.0f, 1e-6f * unit[1] * s.TTOTAL) << i;
}

TEST_F(Thermal, ResultantsScaleWithTheChange) {
    const Vec<float, 6> unit = resultants(1.0f);
    struct Case { float DELTAT; double factor; };
    for (const Case c : {Case{2.0f, 2.0}, Case{-1.0f, -1.0}, Case{5.0E-5f, 5.0E-5},
                         Case{-5.0E-5f, -5.0E-5}, Case{4.9E-5f, 1.0}}) {
        const Vec<float, 6> NMT = resultants(c.DELTAT);
        for (int i = 1; i <= 3; ++i)
            EXPECT_NEAR(NMT[i], c.factor * unit[i], std::fabs(c.factor * unit[1]) * 1e-6)
                << c.DELTAT << " " << i;
    }
    // A negative change flips every sign exactly.
    const Vec<float, 6> minus = resultants(-1.0f);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(minus[i], -unit[i]) << i;
}

TEST(ThermalNoPlies, ClearsTheResultants) {
    Vec<float, 6> NMT{};
    for (int i = 1; i <= 6; ++i) NMT[i] = 7.0f;
    THERMAL(0, 0.0f, Mat3<float, 3, 3, MAXPLY>{}, Mat<float, 3, MAXPLY>{},
            Vec<float, MAXPLY + 1>{}, NMT);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(bits(NMT[i]), 0u);
}
