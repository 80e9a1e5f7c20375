// Numerical contract: every entry of the work matrix is a float, rounded each
// time it is stored; each row operation is evaluated in double from the stored
// floats and rounded once.

#include "stiffness/invert.h"

namespace veldran {

void INVERT(int N, const Mat<float, 6, 6>& A, Mat<float, 6, 6>& AINV) {
    // [A | I], reduced in place to [I | A^-1].
    Mat<float, 6, 12> W{};
    for (int i = 1; i <= N; ++i) {
        for (int j = 1; j <= N; ++j) {
            W(i, j) = A(i, j);
            W(i, N + j) = i == j ? 1.0f : 0.0f;
        }
    }

    for (int p = 1; p <= N; ++p) {
        // Pivots are taken in place, in diagonal order; rows are never exchanged.
        const float PIV = W(p, p);
        for (int j = p; j <= 2 * N; ++j)
            W(p, j) = static_cast<float>(double(W(p, j)) / double(PIV));

        for (int r = 1; r <= N; ++r) {
            if (r == p) continue;
            const float F = W(r, p);
            for (int j = p; j <= 2 * N; ++j)
                W(r, j) = static_cast<float>(double(W(r, j)) - double(F) * double(W(p, j)));
        }
    }

    for (int i = 1; i <= N; ++i)
        for (int j = 1; j <= N; ++j) AINV(i, j) = W(i, N + j);
}

} // namespace veldran
