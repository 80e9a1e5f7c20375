#pragma once
/// Critical in-plane load and buckling mode of an S4 plate, load case 5.

#include <cstdint>

#include "records/one_based.h"

namespace veldran {

/// LOPT 1: critical Nxx with Nyy = LOADS[2] held; 2: critical Nyy with
/// Nxx = LOADS[1] held; any other: Nyy = k·Nxx with k = LOADS[2], the critical
/// Nxx ≥ 0 in NCR1 and Nxx < 0 in NCR2. Scans m, n = 1..50.
void BUCK1(const float& a, const float& b, const Mat<float, 6, 6>& ABD, const Vec<float, 6>& LOADS,
           const std::int32_t& LOPT, float& NCR1, std::int32_t& MODEM1, std::int32_t& MODEN1,
           float& NCR2, std::int32_t& MODEM2, std::int32_t& MODEN2);

} // namespace veldran
