#include <gtest/gtest.h>

#include <cmath>

#include "solutions/navier.h"
#include "solutions/sinload.h"
#include "support/navier_literal.h"
#include "support/plates.h"

using namespace veldran;
using namespace veldran::testing;

namespace {

using Routine = void (*)(const std::int32_t&, const float&, const float&, const Mat<float, 6, 6>&,
                         const Vec<float, 6>&, Vec<float, MAXROWS>&);

struct Series {
    const char* name;
    Routine routine;
    literal::Load load;
};

const Series series[] = {
    {"UNIF", UNIF, literal::Load::UNIF},
    {"INTERN", INTERN, literal::Load::INTERN},
    {"POINT", POINT, literal::Load::POINT},
};

struct Plate {
    const char* name;
    float a, b;
    LaminateStiffness s;
    float Nxx, Nyy;
};

const Plate plates[] = {
    {"square", 1.0f, 1.0f, isotropic(1000.0f), 0.0f, 0.0f},
    {"rectangle with in-plane loads", 2.0f, 1.5f, orthotropic(), -900.0f, 250.0f},
    {"narrow, R < 1", 0.7f, 1.9f, orthotropic(), 300.0f, -40.0f},
    // Compression past the buckling load of the low modes: TOT < 0 there.
    {"overloaded", 1.0f, 1.0f, isotropic(1000.0f), -1.2e5f, 0.0f},
};

Vec<float, 6> loads(const Plate& p, float q) {
    Vec<float, 6> L{};
    L[1] = p.Nxx;
    L[2] = p.Nyy;
    L[6] = q;
    return L;
}

} // namespace

TEST(Navier, RowsAreBitForBitTheLiteralEvaluation) {
    for (const Plate& p : plates) {
        const Vec<float, 6> L = loads(p, 2.5f);
        for (const Series& s : series) {
            Vec<float, MAXROWS> fast{}, slow{};
            s.routine(50, p.a, p.b, p.s.ABD, L, fast);
            literal::study(s.load, 50, p.a, p.b, p.s.ABD, L, slow);
            for (int K = 1; K <= MAXROWS; ++K)
                ASSERT_EQ(bits(fast[K]), bits(slow[K]))
                    << s.name << ", " << p.name << ", row " << K;
        }
    }
}

TEST(Navier, OverloadedPlateHasNegativeTerms) {
    // The fourth plate is what its name says: the first row changes sign.
    const Plate& p = plates[3];
    Vec<float, MAXROWS> w{};
    POINT(3, p.a, p.b, p.s.ABD, loads(p, 1.0f), w);
    EXPECT_LT(w[1], 0.0f);
}

TEST(Navier, OneRowIsTheSinusoidalSolution) {
    // The single term m = n = 1 is SINLOAD's case 2 with the load's first
    // Fourier coefficient: 16·q/π², 32·P/(π²·a·b) (the central patch) or 4·P/(a·b).
    for (const Plate& p : plates) {
        const long double pi = PI, ab = (long double)p.a * p.b;
        const long double q0[] = {16 * 2.5L / (pi * pi), 32 * 2.5L / (pi * pi * ab), 4 * 2.5L / ab};
        for (int r = 0; r < 3; ++r) {
            Vec<float, MAXROWS> w{}, closed{};
            series[r].routine(1, p.a, p.b, p.s.ABD, loads(p, 2.5f), w);
            SINLOAD(2, p.a, p.b, loads(p, float(q0[r])), 0.0f, 0.0f, 0.0f, p.s.ABD, p.s.EFF, PI,
                    closed);
            EXPECT_LE(ulps(w[1], closed[1]), 4.0) << series[r].name << ", " << p.name;
            EXPECT_EQ(w[2], 0.0f);
        }
    }
}

TEST(Navier, PointRowsGrowWithK) {
    for (int i = 0; i < 3; ++i) {
        const Plate& p = plates[i];
        Vec<float, MAXROWS> w{};
        POINT(50, p.a, p.b, p.s.ABD, loads(p, 3.0f), w);
        // All terms are positive; once the new terms fall below the last
        // place of the sum, the rows stay level.
        for (int K = 2; K <= 50; ++K) {
            EXPECT_GE(w[K], w[K - 1]) << p.name << ", row " << K;
            if (K <= 20) {
                EXPECT_GT(w[K], w[K - 1]) << p.name << ", row " << K;
            }
        }
    }
}

TEST(Navier, ZeroLoadGivesZeroRows) {
    for (const Series& s : series) {
        Vec<float, MAXROWS> w = marked_results().WMAX;
        s.routine(7, plates[1].a, plates[1].b, plates[1].s.ABD, loads(plates[1], 0.0f), w);
        for (int K = 1; K <= 7; ++K) EXPECT_EQ(bits(w[K]), 0u) << s.name << ", row " << K;
    }
}

TEST(Navier, OnlyRowsUpToMnmaxChange) {
    const PlateResults marked = marked_results();
    for (const Series& s : series)
        for (int MNMAX : {-1, 0, 1, 2, 17}) {
            Vec<float, MAXROWS> w = marked.WMAX;
            s.routine(MNMAX, plates[1].a, plates[1].b, plates[1].s.ABD, loads(plates[1], 1.0f), w);
            for (int K = 1; K <= MAXROWS; ++K)
                EXPECT_EQ(w[K] == marked.WMAX[K], K > MNMAX) << s.name << " " << MNMAX << " " << K;
        }
}

TEST(Navier, SeriesSizeAboveTheTableStopsAtFifty) {
    for (const Series& s : series) {
        Vec<float, MAXROWS> w60{}, w50{};
        s.routine(60, plates[2].a, plates[2].b, plates[2].s.ABD, loads(plates[2], 1.0f), w60);
        s.routine(50, plates[2].a, plates[2].b, plates[2].s.ABD, loads(plates[2], 1.0f), w50);
        for (int K = 1; K <= MAXROWS; ++K) EXPECT_EQ(bits(w60[K]), bits(w50[K])) << s.name;
    }
}

TEST(Navier, ClassicalCentreDeflectionsOfASquarePlate) {
    // Isotropic-like square plate, D = 1000, a = 2: uniform load
    // 0.00406·q·a⁴/D, central point load 0.0116·P·a²/D.
    const LaminateStiffness s = isotropic(1000.0f);
    const float a = 2.0f;
    Vec<float, 6> L{};
    L[6] = 1.0f;
    Vec<float, MAXROWS> w{};
    UNIF(50, a, a, s.ABD, L, w);
    EXPECT_NEAR(w[50] * 1000.0 / (a * a * a * a), 0.00406, 0.000005);
    EXPECT_NEAR(w[50], w[49], 1.0e-6 * w[50]);
    POINT(50, a, a, s.ABD, L, w);
    EXPECT_NEAR(w[50] * 1000.0 / (a * a), 0.0116, 0.00005);
    EXPECT_NEAR(w[5] * 1000.0 / (a * a), 0.0116, 0.0005); // slowly
}
