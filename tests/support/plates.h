#pragma once
/// Laminates and plates for the solution tests, built straight from their
/// stiffnesses, and a tolerance in units in the last place.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "records/records.h"
#include "solutions/plate_results.h"
#include "stiffness/laminate_stiffness.h"

namespace veldran::testing {

/// A laminate given by its in-plane and bending stiffnesses and the effective
/// expansion coefficients EFF(10), EFF(11); everything else zero.
inline LaminateStiffness laminate(float A11, float A12, float A22, float D11, float D12, float D22,
                                  float D66, float ALPX = 0.0f, float ALPY = 0.0f) {
    LaminateStiffness s{};
    s.ABD(1, 1) = A11;
    s.ABD(1, 2) = s.ABD(2, 1) = A12;
    s.ABD(2, 2) = A22;
    s.ABD(3, 3) = 0.35f * A11;
    s.ABD(4, 4) = D11;
    s.ABD(4, 5) = s.ABD(5, 4) = D12;
    s.ABD(5, 5) = D22;
    s.ABD(6, 6) = D66;
    s.EFF(10) = ALPX;
    s.EFF(11) = ALPY;
    return s;
}

/// Isotropic-like: D11 = D22 = D12 + 2·D66 = D with ν = 0.3, A11 = A22,
/// A12 = 0.3·A11, αx = αy = α.
inline LaminateStiffness isotropic(float D, float A11 = 1.0e6f, float ALP = 1.0e-5f) {
    return laminate(A11, 0.3f * A11, A11, D, 0.3f * D, D, 0.35f * D, ALP, ALP);
}

/// A strongly orthotropic laminate (0° dominated), positive expansion.
inline LaminateStiffness orthotropic() {
    return laminate(4.0e5f, 3.0e4f, 1.5e5f, 2000.0f, 150.0f, 800.0f, 300.0f, 2.0e-6f, 3.0e-5f);
}

/// The float distance of got from the exact value want, in units in the
/// last place of want's float neighbourhood.
inline double ulps(float got, long double want) {
    const float w = float(want);
    const float up = std::nextafter(std::fabs(w), INFINITY);
    return double(std::fabs((long double)got - want) / (long double)(up - std::fabs(w)));
}

inline std::uint32_t bits(float x) {
    std::uint32_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

/// A record whose every field holds a value no solution writes.
inline PlateResults marked_results() {
    PlateResults r{};
    for (int k = 1; k <= MAXROWS; ++k) r.WMAX[k] = -777.0f - float(k);
    r.NCR1 = 11.0f;
    r.NCR2 = 22.0f;
    r.MODEM1 = 31;
    r.MODEN1 = 32;
    r.MODEM2 = 33;
    r.MODEN2 = 34;
    r.TCR = 44.0f;
    return r;
}

} // namespace veldran::testing
