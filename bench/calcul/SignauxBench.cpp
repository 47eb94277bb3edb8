// Whole signal computations (ranks 1 to 10 and the higher-rank sum) beside the per-sample
// way of the higher-rank sum alone.
#include "../../tests/calcul/ReferenceParPoint.h"
#include "calcul/Signaux.h"

#include <benchmark/benchmark.h>

using namespace Calcul_Graphe;

namespace {

Etat EtatDepart(float rapport, std::int16_t rangMax) {
    Etat etat;
    InitialiseConstantes(etat);
    etat.RapportCyclique = rapport;
    etat.RangMax = rangMax;
    return etat;
}

// state.range(0): RangMax; the duty cycle in thousandths: state.range(1).
void Signal_(benchmark::State& state, int index) {
    Etat etat = EtatDepart(state.range(1) / 1000.0f, static_cast<std::int16_t>(state.range(0)));
    const AfficheRang affiche = [](std::int16_t, const CoefficientsRang& c) {
        benchmark::DoNotOptimize(c);
    };
    for (auto _ : state) {
        CalculeSignal(etat, index, affiche);
        benchmark::DoNotOptimize(etat.SommeRangsSup);
    }
}

void ParPoint(benchmark::State& state, Signal signal) {
    Etat etat = EtatDepart(state.range(1) / 1000.0f, static_cast<std::int16_t>(state.range(0)));
    for (auto _ : state) {
        SommeRangsSupParPoint(etat, signal);
        benchmark::DoNotOptimize(etat.SommeRangsSup);
    }
}

void BM_Rectangulaire(benchmark::State& s) {
    Signal_(s, 0);
}
void BM_Triangulaire(benchmark::State& s) {
    Signal_(s, 1);
}
void BM_DentsDeScie(benchmark::State& s) {
    Signal_(s, 2);
}
void BM_RectangulaireParPoint(benchmark::State& s) {
    ParPoint(s, Signal::Rectangulaire);
}
void BM_TriangulaireParPoint(benchmark::State& s) {
    ParPoint(s, Signal::Triangulaire);
}
void BM_DentsDeScieParPoint(benchmark::State& s) {
    ParPoint(s, Signal::DentsDeScie);
}

} // namespace

BENCHMARK(BM_Rectangulaire)->Args({100, 330})->Args({2000, 330})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RectangulaireParPoint)
    ->Args({100, 330})
    ->Args({2000, 330})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Triangulaire)->Args({100, 330})->Args({2000, 330})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TriangulaireParPoint)
    ->Args({100, 330})
    ->Args({2000, 330})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DentsDeScie)
    ->Args({100, 900})
    ->Args({2000, 900})
    ->Args({100, 0})
    ->Args({2000, 0})
    ->Args({2000, 1000})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DentsDeScieParPoint)
    ->Args({100, 900})
    ->Args({2000, 900})
    ->Args({2000, 0})
    ->Unit(benchmark::kMicrosecond);
