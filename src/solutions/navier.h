#pragma once
/// Navier double sine series for the centre deflection of an S4 plate under
/// in-plane forces, as a convergence study: row K sums the odd half-wave
/// numbers m, n = 1, 3, ..., 2K − 1.

#include <cstdint>

#include "records/one_based.h"
#include "records/records.h"

namespace veldran {

/// Uniform pressure q = LOADS[6]; fills WMAX[1] to WMAX[MNMAX].
void UNIF(const std::int32_t& MNMAX, const float& a, const float& b, const Mat<float, 6, 6>& ABD,
          const Vec<float, 6>& LOADS, Vec<float, MAXROWS>& WMAX);

/// Force P = LOADS[6] spread over the central (a/2) × (b/2) patch.
void INTERN(const std::int32_t& MNMAX, const float& a, const float& b, const Mat<float, 6, 6>& ABD,
            const Vec<float, 6>& LOADS, Vec<float, MAXROWS>& WMAX);

/// Force P = LOADS[6] at the plate centre.
void POINT(const std::int32_t& MNMAX, const float& a, const float& b, const Mat<float, 6, 6>& ABD,
           const Vec<float, 6>& LOADS, Vec<float, MAXROWS>& WMAX);

} // namespace veldran
