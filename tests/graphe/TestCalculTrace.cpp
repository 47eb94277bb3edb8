// The arithmetic of the two graphs: scales, ordinates, colours, the rebuilt-signal sum.
#include "calcul/Etat.h"
#include "calcul/SignalTotal.h"
#include "calcul/Trace.h"

#include <gtest/gtest.h>
#include <limits>

using namespace Calcul_Graphe;

namespace {

Etat EtatDemarre() {
    Etat etat;
    InitialiseConstantes(etat);
    return etat;
}

void RemplitRang(Etat& etat, int n, float valeur) {
    for (auto& echantillon : etat.Harmonique)
        echantillon[n] = valeur;
}

} // namespace

TEST(OrdonneeHarmonique, FloorOfTheProductThenTheOrigin) {
    struct Cas {
        const char* nom;
        float valeur;
        int y;
    } cas[] = {
        {"plus cent", 100.0f, 40},
        {"moins cent", -100.0f, 4440},
        {"zero", 0.0f, 2240},
        {"trente-trois virgule trois", 33.3f, 1507},
        {"moins trente-trois virgule trois", -33.3f, 2972},
        {"minuscule positif", 0.00002f, 2239},
        {"minuscule negatif", -0.00002f, 2240},
        {"cinquante", 50.0f, 1140},
        {"hors plage vers le haut", 2000.0f, -32768},
        {"hors plage vers le bas", -2000.0f, 32767},
    };
    const std::int16_t k = FacteurHarmonique(2240);
    ASSERT_EQ(k, -22);
    for (const Cas& c : cas)
        EXPECT_EQ(OrdonneeHarmonique(k, c.valeur, 2240), c.y) << c.nom;
}

TEST(FacteurSignal, ShrinksBeyondAHundredByMagnitude) {
    struct Cas {
        int valeurMax;
        int k;
    } cas[] = {{0, -22},   {100, -22},  {101, -22},  {102, -21}, {104, -21},
               {110, -20}, {150, -15},  {200, -11},  {292, -8},  {500, -4},
               {1000, -2}, {-150, -15}, {-100, -22}, {-292, -8}, {-32768, 0}};
    for (const Cas& c : cas)
        EXPECT_EQ(FacteurSignal(static_cast<std::int16_t>(c.valeurMax), 2240), c.k)
            << "ValeurMax " << c.valeurMax;
}

TEST(OrdonneeSignal, PeaksLandNearTheTopEdge) {
    struct Cas {
        int valeurMax, valeur, y;
    } cas[] = {{101, 101, 18},    {102, 102, 98},     {150, 150, -10},   {500, 500, 240},
               {1000, 1000, 240}, {-150, -150, 4490}, {100, -100, 4440}, {100, 2000, -32768}};
    for (const Cas& c : cas) {
        const auto k = FacteurSignal(static_cast<std::int16_t>(c.valeurMax), 2240);
        EXPECT_EQ(OrdonneeSignal(k, static_cast<std::int16_t>(c.valeur), 2240), c.y)
            << "ValeurMax " << c.valeurMax;
    }
}

TEST(CouleurRang, PaletteSkipsLightGrey) {
    const Rvb attendu[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                           0x808000, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF};
    for (std::int16_t n = 0; n <= 10; ++n)
        EXPECT_EQ(CouleurRang(n), attendu[n]) << "rang " << n;
    EXPECT_EQ(CouleurSignal, 0xFF0000u);
}

TEST(PolyligneHarmonique, StartsAtTheAxisCrossingAndSpansOnePeriod) {
    Etat etat = EtatDemarre();
    RemplitRang(etat, 0, 50.0f);
    const Polyligne p = PolyligneHarmonique(etat, 0);
    EXPECT_EQ(p[0], (PointTwips{290, 2240}));
    EXPECT_EQ(p[1], (PointTwips{290, 1140})); // vertical stroke on the value axis
    EXPECT_EQ(p[51], (PointTwips{3690, 1140}));
    EXPECT_EQ(p[101], (PointTwips{7090, 1140}));
}

TEST(CalculeSignalTotal, RunningSumRoundedAfterEveryTerm) {
    struct Cas {
        const char* nom;
        float rang0, rang1;
        int valide0, valide1;
        int somme, valeurMax;
    } cas[] = {
        {"deux moities donnent zero", 0.5f, 0.5f, 1, 1, 0, 0},
        {"un et demi puis un", 1.5f, 1.0f, 1, 1, 3, 3},
        {"somme partielle retenue", 80.0f, -60.0f, 1, 1, 20, 80},
        {"rang non valide ignore", 80.0f, -60.0f, 0, 1, -60, -60},
        {"aucun rang", 80.0f, -60.0f, 0, 0, 0, 0},
        {"depassement borne", 30000.0f, 30000.0f, 1, 1, 32767, 32767},
    };
    for (const Cas& c : cas) {
        Etat etat = EtatDemarre();
        RemplitRang(etat, 0, c.rang0);
        RemplitRang(etat, 1, c.rang1);
        etat.Validation[0] = static_cast<std::int16_t>(c.valide0);
        etat.Validation[1] = static_cast<std::int16_t>(c.valide1);
        CalculeSignalTotal(etat);
        EXPECT_EQ(etat.SignalTotal[0], c.somme) << c.nom;
        EXPECT_EQ(etat.SignalTotal[100], c.somme) << c.nom;
        EXPECT_EQ(etat.ValeurMax, c.valeurMax) << c.nom;
    }
}

TEST(CalculeSignalTotal, FirstExtremeMetStaysOnEqualMagnitudes) {
    Etat etat = EtatDemarre();
    etat.Validation[0] = 1;
    etat.Harmonique[3][0] = -70.0f;
    etat.Harmonique[7][0] = 70.0f;
    etat.ValeurMax = 999; // rebuilt from zero on every call
    CalculeSignalTotal(etat);
    EXPECT_EQ(etat.ValeurMax, -70);
}

TEST(CalculeSignalTotal, HigherRanksOnlyInPredefinedModeWhenActive) {
    struct Cas {
        std::int16_t mode, actifs;
        int somme;
    } cas[] = {{Vrai, Vrai, 13}, {Faux, Vrai, 1}, {Vrai, Faux, 1}};
    for (const Cas& c : cas) {
        Etat etat = EtatDemarre();
        etat.SommeRangsSup.fill(12.5f); // 12.5 rounds to 12, then + 0.6 of rank 1
        RemplitRang(etat, 1, 0.6f);
        etat.Validation[1] = 1;
        etat.ModeChoixSignal = c.mode;
        etat.RangsSupActifs = c.actifs;
        CalculeSignalTotal(etat);
        EXPECT_EQ(etat.SignalTotal[50], c.somme) << "mode " << c.mode << " actifs " << c.actifs;
    }
}
