#pragma once
/// The laminate stiffness chain, run once after the input is complete.

#include "records/records.h"
#include "stiffness/laminate_stiffness.h"

namespace veldran {

/// Fills every field of LS from the materials and the stacking, in order:
/// [Q], [QBAR], ply expansion, [ABD], [abd], thermal resultants, then the
/// second change and its resultants set to zero, then the effective properties.
void STIFFNESS(const MaterialTable& MT, const PlyStack& PS, LaminateStiffness& LS);

} // namespace veldran
