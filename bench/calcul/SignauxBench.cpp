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

void Signal_(benchmark::State& state, int index) {
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
    state.counters["octets_table"] = double(TableDuProcessus().Entrees() * sizeof(double));
}

void ParPoint(benchmark::State& state, Signal signal) {
    Etat etat = EtatDe(state);
    for (auto _ : state) {
        SommeRangsSupParPoint(etat, signal);
        benchmark::DoNotOptimize(etat.SommeRangsSup);
    }
}

// The first use at a rank: one function's table built from nothing up to state.range(0).
void BM_ConstructionTable(benchmark::State& state) {
    const Etat etat = EtatDepart(0.0f, 100);
    for (auto _ : state) {
        TableTrigo table;
        benchmark::DoNotOptimize(table.Sinus(etat, static_cast<int>(state.range(0))));
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
void BM_SommeRectangulaire(benchmark::State& s) {
    Somme(s, Signal::Rectangulaire);
}
void BM_SommeTriangulaire(benchmark::State& s) {
    Somme(s, Signal::Triangulaire);
}
void BM_SommeDentsDeScie(benchmark::State& s) {
    Somme(s, Signal::DentsDeScie);
}
void BM_SommeRectangulaireParPoint(benchmark::State& s) {
    ParPoint(s, Signal::Rectangulaire);
}
void BM_SommeTriangulaireParPoint(benchmark::State& s) {
    ParPoint(s, Signal::Triangulaire);
}
void BM_SommeDentsDeScieParPoint(benchmark::State& s) {
    ParPoint(s, Signal::DentsDeScie);
}

} // namespace

BENCHMARK(BM_Rectangulaire)->Args({100, 330})->Args({2000, 330})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Triangulaire)->Args({100, 330})->Args({2000, 330})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DentsDeScie)
    ->Args({100, 900})
    ->Args({2000, 900})
    ->Args({100, 0})
    ->Args({2000, 0})
    ->Args({2000, 1000})
    ->Unit(benchmark::kMicrosecond);

// The sum alone, the program's way and the per-sample way, on the same cases.
#define SOMME_ET_PAR_POINT(signal, ...)                                                            \
    BENCHMARK(BM_Somme##signal)->ArgsProduct(__VA_ARGS__)->Unit(benchmark::kMicrosecond);          \
    BENCHMARK(BM_Somme##signal##ParPoint)->ArgsProduct(__VA_ARGS__)->Unit(benchmark::kMicrosecond)
SOMME_ET_PAR_POINT(Rectangulaire, {{2000}, {330}});
SOMME_ET_PAR_POINT(Triangulaire, {{2000}, {330}});
SOMME_ET_PAR_POINT(DentsDeScie, {{2000}, {0, 1000, 900}});

BENCHMARK(BM_ConstructionTable)->Arg(100)->Arg(2000)->Unit(benchmark::kMicrosecond);
