#pragma once
/// Reduced stiffness [Q] of each material and transformed stiffness [QBAR]
/// of each ply, in the laminate axes (index 3 is shear).

#include <cstdint>

#include "records/records.h"

namespace veldran {

/// Fills Q(.,.,m) for m = 1..NMAT from the engineering constants.
void QUEW(const Vec<float, MAXMAT>& E11, const Vec<float, MAXMAT>& E22,
          const Vec<float, MAXMAT>& NU12, const Vec<float, MAXMAT>& G12,
          Mat3<float, 3, 3, MAXMAT>& Q, std::int32_t NMAT);

/// Fills Qbar(.,.,k) for k = 1..NPLY from the ply's material and angle in radians.
void QBAR(const Mat3<float, 3, 3, MAXMAT>& Q, Mat3<float, 3, 3, MAXPLY>& Qbar,
          const Vec<float, MAXPLY>& PLYRAD, const Vec<std::int32_t, MAXPLY>& PLYMAT,
          std::int32_t NPLY);

} // namespace veldran
