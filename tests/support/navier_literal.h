#pragma once
/// The convergence study evaluated literally, as a reference for the tests and
/// the benchmark: every row from scratch, every term with all of its sines
/// taken again, each stored value rounded where the method stores it.

#include <cmath>
#include <cstdint>

#include "records/one_based.h"
#include "records/records.h"

namespace veldran::literal {

enum class Load { UNIF, INTERN, POINT };

inline void study(Load load, std::int32_t MNMAX, float a, float b, const Mat<float, 6, 6>& ABD,
                  const Vec<float, 6>& LOADS, Vec<float, MAXROWS>& WMAX) {
    const float pi = 3.1415927f;
    const float R = float(double(a) / double(b));
    const float D11 = ABD(4, 4), D12 = ABD(4, 5), D66 = ABD(6, 6), D22 = ABD(5, 5);
    const float Nxx = LOADS[1], Nyy = LOADS[2], Q = LOADS[6];
    const double p = pi;
    int MMAX = 1;
    for (int K = 1; K <= MNMAX; ++K) {
        float SUM = 0.0f;
        for (int M = 1; M <= MMAX; M += 2) {
            const float XM = float(M);
            for (int N = 1; N <= MMAX; N += 2) {
                const float XN = float(N);
                const double m = XM, n = XN;
                float QMN = 0.0f;
                if (load == Load::UNIF) {
                    const float G = float(p * p * (m * n));
                    float T = float(double(Q) * 16.0);
                    T = float(std::sin(m * p / 2.0) * double(T));
                    QMN = float(std::sin(n * p / 2.0) * double(T) / double(G));
                } else if (load == Load::INTERN) {
                    float S = float(std::sin(n * p / 2.0));
                    S = float(std::sin(m * p / 2.0) * double(S));
                    S = float(std::sin(m * p / 4.0) * double(S));
                    S = float(std::sin(n * p / 4.0) * double(S));
                    const float G = float(p * p * (m * n * double(a) * double(b)));
                    float T = float(double(Q) * 64.0);
                    T = float(std::sin(m * p / 2.0) * double(T));
                    QMN = float(std::sin(n * p / 2.0) * double(T) * double(S) / double(G));
                } else {
                    float T = float(double(Q) * 4.0);
                    int sign = 1;
                    for (int e = 0; e < (M + N) / 2 - 1; ++e) sign = -sign;
                    T = float(double(sign) * double(T));
                    T = float(std::sin(m * p / 2.0) * double(T));
                    QMN = float(std::sin(n * p / 2.0) * double(T) / (double(a) * double(b)));
                }
                const double m2 = m * m, nr = n * double(R), mnr = m * n * double(R);
                const float DMN = float(((m2 * m2) * double(D11) +
                                         ((double(D66) * 2.0 + double(D12)) * 2.0) * (mnr * mnr)) +
                                        ((nr * nr) * (nr * nr)) * double(D22));
                const double ap = double(a) / p;
                const float NMN = float((ap * ap) * (m2 * double(Nxx) + (nr * nr) * double(Nyy)));
                const float TOT = float(double(DMN) + double(NMN));
                SUM = float(double(QMN) / double(TOT) + double(SUM));
            }
        }
        const double c = double(R) * double(b) / p;
        WMAX[K] = float(((c * c) * (c * c)) * double(SUM));
        MMAX += 2;
    }
}

} // namespace veldran::literal
