// Numerical contract: every stored intermediate is a float; each formula step
// is evaluated in double from the stored floats, left to right as written, and
// rounded once when it is stored; sums are rounded after every term.

#include "stiffness/thermal.h"

#include <cmath>

namespace veldran {

void EXPANS(const Vec<float, MAXMAT>& ALP11, const Vec<float, MAXMAT>& ALP22,
            const Vec<float, MAXPLY>& PLYRAD, Mat<float, 3, MAXPLY>& ALPHA,
            const Vec<std::int32_t, MAXPLY>& PLYMAT, std::int32_t NPLY) {
    for (int k = 1; k <= NPLY; ++k) {
        const int m = PLYMAT[k];
        // No exact values at 0 or 90 degrees here, and the sine and cosine
        // stay in double: a 90 degree ply keeps a tiny shear coefficient.
        const double C = std::cos(double(PLYRAD[k]));
        const double S = std::sin(double(PLYRAD[k]));
        const double A1 = ALP11[m], A2 = ALP22[m];
        ALPHA(1, k) = static_cast<float>(C * C * A1 + S * S * A2);
        ALPHA(2, k) = static_cast<float>(S * S * A1 + C * C * A2);
        ALPHA(3, k) = static_cast<float>(2.0 * C * S * (A1 - A2));
    }
}

void THERMAL(std::int32_t NPLY, const float& DELTAT, const Mat3<float, 3, 3, MAXPLY>& Qbar,
             const Mat<float, 3, MAXPLY>& ALPHA, const Vec<float, MAXPLY + 1>& Z,
             Vec<float, 6>& NMT) {
    for (int i = 1; i <= 6; ++i) NMT[i] = 0.0f;

    // A change too small to divide by stands for a unit change.
    const double T = std::fabs(DELTAT) < 5.0E-5f ? 1.0 : double(DELTAT);

    for (int k = 1; k <= NPLY; ++k) {
        const double z0 = Z[k], z1 = Z[k + 1];
        for (int i = 1; i <= 3; ++i) {
            for (int j = 1; j <= 3; ++j) {
                const double QA = double(Qbar(i, j, k));
                const double AL = double(ALPHA(j, k));
                NMT[i] = static_cast<float>(double(NMT[i]) + T * QA * AL * (z1 - z0));
                NMT[i + 3] = static_cast<float>(
                    double(NMT[i + 3]) + T * QA * AL * (z1 * z1 - z0 * z0) / 2.0);
            }
        }
    }
}

} // namespace veldran
