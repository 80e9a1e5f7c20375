#pragma once
/// Every result of the laminate stiffness chain.

#include "records/one_based.h"
#include "records/records.h"

namespace veldran {

struct LaminateStiffness {
    Mat3<float, 3, 3, MAXMAT> Q;    ///< [Q] of each material, Q(i,j,m); index 3 is shear
    Mat3<float, 3, 3, MAXPLY> Qbar; ///< [QBAR] of each ply, Qbar(i,j,k)
    Mat<float, 3, MAXPLY> ALPHA;    ///< ALPHA(1..3,k): x, y and engineering shear
    Vec<float, MAXPLY + 1> Z;       ///< ply interfaces; ply k lies between Z(k) and Z(k+1)
    Mat<float, 6, 6> ABD;           ///< [A B; B D]
    Mat<float, 6, 6> abd;           ///< inverse of ABD
    float DELTAT;                   ///< temperature change, 0 for the whole run
    Vec<float, 6> NMT;              ///< thermal force and moment resultants
    float DELTAC;                   ///< second change quantity, set to 0 by the driver
    Vec<float, 6> NMC;              ///< its resultants
    Vec<float, 19> EFF;             ///< effective laminate properties
};

} // namespace veldran
