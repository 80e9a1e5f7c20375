#include <gtest/gtest.h>

#include "solutions/buck1.h"
#include "solutions/navier.h"
#include "solutions/sinload.h"
#include "solutions/solve.h"
#include "solutions/therm.h"
#include "support/plates.h"

using namespace veldran;
using namespace veldran::testing;

namespace {

PlateProblem problem(int LCASE) {
    PlateProblem p{};
    p.a = 2.0f;
    p.b = 1.5f;
    p.LCASE = LCASE;
    p.LOPT = 3;
    p.MNMAX = 6;
    p.LOADS[1] = -40.0f;
    p.LOADS[2] = -0.5f;
    p.LOADS[6] = 1.5f;
    p.TFREE = 15.0f;
    p.TASSEM = 20.0f;
    p.TSERV = 70.0f;
    return p;
}

/// What the selected routine should give, called directly on a marked record.
PlateResults expected(int routine, const PlateProblem& p, const LaminateStiffness& s) {
    PlateResults r = marked_results();
    switch (routine) {
    case 1:
        SINLOAD(p.LCASE, p.a, p.b, p.LOADS, p.TFREE, p.TASSEM, p.TSERV, s.ABD, s.EFF, PI, r.WMAX);
        break;
    case 4:
        UNIF(p.MNMAX, p.a, p.b, s.ABD, p.LOADS, r.WMAX);
        break;
    case 5:
        BUCK1(p.a, p.b, s.ABD, p.LOADS, p.LOPT, r.NCR1, r.MODEM1, r.MODEN1, r.NCR2, r.MODEM2,
              r.MODEN2);
        break;
    case 6:
        THERM(p.a, p.b, s.ABD, s.EFF, p.TASSEM, r.TCR, r.MODEM1, r.MODEN1);
        break;
    case 7:
        INTERN(p.MNMAX, p.a, p.b, s.ABD, p.LOADS, r.WMAX);
        break;
    default:
        POINT(p.MNMAX, p.a, p.b, s.ABD, p.LOADS, r.WMAX);
        break;
    }
    return r;
}

void expect_same(const PlateResults& x, const PlateResults& y, int LCASE) {
    for (int k = 1; k <= MAXROWS; ++k)
        EXPECT_EQ(bits(x.WMAX[k]), bits(y.WMAX[k])) << LCASE << " " << k;
    EXPECT_EQ(bits(x.NCR1), bits(y.NCR1)) << LCASE;
    EXPECT_EQ(bits(x.NCR2), bits(y.NCR2)) << LCASE;
    EXPECT_EQ(bits(x.TCR), bits(y.TCR)) << LCASE;
    EXPECT_EQ(x.MODEM1, y.MODEM1) << LCASE;
    EXPECT_EQ(x.MODEN1, y.MODEN1) << LCASE;
    EXPECT_EQ(x.MODEM2, y.MODEM2) << LCASE;
    EXPECT_EQ(x.MODEN2, y.MODEN2) << LCASE;
}

/// How many fields of the record differ from the marked one.
int changed(const PlateResults& r) {
    const PlateResults m = marked_results();
    int n = 0;
    for (int k = 1; k <= MAXROWS; ++k) n += bits(r.WMAX[k]) != bits(m.WMAX[k]);
    n += bits(r.NCR1) != bits(m.NCR1);
    n += bits(r.NCR2) != bits(m.NCR2);
    n += bits(r.TCR) != bits(m.TCR);
    n += (r.MODEM1 != m.MODEM1) + (r.MODEN1 != m.MODEN1) + (r.MODEM2 != m.MODEM2) +
         (r.MODEN2 != m.MODEN2);
    return n;
}

} // namespace

TEST(Solve, LoadCaseSelectsOneSolutionAndOnlyItsFieldsChange) {
    const LaminateStiffness s = orthotropic();
    const struct {
        int LCASE, routine, fields;
    } cases[] = {
        {1, 1, 1}, {2, 1, 1}, {3, 1, 1}, {4, 4, 6}, {5, 5, 6},  {6, 6, 3},
        {7, 7, 6}, {8, 8, 6}, {0, 8, 6}, {9, 8, 6}, {-3, 8, 6},
    };
    for (const auto& c : cases) {
        const PlateProblem p = problem(c.LCASE);
        PlateResults r = marked_results();
        SOLVE(p, s, r);
        expect_same(r, expected(c.routine, p, s), c.LCASE);
        EXPECT_EQ(changed(r), c.fields) << c.LCASE;
    }
}

TEST(Solve, ThermalBucklingIgnoresStressFreeAndServiceTemperatures) {
    const LaminateStiffness s = orthotropic();
    PlateProblem p = problem(6);
    PlateResults r1 = marked_results(), r2 = marked_results();
    SOLVE(p, s, r1);
    p.TFREE = -100.0f;
    p.TSERV = 400.0f;
    SOLVE(p, s, r2);
    expect_same(r1, r2, 6);
}
