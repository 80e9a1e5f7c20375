// Selection of the solution by load-case code. Only the fields the selected
// solution fills change.

#include "solutions/solve.h"

#include "solutions/buck1.h"
#include "solutions/navier.h"
#include "solutions/sinload.h"
#include "solutions/therm.h"

namespace veldran {

void SOLVE(const PlateProblem& p, const LaminateStiffness& s, PlateResults& r) {
    if (p.LCASE == 1 || p.LCASE == 2 || p.LCASE == 3)
        SINLOAD(p.LCASE, p.a, p.b, p.LOADS, p.TFREE, p.TASSEM, p.TSERV, s.ABD, s.EFF, PI, r.WMAX);
    else if (p.LCASE == 4)
        UNIF(p.MNMAX, p.a, p.b, s.ABD, p.LOADS, r.WMAX);
    else if (p.LCASE == 5)
        BUCK1(p.a, p.b, s.ABD, p.LOADS, p.LOPT, r.NCR1, r.MODEM1, r.MODEN1, r.NCR2, r.MODEM2,
              r.MODEN2);
    else if (p.LCASE == 6)
        THERM(p.a, p.b, s.ABD, s.EFF, p.TASSEM, r.TCR, r.MODEM1, r.MODEN1);
    else if (p.LCASE == 7)
        INTERN(p.MNMAX, p.a, p.b, s.ABD, p.LOADS, r.WMAX);
    else
        POINT(p.MNMAX, p.a, p.b, s.ABD, p.LOADS, r.WMAX);
}

} // namespace veldran
