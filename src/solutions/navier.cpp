// Navier series and convergence study.
//
// Numerical contract: QMN, DMN, NMN, TOT and SUM are floats, each formed in
// double from stored values and rounded once; SUM = QMN/TOT + SUM is rounded
// after every term, row K adds its K² terms from zero in the order m outer,
// n inner; WMAX[K] = ((R·b/π)·(R·b/π))·((R·b/π)·(R·b/π))·SUM. Sines are taken
// of the double products XM·π/2 and XM·π/4. Rows above MNMAX, and above the
// 50 the table holds, are not touched.
//
// A term (m, n) is the same in every row, so each is formed once, kept as the
// double quotient QMN/TOT that a row adds, and every row then sums its own
// terms: the rows are bit for bit those of a term-by-term evaluation, at the
// cost of little more than the roundings of the running sums.

#include "solutions/navier.h"

#include <cmath>

#include "solutions/bending_term.h"

namespace veldran {

namespace {

/// sin(XM·π/d) for the odd half-wave numbers XM = 2i − 1, i = 1..kmax.
Vec<double, MAXROWS> odd_sines(int kmax, double d) {
    Vec<double, MAXROWS> s{};
    for (int i = 1; i <= kmax; ++i) s[i] = std::sin(double(float(2 * i - 1)) * double(PI) / d);
    return s;
}

/// The shared skeleton for rows 1 to kmax; QMN(i, j, XM, XN) is the routine's
/// load coefficient of the term m = 2i − 1, n = 2j − 1.
template <class Coefficient>
void study(int kmax, const float& a, const float& b, const Mat<float, 6, 6>& ABD,
           const Vec<float, 6>& LOADS, Vec<float, MAXROWS>& WMAX, Coefficient QMN) {
    const float R = float(double(a) / double(b));
    const float D11 = ABD(4, 4), D12 = ABD(4, 5), D22 = ABD(5, 5), D66 = ABD(6, 6);
    const double Nxx = LOADS[1], Nyy = LOADS[2];
    const double AP = double(a) / double(PI);
    const double AP2 = AP * AP;

    Mat<double, MAXROWS, MAXROWS> term;
    for (int i = 1; i <= kmax; ++i) {
        const float XM = float(2 * i - 1);
        for (int j = 1; j <= kmax; ++j) {
            const float XN = float(2 * j - 1);
            const float Q = QMN(i, j, XM, XN);
            const float DMN = bending_term(XM, XN, R, D11, D12, D66, D22);
            const double NR = double(XN) * double(R);
            const float NMN = float(AP2 * ((double(XM) * double(XM)) * Nxx + (NR * NR) * Nyy));
            const float TOT = float(double(DMN) + double(NMN));
            term(i, j) = double(Q) / double(TOT);
        }
    }

    const double RBP = double(R) * double(b) / double(PI);
    const double RBP4 = (RBP * RBP) * (RBP * RBP);
    for (int K = 1; K <= kmax; ++K) {
        float SUM = 0.0f;
        for (int i = 1; i <= K; ++i) {
            const double* row = &term(i, 1);
            for (int j = 0; j < K; ++j) SUM = float(row[j] + double(SUM));
        }
        WMAX[K] = float(RBP4 * double(SUM));
    }
}

/// Rows to compute: MNMAX, but never past the table.
int rows(std::int32_t MNMAX) {
    return MNMAX < MAXROWS ? int(MNMAX) : MAXROWS;
}

} // namespace

void UNIF(const std::int32_t& MNMAX, const float& a, const float& b, const Mat<float, 6, 6>& ABD,
          const Vec<float, 6>& LOADS, Vec<float, MAXROWS>& WMAX) {
    const int kmax = rows(MNMAX);
    const Vec<double, MAXROWS> half = odd_sines(kmax, 2.0);
    const float T16 = float(double(LOADS[6]) * 16.0);
    study(kmax, a, b, ABD, LOADS, WMAX, [&](int i, int j, float XM, float XN) {
        const float G = float(double(PI) * double(PI) * (double(XM) * double(XN)));
        const float T = float(half[i] * double(T16));
        return float(half[j] * double(T) / double(G));
    });
}

void INTERN(const std::int32_t& MNMAX, const float& a, const float& b, const Mat<float, 6, 6>& ABD,
            const Vec<float, 6>& LOADS, Vec<float, MAXROWS>& WMAX) {
    const int kmax = rows(MNMAX);
    const Vec<double, MAXROWS> half = odd_sines(kmax, 2.0);
    const Vec<double, MAXROWS> quarter = odd_sines(kmax, 4.0);
    const float T64 = float(double(LOADS[6]) * 64.0);
    study(kmax, a, b, ABD, LOADS, WMAX, [&](int i, int j, float XM, float XN) {
        float S = float(half[j]);
        S = float(half[i] * double(S));
        S = float(quarter[i] * double(S));
        S = float(quarter[j] * double(S));
        const float G =
            float(double(PI) * double(PI) * (double(XM) * double(XN) * double(a) * double(b)));
        const float T = float(half[i] * double(T64));
        return float(half[j] * double(T) * double(S) / double(G));
    });
}

void POINT(const std::int32_t& MNMAX, const float& a, const float& b, const Mat<float, 6, 6>& ABD,
           const Vec<float, 6>& LOADS, Vec<float, MAXROWS>& WMAX) {
    const int kmax = rows(MNMAX);
    const Vec<double, MAXROWS> half = odd_sines(kmax, 2.0);
    const float T4 = float(double(LOADS[6]) * 4.0);
    const double AB = double(a) * double(b);
    study(kmax, a, b, ABD, LOADS, WMAX, [&](int i, int j, float, float) {
        // (−1)^E with E = (M + N)/2 − 1 = i + j − 2.
        const int SIGN = (i + j) % 2 == 0 ? 1 : -1;
        float T = float(double(SIGN) * double(T4));
        T = float(half[i] * double(T));
        return float(half[j] * double(T) / AB);
    });
}

} // namespace veldran
