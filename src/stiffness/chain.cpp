#include "stiffness/chain.h"

#include "stiffness/abdmatr.h"
#include "stiffness/effect.h"
#include "stiffness/invert.h"
#include "stiffness/ply_stiffness.h"
#include "stiffness/thermal.h"

namespace veldran {

void STIFFNESS(const MaterialTable& MT, const PlyStack& PS, LaminateStiffness& LS) {
    const int ORDER = 6; // order of [ABD]

    QUEW(MT.E11, MT.E22, MT.NU12, MT.G12, LS.Q, MT.NMAT);
    QBAR(LS.Q, LS.Qbar, PS.PLYRAD, PS.PLYMAT, PS.NPLY);
    EXPANS(MT.ALP11, MT.ALP22, PS.PLYRAD, LS.ALPHA, PS.PLYMAT, PS.NPLY);
    ABDMATR(PS.NPLY, PS.TTOTAL, LS.Z, LS.Qbar, LS.ABD, MT.ESPESOR, PS.PLYMAT);
    INVERT(ORDER, LS.ABD, LS.abd);
    THERMAL(PS.NPLY, LS.DELTAT, LS.Qbar, LS.ALPHA, LS.Z, LS.NMT);

    LS.DELTAC = 0.0f;
    for (int i = 1; i <= 6; ++i) LS.NMC[i] = 0.0f;

    EFFECT(LS.DELTAT, LS.DELTAC, PS.TTOTAL, LS.EFF, LS.abd, LS.NMT, LS.NMC);
}

} // namespace veldran
