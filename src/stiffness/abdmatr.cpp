// Numerical contract: every stored intermediate is a float; each formula step
// is evaluated in double from the stored floats, left to right as written, and
// rounded once when it is stored; sums are rounded after every term.

#include "stiffness/abdmatr.h"

namespace veldran {

void ABDMATR(std::int32_t NPLY, float TTOTAL, Vec<float, MAXPLY + 1>& Z,
             const Mat3<float, 3, 3, MAXPLY>& Qbar, Mat<float, 6, 6>& ABD,
             const Vec<float, MAXMAT>& ESPESOR, const Vec<std::int32_t, MAXPLY>& PLYMAT) {
    // The top face is reached by summing thicknesses, not set to +H/2.
    Z[1] = static_cast<float>(-double(TTOTAL) / 2.0);
    for (int k = 2; k <= NPLY + 1; ++k)
        Z[k] = static_cast<float>(double(Z[k - 1]) + double(ESPESOR[PLYMAT[k - 1]]));

    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            float A = 0.0f, B = 0.0f, D = 0.0f;
            for (int k = 1; k <= NPLY; ++k) {
                const double z0 = Z[k], z1 = Z[k + 1];
                const double QB = Qbar(i, j, k);
                A = static_cast<float>(double(A) + QB * (z1 - z0));
                B = static_cast<float>(double(B) + QB * (z1 * z1 - z0 * z0));
                D = static_cast<float>(double(D) + QB * (z1 * z1 * z1 - z0 * z0 * z0));
            }
            // The 1/2 and 1/3 of the integrals are applied once, to the sums.
            B = static_cast<float>(double(B) / 2.0);
            D = static_cast<float>(double(D) / 3.0);

            ABD(i, j) = A;
            ABD(i, j + 3) = B;
            ABD(i + 3, j) = B;
            ABD(i + 3, j + 3) = D;
        }
    }
}

} // namespace veldran
