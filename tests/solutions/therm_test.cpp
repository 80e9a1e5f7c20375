#include <gtest/gtest.h>

#include "solutions/therm.h"
#include "support/plates.h"

using namespace veldran;
using namespace veldran::testing;

namespace {

PlateResults therm(float a, float b, const LaminateStiffness& s, float TASSEM) {
    PlateResults r = marked_results();
    THERM(a, b, s.ABD, s.EFF, TASSEM, r.TCR, r.MODEM1, r.MODEN1);
    return r;
}

} // namespace

TEST(Therm, SquareIsotropicLikePlate) {
    // TASSEM + 2·π²·D/(a²·(A11 + A12)·α) in mode (1, 1); negative expansion
    // buckles on cooling.
    const long double pi = PI;
    for (float alpha : {1.0e-5f, -2.0e-5f}) {
        const LaminateStiffness s = isotropic(1000.0f, 1.0e6f, alpha);
        const long double DT = 2 * pi * pi * 1000 / (1.5L * 1.5L * (1.0e6L + 3.0e5L) * alpha);
        const PlateResults r = therm(1.5f, 1.5f, s, 20.0f);
        EXPECT_LE(ulps(r.TCR, 20.0L + DT), 2.0) << alpha;
        EXPECT_EQ(r.TCR < 20.0f, alpha < 0.0f);
        EXPECT_EQ(r.MODEM1, 1);
        EXPECT_EQ(r.MODEN1, 1);
        EXPECT_EQ(bits(r.NCR1), bits(11.0f));
        EXPECT_EQ(r.MODEM2, 33);
    }
}

TEST(Therm, LongPlateStillBucklesInOneHalfWave) {
    // Equal biaxial compression: TASSEM + π²·D·(1/a² + 1/b²)/((A11 + A12)·α)
    // in mode (1, 1) whatever the aspect ratio.
    const long double pi = PI;
    const LaminateStiffness s = isotropic(1000.0f);
    const PlateResults r = therm(4.0f, 1.0f, s, 10.0f);
    const long double DT = pi * pi * 1000 * (1 / 16.0L + 1) / (1.3e6L * (long double)1.0e-5f);
    EXPECT_LE(ulps(r.TCR, 10 + DT), 4.0);
    EXPECT_EQ(r.MODEM1, 1);
    EXPECT_EQ(r.MODEN1, 1);
}

TEST(Therm, ZeroExpansionFindsNoMode) {
    const LaminateStiffness s = isotropic(1000.0f, 1.0e6f, 0.0f);
    for (float TASSEM : {20.0f, -5.0f}) {
        const PlateResults r = therm(1.0f, 1.0f, s, TASSEM);
        EXPECT_EQ(bits(r.TCR), bits(float(double(1.0E30f) + double(TASSEM))));
        EXPECT_EQ(r.MODEM1, 31);
        EXPECT_EQ(r.MODEN1, 32);
    }
}
