// Numerical contract: every stored intermediate is a float; each formula step
// is evaluated in double from the stored floats, left to right as written, and
// rounded once when it is stored.

#include "stiffness/ply_stiffness.h"

#include <cmath>

namespace veldran {

void QUEW(const Vec<float, MAXMAT>& E11, const Vec<float, MAXMAT>& E22,
          const Vec<float, MAXMAT>& NU12, const Vec<float, MAXMAT>& G12,
          Mat3<float, 3, 3, MAXMAT>& Q, std::int32_t NMAT) {
    for (int m = 1; m <= NMAT; ++m) {
        const float NU21 = static_cast<float>(double(NU12[m]) * double(E22[m]) / double(E11[m]));
        const float DEN = static_cast<float>(1.0 - double(NU21) * double(NU12[m]));
        const float Q11 = static_cast<float>(double(E11[m]) / double(DEN));
        const float Q12 = static_cast<float>(double(NU12[m]) * double(E22[m]) / double(DEN));
        const float Q22 = static_cast<float>(double(E22[m]) / double(DEN));
        const float Q66 = G12[m]; // the shear modulus is not divided by DEN

        Q(1, 1, m) = Q11;  Q(1, 2, m) = Q12;  Q(1, 3, m) = 0.0f;
        Q(2, 1, m) = Q12;  Q(2, 2, m) = Q22;  Q(2, 3, m) = 0.0f;
        Q(3, 1, m) = 0.0f; Q(3, 2, m) = 0.0f; Q(3, 3, m) = Q66;
    }
}

void QBAR(const Mat3<float, 3, 3, MAXMAT>& Q, Mat3<float, 3, 3, MAXPLY>& Qbar,
          const Vec<float, MAXPLY>& PLYRAD, const Vec<std::int32_t, MAXPLY>& PLYMAT,
          std::int32_t NPLY) {
    // The float nearest pi/2: what a 90 degree ply's angle comes out as.
    constexpr float HALF_PI = 1.5707964f;

    for (int k = 1; k <= NPLY; ++k) {
        const int m = PLYMAT[k];
        const double Q11 = Q(1, 1, m), Q12 = Q(1, 2, m), Q22 = Q(2, 2, m), Q66 = Q(3, 3, m);

        // Only 0 and +90 degrees are made exact; every other angle, -90
        // included, keeps its computed sine and cosine.
        const float THETA = PLYRAD[k];
        float C, S;
        if (THETA == 0.0f) {
            C = 1.0f; S = 0.0f;
        } else if (THETA == HALF_PI) {
            C = 0.0f; S = 1.0f;
        } else {
            C = static_cast<float>(std::cos(double(THETA)));
            S = static_cast<float>(std::sin(double(THETA)));
        }

        const float C2 = static_cast<float>(double(C) * double(C));
        const float C3 = static_cast<float>(double(C) * double(C2));
        const float C4 = static_cast<float>((double(C) * double(C)) * (double(C) * double(C)));
        const float S2 = static_cast<float>(double(S) * double(S));
        const float S3 = static_cast<float>(double(S) * double(S2));
        const float S4 = static_cast<float>((double(S) * double(S)) * (double(S) * double(S)));

        const float QBAR11 = static_cast<float>(
            Q11 * double(C4) + 2.0 * (Q12 + 2.0 * Q66) * double(S2) * double(C2) + Q22 * double(S4));
        const float QBAR12 = static_cast<float>(
            (Q11 + Q22 - 4.0 * Q66) * double(S2) * double(C2) + Q12 * (double(S4) + double(C4)));
        const float QBAR16 = static_cast<float>(
            (Q11 - Q12 - 2.0 * Q66) * double(S) * double(C3)
            + (Q12 - Q22 + 2.0 * Q66) * double(S3) * double(C));
        const float QBAR22 = static_cast<float>(
            Q11 * double(S4) + 2.0 * (Q12 + 2.0 * Q66) * double(S2) * double(C2) + Q22 * double(C4));
        const float QBAR26 = static_cast<float>(
            (Q11 - Q12 - 2.0 * Q66) * double(S3) * double(C)
            + (Q12 - Q22 + 2.0 * Q66) * double(S) * double(C3));
        const float QBAR66 = static_cast<float>(
            (Q11 + Q22 - 2.0 * Q12 - 2.0 * Q66) * double(S2) * double(C2)
            + Q66 * (double(S4) + double(C4)));

        Qbar(1, 1, k) = QBAR11; Qbar(1, 2, k) = QBAR12; Qbar(1, 3, k) = QBAR16;
        Qbar(2, 1, k) = QBAR12; Qbar(2, 2, k) = QBAR22; Qbar(2, 3, k) = QBAR26;
        Qbar(3, 1, k) = QBAR16; Qbar(3, 2, k) = QBAR26; Qbar(3, 3, k) = QBAR66;
    }
}

} // namespace veldran
