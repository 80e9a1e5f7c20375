// Cost of the plate solutions. The convergence study at MNMAX = 50 adds
// 42 925 terms; its floor is a bare loop of as many float-rounded additions,
// and the literal evaluation (every sine again for every term of every row)
// shows what the term table saves.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "solutions/buck1.h"
#include "solutions/navier.h"
#include "solutions/therm.h"
#include "support/navier_literal.h"

using namespace veldran;

namespace {

constexpr int STUDY_TERMS = 42925; // K² summed for K = 1..50

struct Plate {
    float a = 2.0f, b = 1.5f;
    Mat<float, 6, 6> ABD{};
    Vec<float, 19> EFF{};
    Vec<float, 6> LOADS{};
    Plate() {
        ABD(1, 1) = 4.0e5f;
        ABD(1, 2) = ABD(2, 1) = 3.0e4f;
        ABD(2, 2) = 1.5e5f;
        ABD(4, 4) = 2000.0f;
        ABD(4, 5) = ABD(5, 4) = 150.0f;
        ABD(5, 5) = 800.0f;
        ABD(6, 6) = 300.0f;
        EFF(10) = 2.0e-6f;
        EFF(11) = 3.0e-5f;
        LOADS[1] = -900.0f;
        LOADS[2] = 250.0f;
        LOADS[6] = 2.5f;
    }
};

using Routine = void (*)(const std::int32_t&, const float&, const float&, const Mat<float, 6, 6>&,
                         const Vec<float, 6>&, Vec<float, MAXROWS>&);

void study(benchmark::State& state, Routine routine) {
    const Plate p;
    const std::int32_t MNMAX = 50;
    Vec<float, MAXROWS> WMAX{};
    for (auto _ : state) {
        routine(MNMAX, p.a, p.b, p.ABD, p.LOADS, WMAX);
        benchmark::DoNotOptimize(WMAX);
        benchmark::ClobberMemory();
    }
}

void literal_study(benchmark::State& state, literal::Load load) {
    const Plate p;
    Vec<float, MAXROWS> WMAX{};
    for (auto _ : state) {
        literal::study(load, 50, p.a, p.b, p.ABD, p.LOADS, WMAX);
        benchmark::DoNotOptimize(WMAX);
        benchmark::ClobberMemory();
    }
}

/// The floor: 42 925 additions, each rounded to float, in one chain.
void BM_BareSumLoop(benchmark::State& state) {
    std::vector<double> terms(STUDY_TERMS);
    for (int i = 0; i < STUDY_TERMS; ++i) terms[std::size_t(i)] = 1.0 / (1.0 + i % 97);
    benchmark::DoNotOptimize(terms.data());
    for (auto _ : state) {
        float SUM = 0.0f;
        for (double t : terms) SUM = float(t + double(SUM));
        benchmark::DoNotOptimize(SUM);
    }
}

void BM_BUCK1(benchmark::State& state) {
    const Plate p;
    const std::int32_t LOPT = std::int32_t(state.range(0));
    float NCR1 = 0, NCR2 = 0;
    std::int32_t M1 = 0, N1 = 0, M2 = 0, N2 = 0;
    for (auto _ : state) {
        BUCK1(p.a, p.b, p.ABD, p.LOADS, LOPT, NCR1, M1, N1, NCR2, M2, N2);
        benchmark::DoNotOptimize(NCR1);
        benchmark::DoNotOptimize(NCR2);
    }
}

void BM_THERM(benchmark::State& state) {
    const Plate p;
    const float TASSEM = 20.0f;
    float TCR = 0;
    std::int32_t M1 = 0, N1 = 0;
    for (auto _ : state) {
        THERM(p.a, p.b, p.ABD, p.EFF, TASSEM, TCR, M1, N1);
        benchmark::DoNotOptimize(TCR);
    }
}

} // namespace

BENCHMARK(BM_BareSumLoop);
BENCHMARK_CAPTURE(study, UNIF, UNIF);
BENCHMARK_CAPTURE(study, INTERN, INTERN);
BENCHMARK_CAPTURE(study, POINT, POINT);
BENCHMARK_CAPTURE(literal_study, UNIF, literal::Load::UNIF);
BENCHMARK_CAPTURE(literal_study, INTERN, literal::Load::INTERN);
BENCHMARK_CAPTURE(literal_study, POINT, literal::Load::POINT);
BENCHMARK(BM_BUCK1)->Arg(1)->Arg(2)->Arg(3);
BENCHMARK(BM_THERM);

BENCHMARK_MAIN();
