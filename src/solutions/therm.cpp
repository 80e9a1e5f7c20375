// Thermal buckling search over the modes m, n = 1..50.
//
// Numerical contract: R, DMN, TY, TX and DT are floats, each formed in double
// from stored values and rounded once; (XM/R)² and (π/(R²·b))² are products of
// two equal factors. The search runs m outer, n inner, compares magnitudes
// strictly and stores the signed change, so a tie keeps the first mode and a
// NaN or infinity never replaces the start value 1.0E30 (a float constant);
// TCR = TCR + TASSEM is rounded once at the end. The mode numbers are not reset.

#include "solutions/therm.h"

#include <cmath>

#include "records/records.h"
#include "solutions/bending_term.h"

namespace veldran {

void THERM(const float& a, const float& b, const Mat<float, 6, 6>& ABD, const Vec<float, 19>& EFF,
           const float& TASSEM, float& TCR, std::int32_t& MODEM1, std::int32_t& MODEN1) {
    const double PID = PI;
    TCR = 1.0E30f;
    const float R = float(double(a) / double(b));
    const double A11 = ABD(1, 1), A12 = ABD(1, 2), A22 = ABD(2, 2);
    const float D11 = ABD(4, 4), D12 = ABD(4, 5), D22 = ABD(5, 5), D66 = ABD(6, 6);
    const double ALPX = EFF(10), ALPY = EFF(11);
    const double RD = R;
    const double P = PID / ((RD * RD) * double(b));

    for (int M = 1; M <= 50; ++M) {
        const float XM = float(M);
        for (int N = 1; N <= 50; ++N) {
            const float XN = float(N);
            const float DMN = bending_term(XM, XN, R, D11, D12, D66, D22);
            const float TY = float((double(XN) * double(XN)) * (A12 * ALPX + A22 * ALPY));
            const double u = double(XM) / RD;
            const float TX = float((u * u) * (A11 * ALPX + A12 * ALPY));
            const float DT = float((P * P) * (double(DMN) / (double(TY) + double(TX))));
            if (std::fabs(DT) < std::fabs(TCR)) {
                TCR = DT;
                MODEM1 = M;
                MODEN1 = N;
            }
        }
    }
    TCR = float(double(TCR) + double(TASSEM));
}

} // namespace veldran
