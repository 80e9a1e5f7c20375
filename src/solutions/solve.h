#pragma once
/// The solution step of the run: the one solution that the load case selects.

#include "records/records.h"
#include "solutions/plate_results.h"
#include "stiffness/laminate_stiffness.h"

namespace veldran {

/// Tests LCASE against 1 to 7 in order and runs the first match: SINLOAD for
/// 1 to 3, UNIF 4, BUCK1 5, THERM 6, INTERN 7, and POINT for any other code.
void SOLVE(const PlateProblem& p, const LaminateStiffness& s, PlateResults& r);

} // namespace veldran
