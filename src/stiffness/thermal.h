#pragma once
/// Thermal expansion of each ply in the laminate axes, and the laminate's
/// thermal force and moment resultants.

#include <cstdint>

#include "records/records.h"

namespace veldran {

/// Fills ALPHA(1..3,k) (x, y, engineering shear) for k = 1..NPLY.
void EXPANS(const Vec<float, MAXMAT>& ALP11, const Vec<float, MAXMAT>& ALP22,
            const Vec<float, MAXPLY>& PLYRAD, Mat<float, 3, MAXPLY>& ALPHA,
            const Vec<std::int32_t, MAXPLY>& PLYMAT, std::int32_t NPLY);

/// Fills NMT (Nx, Ny, Nxy, Mx, My, Mxy) for the change DELTAT; a change
/// below 5.0E-5 in magnitude is taken as a unit change.
void THERMAL(std::int32_t NPLY, const float& DELTAT, const Mat3<float, 3, 3, MAXPLY>& Qbar,
             const Mat<float, 3, MAXPLY>& ALPHA, const Vec<float, MAXPLY + 1>& Z,
             Vec<float, 6>& NMT);

} // namespace veldran
