// The sound's cost. A held arrow key changes a slider about 30 times a second: 30 periods
// rebuilt plus one second of samples read must stay under 50 ms per second (5 % of a core).
// Son/Seconde/... times exactly that: one second of sound with 30 changes in it.
#include "calcul/Signaux.h"
#include "calcul/Son.h"

#include <benchmark/benchmark.h>

using namespace Calcul_Graphe;

namespace {

// A falling ramp (sawtooth at 0 %) with its higher ranks up to state.range(0): its higher ranks
// keep 3 decimals, so none rounds to zero: the most partials there are.
std::vector<Partiel> Spectre(int rangMax) {
    Etat etat;
    InitialiseConstantes(etat);
    etat.RapportCyclique = 0.0f;
    etat.RangMax = static_cast<std::int16_t>(rangMax);
    etat.ModeChoixSignal = Vrai;
    etat.RangsSupActifs = Vrai;
    CalculeDentsDeScie(etat, {});
    for (int n = 1; n <= 10; ++n)
        etat.Validation[n] = 1;
    return SpectreSignal(etat);
}

// state.range(0): RangMax; state.range(1): fundamental in Hz.
void Periode(benchmark::State& state) {
    const std::vector<Partiel> spectre = Spectre(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(PeriodeBornee(spectre, static_cast<double>(state.range(1))));
}

void Seconde(benchmark::State& state) {
    std::vector<Partiel> spectre = Spectre(static_cast<int>(state.range(0)));
    GenerateurSon generateur;
    generateur.DefinitFrequence(static_cast<double>(state.range(1)));
    std::vector<std::int16_t> tampon(FrequenceEchantillonnage / 30);
    for (auto _ : state)
        for (int i = 0; i < 30; ++i) {
            // A slider moved: rank 1 changes, the rest stays.
            spectre[0].B = (i % 2 ? 1.0 : -1.0) * (10 + i);
            generateur.DefinitSpectre(spectre);
            generateur.Produit(tampon);
            benchmark::DoNotOptimize(tampon.data());
        }
}

} // namespace

BENCHMARK(Periode)->ArgsProduct({{10, 100, 2000}, {20, 220, 2000}})->Unit(benchmark::kMicrosecond);
BENCHMARK(Seconde)->ArgsProduct({{100, 2000}, {20, 220}})->Unit(benchmark::kMillisecond);
