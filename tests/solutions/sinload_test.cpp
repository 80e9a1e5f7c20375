#include <gtest/gtest.h>

#include <cmath>

#include "solutions/sinload.h"
#include "support/plates.h"

using namespace veldran;
using namespace veldran::testing;

namespace {

struct Plate {
    float a, b;
    LaminateStiffness s;
};

const Plate plates[] = {
    {1.0f, 1.0f, isotropic(1000.0f)},
    {2.5f, 2.5f, isotropic(37.5f)},
    {2.0f, 1.5f, orthotropic()},
    {0.7f, 1.9f, orthotropic()},
};

/// WMAX[1] of the sinusoidal solution for the given case, loads and temperatures.
float sinload(const Plate& p, int LCASE, float Nxx, float Nyy, float q0, float TFREE = 20.0f,
              float TASSEM = 20.0f, float TSERV = 20.0f) {
    Vec<float, 6> LOADS{};
    LOADS[1] = Nxx;
    LOADS[2] = Nyy;
    LOADS[6] = q0;
    Vec<float, MAXROWS> WMAX{};
    SINLOAD(LCASE, p.a, p.b, LOADS, TFREE, TASSEM, TSERV, p.s.ABD, p.s.EFF, PI, WMAX);
    return WMAX[1];
}

/// q0·(b·R)⁴ / (π⁴·(B + (a/π)²·N)) in long double, from the stored R.
long double closed_form(const Plate& p, long double N, long double q0) {
    const long double R = float(double(p.a) / double(p.b));
    const long double D11 = p.s.ABD(4, 4), D12 = p.s.ABD(4, 5), D22 = p.s.ABD(5, 5),
                      D66 = p.s.ABD(6, 6);
    const long double B = D11 + 2 * (D12 + 2 * D66) * R * R + D22 * R * R * R * R;
    const long double pi = PI, a = p.b * R;
    return q0 * a * a * a * a / (pi * pi * pi * pi * (B + a * a / (pi * pi) * N));
}

} // namespace

TEST(Sinload, UnloadedCase2IsTheClosedForm) {
    for (const Plate& p : plates) {
        EXPECT_LE(ulps(sinload(p, 2, 0.0f, 0.0f, 1.5f), closed_form(p, 0, 1.5L)), 2.0) << p.a;
    }
    // Square isotropic-like plate: q0·a⁴ / (4·π⁴·D).
    const long double pi = PI;
    EXPECT_LE(ulps(sinload(plates[1], 2, 0.0f, 0.0f, 3.0f),
                   3.0L * 2.5L * 2.5L * 2.5L * 2.5L / (4 * pi * pi * pi * pi * 37.5L)),
              2.0);
}

TEST(Sinload, Case2InPlaneLoads) {
    for (const Plate& p : plates) {
        const long double R = float(double(p.a) / double(p.b));
        const float Nxx = -150.0f, Nyy = 320.0f;
        EXPECT_LE(ulps(sinload(p, 2, Nxx, Nyy, 1.5f), closed_form(p, Nxx + R * R * Nyy, 1.5L)), 4.0)
            << p.a;
    }
    // Tension lowers the deflection, compression raises it; past the buckling
    // load of mode (1, 1) the sign changes.
    const Plate& p = plates[0];
    const float w0 = sinload(p, 2, 0.0f, 0.0f, 1.0f);
    EXPECT_LT(sinload(p, 2, 500.0f, 0.0f, 1.0f), w0);
    EXPECT_LT(sinload(p, 2, 0.0f, 500.0f, 1.0f), w0);
    EXPECT_GT(sinload(p, 2, -500.0f, 0.0f, 1.0f), w0);
    const float Ncr = -4.0f * PI * PI * 1000.0f;
    EXPECT_GT(std::fabs(sinload(p, 2, Ncr, 0.0f, 1.0f)), 1.0e4f * w0);
    EXPECT_LT(sinload(p, 2, 1.5f * Ncr, 0.0f, 1.0f), 0.0f);
}

