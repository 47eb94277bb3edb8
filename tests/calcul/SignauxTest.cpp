#include "calcul/Signaux.h"
#include "calcul/Nombres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

using namespace Calcul_Graphe;
using Nature = ErreurExecution::Nature;

namespace {

constexpr float Sentinelle = -1234.5f;

struct Calcul {
    Etat etat;
    std::vector<std::int16_t> rangs;            // ranks in the order they were shown
    std::vector<TextesCoefficients> textes{11}; // by rank
    std::vector<CoefficientsRang> valeurs{11};
    std::optional<Nature> erreur;
};

// Computes signal `index` at the duty-cycle text `rapport` (French separator) on a started
// state whose tables hold a sentinel.
Calcul Calcule(int index, const char* rapport, std::int16_t rangMax = 100) {
    Calcul r;
    InitialiseConstantes(r.etat);
    r.etat.RangMax = rangMax;
    for (auto& ligne : r.etat.Harmonique)
        ligne.fill(Sentinelle);
    r.etat.SommeRangsSup.fill(Sentinelle);
    try {
        r.etat.RapportCyclique = LitRapportCyclique(rapport, ',');
        CalculeSignal(r.etat, index, [&r](std::int16_t n, const CoefficientsRang& c) {
            // Shown before its own samples are written, after the previous rank's.
            EXPECT_EQ(r.etat.Harmonique[25][n], Sentinelle) << "rank " << n;
            if (n > 1) {
                EXPECT_NE(r.etat.Harmonique[25][n - 1], Sentinelle) << "rank " << n;
            }
            r.rangs.push_back(n);
            r.textes[n] = TexteCoefficients(c, ',');
            r.valeurs[n] = c;
        });
    } catch (const ErreurExecution& e) {
        r.erreur = e.nature();
    }
    return r;
}

} // namespace

TEST(Signaux, TextesDesCoefficients) {
    struct Cas {
        const char* nom;
        int signal;
        const char* rapport;
        int rang;
        TextesCoefficients attendu;
    };
    const Cas cas[] = {
        {"rectangle 50 % rang 1", 0, "50", 1, {"0", "63,66", "63,66", "90"}},
        {"rectangle 50 % rang 2", 0, "50", 2, {"0", "0", "0", "0"}},
        {"rectangle 50 % rang 3", 0, "50", 3, {"0", "21,22", "21,22", "90"}},
        {"rectangle 50 % rang 5", 0, "50", 5, {"0", "12,73", "12,73", "90"}},
        {"rectangle 33 % rang 1", 0, "33", 1, {"27,89", "47,17", "54,8", "59"}},
        {"rectangle 33 % rang 2 (A < 0)", 0, "33", 2, {"-13,44", "24,44", "27,89", "118"}},
        {"rectangle 33 % rang 4", 0, "33", 4, {"7,2", "11,35", "13,44", "57"}},
        {"rectangle 25 % rang 1 (A = B)", 0, "25", 1, {"31,83", "31,83", "45,02", "45"}},
        {"triangle 50 % rang 1", 1, "50", 1, {"0", "40,53", "40,53", "90"}},
        {"triangle 50 % rang 3", 1, "50", 3, {"0", "-4,5", "4,5", "-90"}},
        {"triangle 50 % rang 5", 1, "50", 5, {"0", "1,62", "1,62", "90"}},
        {"triangle 33 % rang 1", 1, "33", 1, {"19,29", "32,62", "37,9", "59"}},
        {"triangle 33 % rang 4 (A < 0)", 1, "33", 4, {"-0,8", "-1,26", "1,5", "-123"}},
        {"triangle 33 % rang 5", 1, "33", 5, {"0,7", "-1,38", "1,55", "-63"}},
        {"dents de scie 0 % rang 1", 2, "0", 1, {"0", "31,83", "31,83", "90"}},
        {"dents de scie 0 % rang 2", 2, "0", 2, {"0", "15,91", "15,91", "90"}},
        {"dents de scie 100 % rang 1", 2, "100", 1, {"0", "-31,83", "31,83", "-90"}},
        {"dents de scie 100 % rang 2", 2, "100", 2, {"0", "-15,91", "15,91", "-90"}},
        {"dents de scie 90 % rang 1", 2, "90", 1, {"-10,75", "-33,09", "34,79", "-108"}},
        {"dents de scie 90 % rang 4", 2, "90", 4, {"-6,36", "-2,07", "6,69", "-162"}},
    };
    for (const auto& c : cas) {
        const Calcul r = Calcule(c.signal, c.rapport);
        ASSERT_FALSE(r.erreur) << c.nom;
        const TextesCoefficients& t = r.textes[c.rang];
        EXPECT_EQ(t.An, c.attendu.An) << c.nom;
        EXPECT_EQ(t.Bn, c.attendu.Bn) << c.nom;
        EXPECT_EQ(t.Cn, c.attendu.Cn) << c.nom;
        EXPECT_EQ(t.Phin, c.attendu.Phin) << c.nom;
    }
}

