// The higher-rank sum works each rank's coefficients out once and skips the ranks that add
// nothing; every sample must stay bit for bit what the per-sample way gives.
#include "ReferenceParPoint.h"
#include "calcul/Nombres.h"
#include "calcul/Signaux.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

using namespace Calcul_Graphe;

namespace {

std::string Hexa(float x) {
    char tampon[48];
    std::snprintf(tampon, sizeof tampon, "%a (0x%08x)", double(x), std::bit_cast<std::uint32_t>(x));
    return tampon;
}

// Runs f and gives the kind of error it raised, or nothing.
template <typename F> std::optional<ErreurExecution::Nature> NatureErreur(F&& f) {
    try {
        f();
    } catch (const ErreurExecution& e) {
        return e.nature();
    }
    return std::nullopt;
}

} // namespace

TEST(RangsSup, IdentiqueAuCalculParPoint) {
    const Signal signaux[] = {Signal::Rectangulaire, Signal::Triangulaire, Signal::DentsDeScie};
    for (Signal signal : signaux) {
        for (float a : {0.0f, 0.5f, 0.9f, 1.0f, 0.33f, 1.5f, 0.07f}) {
            for (std::int16_t rangMax : {10, 11, 100, 2000}) {
                Etat rapide, reference;
                InitialiseConstantes(rapide);
                rapide.RapportCyclique = a;
                rapide.RangMax = rangMax;
                reference = rapide;
                const auto erreur = NatureErreur([&] { CalculeSommeRangsSup(rapide, signal); });
                const auto erreurReference =
                    NatureErreur([&] { SommeRangsSupParPoint(reference, signal); });
                const std::string cas = "signal " + std::to_string(int(signal)) +
                                        " a = " + std::to_string(a) +
                                        " RangMax = " + std::to_string(rangMax);
                ASSERT_EQ(erreur, erreurReference) << cas;
                for (int i = 0; i < NombrePoints; ++i) {
                    const float x = rapide.SommeRangsSup[i], y = reference.SommeRangsSup[i];
                    ASSERT_EQ(std::bit_cast<std::uint32_t>(x), std::bit_cast<std::uint32_t>(y))
                        << cas << " sample " << i << ": " << Hexa(x) << " vs " << Hexa(y);
                }
            }
        }
    }
}

TEST(RangsSup, SommeNonTriviale) {
    // Guards the comparison above against two sums that are both empty.
    Etat etat;
    InitialiseConstantes(etat);
    etat.RapportCyclique = 0.33f;
    etat.RangMax = 2000;
    CalculeSommeRangsSup(etat, Signal::Rectangulaire);
    int nonNuls = 0;
    for (float s : etat.SommeRangsSup)
        nonNuls += s != 0.0f;
    EXPECT_GT(nonNuls, 50);
}

TEST(RangsSup, RangMaxTropGrandEstUnDepassement) {
    Etat etat;
    InitialiseConstantes(etat);
    etat.RapportCyclique = 0.5f;
    etat.RangMax = 16384; // 2 x 16384 leaves 16 bits
    EXPECT_EQ(NatureErreur([&] { CalculeSommeRangsSup(etat, Signal::Rectangulaire); }),
              ErreurExecution::Nature::Depassement);
}
