// Numerical contract: every stored intermediate is a float; each formula step
// is evaluated in double from the stored floats, left to right as written, and
// rounded once when it is stored; sums are rounded after every term.

#include "stiffness/effect.h"

#include <cmath>

namespace veldran {

namespace {

/// EFF(first..first+2) = [abd rows 1-3]·NM / (change), the mid-plane strains
/// per unit change; NM is cleared when the change stood in as a unit change.
void expansion(float CHANGE, const Mat<float, 6, 6>& abd, Vec<float, 6>& NM,
               Vec<float, 19>& EFF, int first) {
    const bool unit = std::fabs(CHANGE) < 0.001f;
    const double T = unit ? 1.0 : double(CHANGE);
    for (int i = 1; i <= 3; ++i) {
        float& E = EFF[first + i - 1];
        for (int j = 1; j <= 6; ++j)
            E = static_cast<float>(double(E) + double(abd(i, j)) * double(NM[j]));
        E = static_cast<float>(double(E) / T);
    }
    if (unit)
        for (int j = 1; j <= 6; ++j) NM[j] = 0.0f;
}

} // namespace

void EFFECT(const float& DELTAT, const float& DELTAC, float TTOTAL, Vec<float, 19>& EFF,
            const Mat<float, 6, 6>& abd, Vec<float, 6>& NMT, Vec<float, 6>& NMC) {
    for (int i = 1; i <= 19; ++i) EFF[i] = 0.0f;

    const double H = TTOTAL;
    auto a = [&abd](int i, int j) { return double(abd(i, j)); };

    EFF[1] = static_cast<float>(1.0 / (H * a(1, 1)));
    EFF[2] = static_cast<float>(1.0 / (H * a(2, 2)));
    EFF[3] = static_cast<float>(-a(2, 1) / a(1, 1));
    EFF[4] = static_cast<float>(-a(1, 2) / a(2, 2));
    EFF[5] = static_cast<float>(1.0 / (H * a(3, 3)));
    EFF[6] = static_cast<float>(a(1, 3) / a(3, 3));
    EFF[7] = static_cast<float>(a(2, 3) / a(3, 3));
    EFF[8] = static_cast<float>(a(3, 1) / a(1, 1));
    EFF[9] = static_cast<float>(a(2, 3) / a(2, 2));
    EFF[16] = static_cast<float>(12.0 / (H * H * H * a(4, 4)));
    EFF[17] = static_cast<float>(12.0 / (H * H * H * a(5, 5)));
    EFF[18] = static_cast<float>(-a(4, 5) / a(4, 4));
    EFF[19] = static_cast<float>(-a(4, 5) / a(5, 5));

    expansion(DELTAT, abd, NMT, EFF, 10);
    expansion(DELTAC, abd, NMC, EFF, 13);
}

} // namespace veldran
