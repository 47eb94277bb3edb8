// Whole signal computations (ranks 1 to 10 and the higher-rank sum), and the higher-rank sum
// alone beside its per-sample way (bench/compare_somme.sh puts them next to a numpy peer).
#include "../../tests/calcul/ReferenceParPoint.h"
#include "calcul/Signaux.h"
#include "calcul/TableTrigo.h"

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
Etat EtatDe(const benchmark::State& state) {
    return EtatDepart(state.range(1) / 1000.0f, static_cast<std::int16_t>(state.range(0)));
}

void SignalComplet(benchmark::State& state, int index) {
    Etat etat = EtatDe(state);
    const AfficheRang affiche = [](std::int16_t, const CoefficientsRang& c) {
        benchmark::DoNotOptimize(c);
    };
    for (auto _ : state) {
        CalculeSignal(etat, index, affiche);
        benchmark::DoNotOptimize(etat.SommeRangsSup);
    }
}

// The program's sum; the table is built before the timing starts, as after a first use.
void Somme(benchmark::State& state, Signal signal) {
    Etat etat = EtatDe(state);
    CalculeSommeRangsSup(etat, signal);
    for (auto _ : state) {
        CalculeSommeRangsSup(etat, signal);
        benchmark::DoNotOptimize(etat.SommeRangsSup);
    }
    state.counters["octets_table"] = double(etat.TableRangsSup.Entrees() * sizeof(double));
}

void SommeParPoint(benchmark::State& state, Signal signal) {
    Etat etat = EtatDe(state);
    for (auto _ : state) {
        SommeRangsSupParPoint(etat, signal);
        benchmark::DoNotOptimize(etat.SommeRangsSup);
    }
}

// The first use at a rank: one function's table built from nothing up to state.range(0).
void ConstructionTable(benchmark::State& state) {
    const Etat etat = EtatDepart(0.0f, 100);
    for (auto _ : state) {
        TableTrigo table;
        benchmark::DoNotOptimize(table.Sinus(etat, static_cast<int>(state.range(0))));
    }
}

} // namespace

// The whole routine of a signal, by its index in the signal list.
#define SIGNAL_(nom, index, ...)                                                                   \
    BENCHMARK_CAPTURE(SignalComplet, nom, index)                                                   \
        ->ArgsProduct(__VA_ARGS__)                                                                 \
        ->Unit(benchmark::kMicrosecond)
SIGNAL_(Rectangulaire, 0, {{100, 2000}, {330}});
SIGNAL_(Triangulaire, 1, {{100, 2000}, {330}});
SIGNAL_(DentsDeScie, 2, {{100, 2000}, {900, 0}});
SIGNAL_(DentsDeScie, 2, {{2000}, {1000}});

// The sum alone, the program's way and the per-sample way, on the same cases.
#define SOMME_(signal, ...)                                                                        \
    BENCHMARK_CAPTURE(Somme, signal, Signal::signal)                                               \
        ->ArgsProduct(__VA_ARGS__)                                                                 \
        ->Unit(benchmark::kMicrosecond);                                                           \
    BENCHMARK_CAPTURE(SommeParPoint, signal, Signal::signal)                                       \
        ->ArgsProduct(__VA_ARGS__)                                                                 \
        ->Unit(benchmark::kMicrosecond)
SOMME_(Rectangulaire, {{2000}, {330}});
SOMME_(Triangulaire, {{2000}, {330}});
SOMME_(DentsDeScie, {{2000}, {0, 1000, 900}});

BENCHMARK(ConstructionTable)->Arg(100)->Arg(2000)->Unit(benchmark::kMicrosecond);
