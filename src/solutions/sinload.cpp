// Sinusoidal-load deflection W = (b·R)⁴·q0 / DEN in closed form.
//
// Numerical contract: R, B, L, H, T, ΔTa, ΔTb and DEN are floats, each formed
// in double from stored values and rounded once when stored; the powers are
// products of their factors from the stored R ((b·R)²·(b·R)², not a⁴),
// (a/π)² is (a/π)·(a/π) and π⁴ is (π·π)·(π·π). Nothing is validated: a zero
// divisor gives an infinity or NaN in WMAX[1].

#include "solutions/sinload.h"

namespace veldran {

void SINLOAD(const std::int32_t& LCASE, const float& a, const float& b, const Vec<float, 6>& LOADS,
             const float& TFREE, const float& TASSEM, const float& TSERV,
             const Mat<float, 6, 6>& ABD, const Vec<float, 19>& EFF, const float& pi,
             Vec<float, MAXROWS>& WMAX) {
    if (LCASE < 1 || LCASE > 3) return;
    const double A11 = ABD(1, 1), A12 = ABD(1, 2), A22 = ABD(2, 2);
    const double D11 = ABD(4, 4), D12 = ABD(4, 5), D22 = ABD(5, 5), D66 = ABD(6, 6);
    const double Nxx = LOADS[1], Nyy = LOADS[2], q0 = LOADS[6];
    const double ALPX = EFF(10), ALPY = EFF(11);
    const double PID = pi;
    const double PI4 = (PID * PID) * (PID * PID);
    const double AP2 = (double(a) / PID) * (double(a) / PID);

    const float R = float(double(a) / double(b));
    const double R2 = double(R) * double(R);
    const float B = float((D11 + R2 * (((D66 * 2.0) + D12) * 2.0)) + (R2 * R2) * D22);

    float DEN = 0.0f;
    if (LCASE == 1) {
        const float T = float((A11 + R2 * A12) * ALPX + (A12 + R2 * A22) * ALPY);
        const float DTA = float(double(TASSEM) - double(TFREE));
        const float DTB = float(double(TSERV) - double(TFREE));
        const float H = float(((double(DTA) - double(DTB)) * double(T)) * AP2);
        DEN = float((double(B) + double(H)) * PI4);
    } else if (LCASE == 2) {
        const float L = float(AP2 * (Nxx + R2 * Nyy));
        DEN = float((double(B) + double(L)) * PI4);
    } else {
        const float L = float(Nxx * (1.0 / R2 + A12 / A11));
        const float DTA = float(double(TASSEM) - double(TFREE));
        const float DTB = float(double(TSERV) - double(TFREE));
        const float H =
            float(((double(DTA) - double(DTB)) * ((A11 * A22 - A12 * A12) * ALPY)) / A11);
        const double G = (R2 * double(b)) / PID;
        DEN = float(PI4 * (double(B) + (double(L) + double(H)) * (G * G)));
    }

    const double BR = double(b) * double(R);
    WMAX[1] = float(((BR * BR) * (BR * BR)) * q0 / double(DEN));
}

} // namespace veldran
