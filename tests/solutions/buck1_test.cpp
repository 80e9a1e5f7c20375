#include <gtest/gtest.h>

#include <cmath>

#include "solutions/buck1.h"
#include "support/plates.h"

using namespace veldran;
using namespace veldran::testing;

namespace {

/// BUCK1 on a record whose results and modes start marked.
PlateResults buck1(float a, float b, const LaminateStiffness& s, int LOPT, float N1, float N2) {
    Vec<float, 6> L{};
    L[1] = N1;
    L[2] = N2;
    PlateResults r = marked_results();
    BUCK1(a, b, s.ABD, L, LOPT, r.NCR1, r.MODEM1, r.MODEN1, r.NCR2, r.MODEM2, r.MODEN2);
    return r;
}

const long double pi = PI;
const LaminateStiffness iso = isotropic(1000.0f);

} // namespace

TEST(Buck1, SquarePlateUnderUniaxialCompression) {
    // −4·π²·D/a² in mode (1, 1), for Nxx critical (option 1) and, by symmetry,
    // for Nyy critical (option 2); NCR2 and its mode are left alone.
    for (int LOPT : {1, 2}) {
        const PlateResults r = buck1(1.5f, 1.5f, iso, LOPT, 0.0f, 0.0f);
        EXPECT_LE(ulps(r.NCR1, -4 * pi * pi * 1000 / (1.5L * 1.5L)), 4.0) << LOPT;
        EXPECT_EQ(r.MODEM1, 1);
        EXPECT_EQ(r.MODEN1, 1);
        EXPECT_EQ(bits(r.NCR2), bits(-1.0E30f));
        EXPECT_EQ(r.MODEM2, 33);
        EXPECT_EQ(r.MODEN2, 34);
    }
}

TEST(Buck1, ModeFollowsTheAspectRatio) {
    // k-curve: Nxx = −k·π²·D/b², k = (m·b/a + a/(m·b))², minimal over m with
    // m + 1 half-waves taking over at a/b = √(m·(m + 1)).
    const struct {
        float ratio;
        int m;
    } cases[] = {
        {0.5f, 1},  {1.0f, 1},  {1.40f, 1}, {1.43f, 2}, {2.0f, 2},
        {2.44f, 2}, {2.46f, 3}, {3.4f, 3},  {3.5f, 4},  {6.0f, 6},
    };
    for (const auto& c : cases) {
        const PlateResults r = buck1(c.ratio, 1.0f, iso, 1, 0.0f, 0.0f);
        const long double R = c.ratio, k = (c.m / R + R / c.m) * (c.m / R + R / c.m);
        EXPECT_EQ(r.MODEM1, c.m) << c.ratio;
        EXPECT_EQ(r.MODEN1, 1) << c.ratio;
        EXPECT_NEAR(double(r.NCR1 / (-k * pi * pi * 1000)), 1.0, 1.0e-6) << c.ratio;
    }
}

TEST(Buck1, HeldCompressionBeyondItsOwnBucklingLoadNeedsTension) {
    // Nyy = −5·π²·D/b² on a square: DMN + L < 0 for mode (1, 1) alone, which
    // then needs the tension Nxx = π²·D/a², the smallest magnitude of all.
    const float Nyy = float(-5 * pi * pi * 1000);
    const PlateResults r = buck1(1.0f, 1.0f, iso, 1, 0.0f, Nyy);
    EXPECT_NEAR(double(r.NCR1 / (pi * pi * 1000)), 1.0, 1.0e-5);
    EXPECT_EQ(r.MODEM1, 1);
    EXPECT_EQ(r.MODEN1, 1);
}

TEST(Buck1, TiesKeepTheFirstModeAndNaNNeverWins) {
    // No bending stiffness: every mode gives −0, the first is kept.
    const LaminateStiffness none{};
    PlateResults r = buck1(1.0f, 1.0f, none, 1, 0.0f, 0.0f);
    EXPECT_EQ(bits(r.NCR1), bits(-0.0f));
    EXPECT_EQ(r.MODEM1, 1);
    EXPECT_EQ(r.MODEN1, 1);
    // A zero length on top: every mode is 0·∞ = NaN, nothing is kept.
    r = buck1(0.0f, 1.0f, none, 1, 0.0f, 0.0f);
    EXPECT_EQ(bits(r.NCR1), bits(1.0E30f));
    EXPECT_EQ(r.MODEM1, 31);
    EXPECT_EQ(r.MODEN1, 32);
}

TEST(Buck1, ProportionalLoadingWithoutNegativeRatio) {
    // k ≥ 0 (and an option other than 1 or 2): every mode compresses in x.
    for (int LOPT : {3, 0, 4})
        for (float k : {0.0f, 1.0f, 3.5f}) {
            const PlateResults r = buck1(1.0f, 1.0f, iso, LOPT, 0.0f, k);
            EXPECT_EQ(bits(r.NCR1), bits(1.0E30f));
            EXPECT_EQ(r.MODEM1, 31);
            EXPECT_EQ(r.MODEN1, 32);
            // Square: −4·π²·D/((1 + k)·a²) in mode (1, 1).
            EXPECT_LE(ulps(r.NCR2, -4 * pi * pi * 1000 / (1 + k)), 4.0) << k;
            EXPECT_EQ(r.MODEM2, 1);
            EXPECT_EQ(r.MODEN2, 1);
        }
}

TEST(Buck1, ProportionalLoadingWithNegativeRatio) {
    // k = −1 on a square: NX = −π²·D·(m² + n²)²/(a²·(m² − n²)), tension in x
    // for m < n, compression for m > n; the smallest are (1, 2) and (2, 1).
    PlateResults r = buck1(1.0f, 1.0f, iso, 3, 0.0f, -1.0f);
    EXPECT_LE(ulps(r.NCR1, 25 * pi * pi * 1000 / 3), 4.0);
    EXPECT_EQ(r.MODEM1, 1);
    EXPECT_EQ(r.MODEN1, 2);
    EXPECT_LE(ulps(r.NCR2, -25 * pi * pi * 1000 / 3), 4.0);
    EXPECT_EQ(r.MODEM2, 2);
    EXPECT_EQ(r.MODEN2, 1);
    // A tiny negative k: no mode up to n = 50 turns X negative.
    r = buck1(1.0f, 1.0f, iso, 3, 0.0f, -1.0e-6f);
    EXPECT_EQ(bits(r.NCR1), bits(1.0E30f));
    EXPECT_EQ(r.MODEM1, 31);
    EXPECT_EQ(r.MODEN1, 32);
    EXPECT_LE(ulps(r.NCR2, -4 * pi * pi * 1000 / (1 + (long double)-1.0e-6f)), 4.0);
}
