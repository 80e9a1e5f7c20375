#pragma once
/// The bending stiffness of one mode, shared by the series and the buckling
/// searches. Evaluated in double from the stored operands and rounded once.

#include "records/one_based.h"

namespace veldran {

/// DMN = (XM⁴·D11 + 2·(D12 + 2·D66)·(XM·XN·R)²) + (XN·R)⁴·D22, the powers as
/// products of their factors and 2·(D12 + 2·D66) as ((D66·2) + D12)·2.
inline float bending_term(float XM, float XN, float R, float D11, float D12, float D66, float D22) {
    const double xm2 = double(XM) * double(XM);
    const double mnr = double(XM) * double(XN) * double(R);
    const double nr = double(XN) * double(R);
    const double nr2 = nr * nr;
    const double twice = ((double(D66) * 2.0) + double(D12)) * 2.0;
    return float(((xm2 * xm2) * double(D11) + twice * (mnr * mnr)) + (nr2 * nr2) * double(D22));
}

} // namespace veldran
