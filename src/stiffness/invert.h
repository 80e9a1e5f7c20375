#pragma once
/// Inverse of a square matrix of order up to 6, by Gauss-Jordan elimination.

#include "records/one_based.h"

namespace veldran {

/// AINV = A^-1 for the leading N x N block (1 <= N <= 6). No pivot search and
/// no test of the pivots: a singular A gives infinities or NaN.
void INVERT(int N, const Mat<float, 6, 6>& A, Mat<float, 6, 6>& AINV);

} // namespace veldran
