#pragma once
/// What the plate solutions compute for the report.

#include <cstdint>

#include "records/one_based.h"
#include "records/records.h"

namespace veldran {

struct PlateResults {
    Vec<float, MAXROWS> WMAX; ///< centre deflection; row K of the convergence study
    float NCR1;
    std::int32_t MODEM1, MODEN1;
    float NCR2;
    std::int32_t MODEM2, MODEN2;
    float TCR;
};

} // namespace veldran
