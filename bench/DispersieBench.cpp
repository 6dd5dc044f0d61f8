// Cost of evaluating a dispersion equation, the inner loop of the checks,
// the "Init n" command and the index windows. The limit it is held against
// is the bare double arithmetic of the same three-term Sellmeier formula,
// with the wavelength terms formed the same way, timed in the same run: the
// ratio shows what the type dispatch, the sign rules and the single-precision
// rounding of the record path cost on top of the arithmetic itself.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <vector>

#include "dispersion/EcuatieDispersie.h"
#include "support/BazaBench.h"
#include "support/PlatformaScriptata.h"

using namespace vitramor;
using namespace vitramor::bench;

namespace {

constexpr int NumarLungimiUnda = 1000;

// N-BK7, manufacturer catalogue (Schott): B1 B2 B3 C1 C2 C3.
constexpr double NBK7[6] = {1.03961212, 0.231792344, 1.01046945, 0.00600069867, 0.0200179144, 103.560653};

std::vector<float> LungimiUnda() {
    std::vector<float> l(NumarLungimiUnda);
    for (int i = 0; i < NumarLungimiUnda; ++i) l[static_cast<std::size_t>(i)] = 350.0f + 2.15f * static_cast<float>(i);
    return l;
}

MaterialOptic Sticla() {
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    m.ec_dispersie_n = 4;
    std::memcpy(m.coef_disp_n, NBK7, sizeof NBK7);
    return m;
}

// The formula and nothing else.
inline double Sellmeier(const double* c, float lambda) {
    const float l2 = lambda * lambda;
    const double L = l2 / 1.0e6f;
    return std::sqrt(1.0 + c[0] * L / (L - c[3]) + c[1] * L / (L - c[4]) + c[2] * L / (L - c[5]));
}

// Nanoseconds per bare evaluation, measured once per run.
double NsFormulaGoala() {
    static const double ns = [] {
        const std::vector<float> l = LungimiUnda();
        double c[6];
        std::memcpy(c, NBK7, sizeof c);
        constexpr int Treceri = 20000;
        double suma = 0;
        const auto t0 = std::chrono::steady_clock::now();
        for (int t = 0; t < Treceri; ++t) {
            benchmark::DoNotOptimize(c);
            for (float x : l) suma += Sellmeier(c, x);
        }
        const auto t1 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(suma);
        return std::chrono::duration<double, std::nano>(t1 - t0).count() / (double{Treceri} * NumarLungimiUnda);
    }();
    return ns;
}

void Raporteaza(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * NumarLungimiUnda);
    // Seconds per evaluation (shown with its SI prefix, e.g. "12.3n").
    state.counters["s_per_eval"] =
        benchmark::Counter(NumarLungimiUnda, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["bare_ns_per_eval"] = NsFormulaGoala();
}

void BM_FormulaGoala(benchmark::State& state) {
    const std::vector<float> l = LungimiUnda();
    double c[6];
    std::memcpy(c, NBK7, sizeof c);
    for (auto _ : state) {
        benchmark::DoNotOptimize(c);
        double suma = 0;
        for (float x : l) suma += Sellmeier(c, x);
        benchmark::DoNotOptimize(suma);
    }
    Raporteaza(state);
}

void BM_CalculeazaEcuatieDispersie(benchmark::State& state) {
    PlatformaScriptata p;
    PlatformaInstalata guard(p);
    const std::vector<float> l = LungimiUnda();
    double c[NumarCoeficientiDispersie] = {};
    std::memcpy(c, NBK7, sizeof NBK7);
    const auto t0 = std::chrono::steady_clock::now();
    for (auto _ : state) {
        benchmark::DoNotOptimize(c);
        double suma = 0;
        for (float x : l) suma += CalculeazaEcuatieDispersie(c, 4, x);
        benchmark::DoNotOptimize(suma);
    }
    const double ns = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count() /
                      (static_cast<double>(state.iterations()) * NumarLungimiUnda);
    Raporteaza(state);
    state.counters["ratio_to_bare"] = ns / NsFormulaGoala();
}

void BM_IndiceDinEcuatieDispersie(benchmark::State& state) {
    PlatformaScriptata p;
    PlatformaInstalata guard(p);
    const std::vector<float> l = LungimiUnda();
    const MaterialOptic m = Sticla();
    const auto t0 = std::chrono::steady_clock::now();
    for (auto _ : state) {
        float suma = 0;
        for (float x : l) {
            float n = 0;
            IndiceDinEcuatieDispersie(m, 0, x, n);
            suma += n;
        }
        benchmark::DoNotOptimize(suma);
    }
    const double ns = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count() /
                      (static_cast<double>(state.iterations()) * NumarLungimiUnda);
    Raporteaza(state);
    state.counters["ratio_to_bare"] = ns / NsFormulaGoala();
}

}  // namespace

BENCHMARK(BM_FormulaGoala)->Apply(OdataInModScurt);
BENCHMARK(BM_CalculeazaEcuatieDispersie)->Apply(OdataInModScurt);
BENCHMARK(BM_IndiceDinEcuatieDispersie)->Apply(OdataInModScurt);
BENCHMARK_MAIN();
