#pragma once
/// Effective engineering properties of the laminate, from its compliance [abd].

#include "records/records.h"

namespace veldran {

/// Fills EFF(1..19): in-plane moduli and Poisson's ratios (1-5), coupling
/// ratios (6-9), expansion coefficients for DELTAT (10-12) and for DELTAC
/// (13-15), flexural moduli and Poisson's ratios (16-19). A change below 0.001
/// in magnitude is taken as a unit change, and its resultants (NMT or NMC) are
/// cleared after use.
void EFFECT(const float& DELTAT, const float& DELTAC, float TTOTAL, Vec<float, 19>& EFF,
            const Mat<float, 6, 6>& abd, Vec<float, 6>& NMT, Vec<float, 6>& NMC);

} // namespace veldran