TEST(Signaux, RangsDansLOrdreEtCasesZeroNegatif) {
    const Calcul r = Calcule(0, "50");
    EXPECT_EQ(r.rangs, (std::vector<std::int16_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    // A of rank 1 rounds from a tiny negative value: a negative zero, shown "0".
    EXPECT_TRUE(std::signbit(r.valeurs[1].A));
    EXPECT_EQ(r.valeurs[1].A, 0.0f);
}

TEST(Signaux, RangsPairsNulsA50PourCent) {
    for (int signal : {0, 1}) {
        const Calcul r = Calcule(signal, "50");
        for (int n = 2; n <= 10; n += 2) {
            const TextesCoefficients& t = r.textes[n];
            EXPECT_EQ(t.An + t.Bn + t.Cn + t.Phin, "0000") << "signal " << signal << " rank " << n;
        }
    }
}

TEST(Signaux, EchantillonsAvecLesCoefficientsATroisDecimales) {
    const Calcul r = Calcule(0, "50");
    EXPECT_EQ(r.valeurs[1].B, 63.662f);
    EXPECT_EQ(r.etat.Harmonique[25][1], 63.662f);
    EXPECT_EQ(r.etat.Harmonique[0][1], 0.0f);
}

TEST(Signaux, RectangleAuxBornesToutNul) {
    for (const char* rapport : {"0", "100"}) {
        const Calcul r = Calcule(0, rapport);
        ASSERT_FALSE(r.erreur);
        ASSERT_EQ(r.rangs.size(), 10u);
        for (int n = 1; n <= 10; ++n) {
            const TextesCoefficients& t = r.textes[n];
            EXPECT_EQ(t.An + "|" + t.Bn + "|" + t.Cn + "|" + t.Phin, "0|0|0|0")
                << rapport << " % rank " << n;
            for (int i = 0; i < NombrePoints; ++i)
                ASSERT_EQ(r.etat.Harmonique[i][n], 0.0f) << rapport << " % " << i << ", " << n;
        }
        for (int i = 0; i < NombrePoints; ++i)
            ASSERT_EQ(r.etat.SommeRangsSup[i], 0.0f) << rapport << " % sample " << i;
    }
}

TEST(Signaux, TriangleAuxBornesDivisionParZeroSansRienEcrire) {
    for (const char* rapport : {"0", "100"}) {
        const Calcul r = Calcule(1, rapport);
        EXPECT_EQ(r.erreur, Nature::DivisionParZero) << rapport;
        EXPECT_TRUE(r.rangs.empty()) << rapport;
        for (int i = 0; i < NombrePoints; ++i) {
            for (int n = 0; n < NombreRangs; ++n)
                ASSERT_EQ(r.etat.Harmonique[i][n], Sentinelle) << rapport;
            ASSERT_EQ(r.etat.SommeRangsSup[i], Sentinelle) << rapport;
        }
    }
    // Just inside the range, and outside it, the triangle computes.
    for (const char* rapport : {"0,1", "99,9", "150", "-20"})
        EXPECT_FALSE(Calcule(1, rapport).erreur) << rapport;
}

TEST(Signaux, DentsDeScieRangsSuperieursATroisDecimalesAuxBornes) {
    const float pi = 3.14159274f;
    EXPECT_EQ(CalculeCoefficientsSup(Signal::DentsDeScie, 0.0f, pi, 11).B, 2.894f);
    EXPECT_EQ(CalculeCoefficientsSup(Signal::DentsDeScie, 1.0f, pi, 11).B, -2.894f);
    EXPECT_EQ(CalculeCoefficientsSup(Signal::DentsDeScie, 0.0f, pi, 11).A, 0.0f);
    // Anywhere else, whole percent.
    EXPECT_EQ(CalculeCoefficientsSup(Signal::DentsDeScie, 0.001f, pi, 11).B, 3.0f);

    // With RangMax 11 the sum is rank 11 alone; at sample 25 its angle is 5.5 pi.
    const Calcul r = Calcule(2, "0", 11);
    EXPECT_NEAR(r.etat.SommeRangsSup[25], -2.894f, 1e-5f);
}

TEST(Signaux, RangMaxSousOnzeDonneUneSommeNulle) {
    for (std::int16_t rangMax : {10, 0, -5}) {
        const Calcul r = Calcule(0, "33", rangMax);
        for (int i = 0; i < NombrePoints; ++i)
            ASSERT_EQ(r.etat.SommeRangsSup[i], 0.0f) << rangMax;
    }
}

TEST(Signaux, AiguillageSelonLeSignal) {
    EXPECT_EQ(Calcule(0, "50").valeurs[1].B, 63.662f);
    EXPECT_EQ(Calcule(1, "0").erreur, Nature::DivisionParZero);
    EXPECT_EQ(Calcule(2, "0").valeurs[1].B, 31.831f);

    const Calcul aucun = Calcule(-1, "50");
    EXPECT_TRUE(aucun.rangs.empty());
    EXPECT_EQ(aucun.etat.RapportCyclique, 0.5f);
    EXPECT_EQ(aucun.etat.Harmonique[25][1], Sentinelle);
    EXPECT_EQ(aucun.etat.SommeRangsSup[25], Sentinelle);
}

TEST(LitRapportCyclique, CentiemeEnSimplePrecision) {
    struct Cas {
        const char* texte;
        std::optional<float> attendu; // nothing: error `nature`
        Nature nature;
    };
    const Cas cas[] = {
        {"50", 0.5f, {}},
        {"33", 0.33f, {}},
        {"0,5", 0.005f, {}},
        {"3e40", 3e38f, {}},
        {"1e41", {}, Nature::Depassement}, // 1e39 is beyond the single range
        {"1e309", {}, Nature::Depassement},
        {"abc", {}, Nature::Conversion},
        {"", {}, Nature::Conversion},
        {"50.5", {}, Nature::Conversion},
    };
    for (const auto& c : cas) {
        if (c.attendu) {
            EXPECT_EQ(LitRapportCyclique(c.texte, ','), *c.attendu) << c.texte;
            continue;
        }
        try {
            LitRapportCyclique(c.texte, ',');
            ADD_FAILURE() << c.texte << ": no error";
        } catch (const ErreurExecution& e) {
            EXPECT_EQ(e.nature(), c.nature) << c.texte;
        }
    }
}

TEST(PhaseRang, QuadrantsEtBruit) {
    struct Cas {
        const char* nom;
        float A, B;
        std::int16_t attendu;
    };
    const Cas cas[] = {
        {"A nul, B positif", 0.0f, 5.0f, 90},
        {"A nul, B negatif", -0.0f, -5.0f, -90},
        {"A et B nuls", 0.0f, -0.0f, 0},
        {"A = B", 31.831f, 31.831f, 45},
        {"A = B petits", 0.007f, 0.007f, 45},
        {"premier quadrant, plancher", 27.886f, 47.17f, 59},
        {"A positif, B negatif, plancher vers le bas", 1.0f, -2.0f, -64},
        {"A positif, B negatif, exact", 2.0f, -2.0f, -45},
        {"A negatif, B positif", -13.44f, 24.44f, 118},
        {"A negatif, B zero negatif", -3.0f, -0.0f, 180},
        {"A negatif, B negatif", -0.8f, -1.26f, -123},
        {"A negatif, B negatif, 90 %", -10.75f, -33.09f, -108},
    };
    for (const auto& c : cas)
        EXPECT_EQ(PhaseRang(c.A, c.B), c.attendu) << c.nom;
}
