// Mechanical buckling search over the modes m, n = 1..50.
//
// Numerical contract: R, DMN (DMN′), the in-plane term L and NX are floats,
// each formed in double from stored values and rounded once; option 3's X
// stays in double inside its step. The search runs m outer, n inner, compares
// magnitudes strictly and stores the signed value, so a tie keeps the first
// mode and a NaN never replaces a result. NCR1 starts at 1.0E30 and NCR2 at
// −1.0E30 (float constants); the mode numbers are not reset.

#include "solutions/buck1.h"

#include <cmath>

#include "records/records.h"
#include "solutions/bending_term.h"

namespace veldran {

namespace {

/// Keeps NX with its mode when its magnitude is strictly below the current one.
void keep_smaller(float NX, int M, int N, float& NCR, std::int32_t& MODEM, std::int32_t& MODEN) {
    if (std::fabs(NX) < std::fabs(NCR)) {
        NCR = NX;
        MODEM = M;
        MODEN = N;
    }
}

} // namespace

void BUCK1(const float& a, const float& b, const Mat<float, 6, 6>& ABD, const Vec<float, 6>& LOADS,
           const std::int32_t& LOPT, float& NCR1, std::int32_t& MODEM1, std::int32_t& MODEN1,
           float& NCR2, std::int32_t& MODEM2, std::int32_t& MODEN2) {
    const double PID = PI;
    const float R = float(double(a) / double(b));
    const float D11 = ABD(4, 4), D12 = ABD(4, 5), D22 = ABD(5, 5), D66 = ABD(6, 6);
    const double A = a, B = b, RD = R;
    NCR1 = 1.0E30f;
    NCR2 = -1.0E30f;

    for (int M = 1; M <= 50; ++M) {
        const float XM = float(M);
        const double xm = XM;
        for (int N = 1; N <= 50; ++N) {
            const float XN = float(N);
            const double xn = XN;
            if (LOPT == 1) {
                const float DMN = bending_term(XM, XN, R, D11, D12, D66, D22);
                const double f = ((xn * A) * RD) / PID;
                const float L = float(double(LOADS[2]) * (f * f));
                const double g = PID / (xm * A);
                const float NX = float(-((double(DMN) + double(L)) * 1.0 * (g * g)));
                keep_smaller(NX, M, N, NCR1, MODEM1, MODEN1);
            } else if (LOPT == 2) {
                const float DMN = bending_term(XM, XN, R, D11, D12, D66, D22);
                const double f = (xm * A) / PID;
                const float L = float(double(LOADS[1]) * (f * f));
                const double g = PID / ((xn * B) * (RD * RD));
                const float NX = float(-((double(DMN) + double(L)) * 1.0 * (g * g)));
                keep_smaller(NX, M, N, NCR1, MODEM1, MODEN1);
            } else {
                const double mb = xm * B, mb2 = mb * mb;
                const double na = xn * A, na2 = na * na;
                const double mnab = xm * xn * A * B;
                const double twice = ((double(D66) * 2.0) + double(D12)) * 2.0;
                const float DMNP = float((double(D11) * (mb2 * mb2) + twice * (mnab * mnab)) +
                                         double(D22) * (na2 * na2));
                const double X = mb2 + double(LOADS[2]) * na2;
                const double AB = A * B;
                const float NX = float(-(PID * PID * 1.0 * double(DMNP) / ((AB * AB) * X)));
                if (NX < 0.0f)
                    keep_smaller(NX, M, N, NCR2, MODEM2, MODEN2);
                else
                    keep_smaller(NX, M, N, NCR1, MODEM1, MODEN1);
            }
        }
    }
}

} // namespace veldran
