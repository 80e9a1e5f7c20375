#pragma once
/// The laminate stiffness matrix [ABD] and the ply interface coordinates.

#include <cstdint>

#include "records/records.h"

namespace veldran {

/// Places the plies from z = -TTOTAL/2 upward (filling Z(1..NPLY+1)) and sums
/// their [QBAR] into [A B; B D] (filling all of ABD).
void ABDMATR(std::int32_t NPLY, float TTOTAL, Vec<float, MAXPLY + 1>& Z,
             const Mat3<float, 3, 3, MAXPLY>& Qbar, Mat<float, 6, 6>& ABD,
             const Vec<float, MAXMAT>& ESPESOR, const Vec<std::int32_t, MAXPLY>& PLYMAT);

} // namespace veldran
