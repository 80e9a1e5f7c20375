#pragma once
/// Thermal buckling temperature and mode of an S1 plate, load case 6.

#include <cstdint>

#include "records/one_based.h"

namespace veldran {

/// TCR = TASSEM + the temperature change of smallest magnitude over the modes
/// m, n = 1..50, with its mode in MODEM1, MODEN1.
void THERM(const float& a, const float& b, const Mat<float, 6, 6>& ABD, const Vec<float, 19>& EFF,
           const float& TASSEM, float& TCR, std::int32_t& MODEM1, std::int32_t& MODEN1);

} // namespace veldran
