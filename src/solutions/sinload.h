#pragma once
/// Centre deflection under a doubly sinusoidal load, load cases 1 to 3.

#include <cstdint>

#include "records/one_based.h"
#include "records/records.h"

namespace veldran {

/// Fills WMAX[1] for LCASE 1 (S1 edges, thermal forces), 2 (S4 edges, Nxx and
/// Nyy) or 3 (S2 on x = 0, a and S1 on y = 0, b, Nxx and thermal forces).
/// Any other LCASE leaves WMAX untouched.
void SINLOAD(const std::int32_t& LCASE, const float& a, const float& b, const Vec<float, 6>& LOADS,
             const float& TFREE, const float& TASSEM, const float& TSERV,
             const Mat<float, 6, 6>& ABD, const Vec<float, 19>& EFF, const float& pi,
             Vec<float, MAXROWS>& WMAX);

} // namespace veldran
