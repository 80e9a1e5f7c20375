#pragma once
// Realistic inputs for the stiffness tests: a carbon/epoxy ply and stacks of it.

#include <bit>
#include <cstdint>
#include <initializer_list>

#include "records/records.h"

namespace veldran::test {

/// One carbon/epoxy material in SI units (Pa, 1/K, m).
inline MaterialTable carbon_epoxy() {
    MaterialTable m{};
    m.NMAT = 1;
    m.E11[1] = 181.0e9f;
    m.E22[1] = 10.3e9f;
    m.NU12[1] = 0.28f;
    m.G12[1] = 7.17e9f;
    m.ALP11[1] = 0.02e-6f;
    m.ALP22[1] = 22.5e-6f;
    m.ESPESOR[1] = 0.125e-3f;
    return m;
}

/// A stack of material-1 plies at the given angles in degrees, with the
/// angle in radians and the total thickness formed as the dialogue forms them.
inline PlyStack stack_of(const MaterialTable& m, std::initializer_list<float> degrees) {
    PlyStack s{};
    for (float deg : degrees) {
        const int k = ++s.NPLY;
        s.PLYMAT[k] = 1;
        s.PLYANG[k] = deg;
        s.PLYRAD[k] = static_cast<float>(double(PI) * double(deg) / 180.0);
        s.TTOTAL = static_cast<float>(double(s.TTOTAL) + double(m.ESPESOR[1]));
    }
    return s;
}

inline std::uint32_t bits(float x) { return std::bit_cast<std::uint32_t>(x); }

} // namespace veldran::test