TEST(Sinload, Case1WithoutTemperatureChangeIsUnloadedCase2) {
    for (const Plate& p : plates) {
        const float w = sinload(p, 2, 0.0f, 0.0f, 1.5f);
        for (float TFREE : {-40.0f, 0.0f, 20.0f, 123.4f})
            for (float T : {20.0f, 77.7f, -3.3f})
                EXPECT_EQ(bits(sinload(p, 1, 900.0f, -800.0f, 1.5f, TFREE, T, T)), bits(w));
    }
    // Without expansion the temperatures do not matter.
    Plate cold = plates[2];
    cold.s.EFF(10) = cold.s.EFF(11) = 0.0f;
    EXPECT_EQ(bits(sinload(cold, 1, 0.0f, 0.0f, 1.5f, 10.0f, 30.0f, 250.0f)),
              bits(sinload(cold, 2, 0.0f, 0.0f, 1.5f)));
}

TEST(Sinload, Case1IsCase2UnderTheRestrainedThermalForces) {
    for (const Plate& p : plates) {
        const long double A11 = p.s.ABD(1, 1), A12 = p.s.ABD(1, 2), A22 = p.s.ABD(2, 2);
        const long double ax = p.s.EFF(10), ay = p.s.EFF(11);
        const long double R = float(double(p.a) / double(p.b));
        for (float TSERV : {-30.0f, 45.0f, 60.0f}) {
            const long double dT = TSERV - 25.0L;
            const long double NxT = -(A11 * ax + A12 * ay) * dT, NyT = -(A12 * ax + A22 * ay) * dT;
            const float w = sinload(p, 1, 0.0f, 0.0f, 1.5f, 20.0f, 25.0f, TSERV);
            EXPECT_LE(ulps(w, closed_form(p, NxT + R * R * NyT, 1.5L)), 4.0) << p.a << ' ' << TSERV;
        }
    }
}

TEST(Sinload, Case1HeatedPlateDeflectsMore) {
    // Heated after assembly, a plate with positive expansion is compressed;
    // cooled, it is stretched. Far enough, the compression passes the
    // buckling load of mode (1, 1) and the deflection changes sign.
    const Plate& p = plates[0];
    const float w0 = sinload(p, 2, 0.0f, 0.0f, 1.5f);
    EXPECT_GT(sinload(p, 1, 0.0f, 0.0f, 1.5f, 20.0f, 25.0f, 45.0f), w0);
    EXPECT_LT(sinload(p, 1, 0.0f, 0.0f, 1.5f, 20.0f, 25.0f, 5.0f), w0);
    EXPECT_LT(sinload(p, 1, 0.0f, 0.0f, 1.5f, 20.0f, 25.0f, 3000.0f), 0.0f);
}

TEST(Sinload, Case3) {
    for (const Plate& p : plates) {
        const long double A11 = p.s.ABD(1, 1), A12 = p.s.ABD(1, 2), A22 = p.s.ABD(2, 2);
        const long double ay = p.s.EFF(11);
        const long double R = float(double(p.a) / double(p.b));
        const float Nxx = -120.0f;
        const float w = sinload(p, 3, Nxx, 0.0f, 1.5f, 20.0f, 25.0f, 40.0f);
        const long double N = Nxx * (1 + R * R * A12 / A11) +
                              R * R * (25.0L - 40.0L) * (A11 * A22 - A12 * A12) * ay / A11;
        EXPECT_LE(ulps(w, closed_form(p, N, 1.5L)), 4.0) << p.a;
        // Nyy is not read.
        for (float Nyy : {-1.0e4f, 3.0f, 7.5e5f})
            EXPECT_EQ(bits(sinload(p, 3, Nxx, Nyy, 1.5f, 20.0f, 25.0f, 40.0f)), bits(w));
        // No Nxx and no change after assembly: the unloaded S4 plate.
        EXPECT_EQ(bits(sinload(p, 3, 0.0f, 99.0f, 1.5f, 10.0f, 35.0f, 35.0f)),
                  bits(sinload(p, 2, 0.0f, 0.0f, 1.5f)));
    }
}

TEST(Sinload, ZeroLoadGivesZero) {
    for (int LCASE : {1, 2, 3})
        EXPECT_EQ(sinload(plates[2], LCASE, -50.0f, 70.0f, 0.0f, 0.0f, 20.0f, 90.0f), 0.0f);
}
