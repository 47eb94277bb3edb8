#include "calcul/Nombres.h"
#include "calcul/Reglage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

using namespace Calcul_Graphe;

namespace {

struct CasFraction {
    const char* nom;
    const char* texte;
    std::optional<std::string> attendu;
};

class FractionRapportCyclique : public ::testing::TestWithParam<CasFraction> {};

TEST_P(FractionRapportCyclique, DonneLePourcentEntier) {
    EXPECT_EQ(TexteFractionEnPourcent(GetParam().texte, ','), GetParam().attendu)
        << GetParam().texte;
}

INSTANTIATE_TEST_SUITE_P(
    Textes, FractionRapportCyclique,
    ::testing::Values(
        CasFraction{"Quart", "0,25", "25"}, CasFraction{"Demi", "0,5", "50"},
        CasFraction{"Tiers", "0,333", "33"},
        // 0,29 x 100 in binary is 28.999999999999996: a product would give 28.
        CasFraction{"VingtNeufSansPerteBinaire", "0,29", "29"},
        CasFraction{"CinquanteSept", "0,57", "57"}, CasFraction{"CinquanteHuit", "0,58", "58"},
        CasFraction{"PresqueZero", "0,004", "0"}, CasFraction{"Exposant", "2,9E-1", "29"},
        CasFraction{"ExposantPositif", "0,00029e3", "29"},
        CasFraction{"SansZeroDevant", ",75", "75"}, CasFraction{"Blancs", "  0,07 ", "7"},
        CasFraction{"SignePlus", "+0,99", "99"}, CasFraction{"UnNestPasUneFraction", "1", {}},
        CasFraction{"ZeroNestPasUneFraction", "0", {}},
        CasFraction{"NegatifNestPasUneFraction", "-0,5", {}},
        CasFraction{"DouzeVirguleNeuf", "12,9", {}}, CasFraction{"CentCinquante", "150", {}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(FractionRapportCyclique, ToutesLesFractionsADeuxEtTroisDecimales) {
    for (int centiemes = 1; centiemes < 100; ++centiemes) {
        const std::string texte =
            "0," + std::string(centiemes < 10 ? "0" : "") + std::to_string(centiemes);
        EXPECT_EQ(TexteFractionEnPourcent(texte, ','), std::to_string(centiemes)) << texte;
        EXPECT_EQ(TexteFractionEnPourcent(texte + "9", ','), std::to_string(centiemes))
            << texte << "9";
    }
}

TEST(FractionRapportCyclique, SuitLeSeparateurDonne) {
    EXPECT_EQ(TexteFractionEnPourcent("0.29", '.'), "29");
    EXPECT_THROW(TexteFractionEnPourcent("0,29", '.'), ErreurExecution);
}

struct CasErreur {
    const char* nom;
    const char* texte;
};

class TexteRapportIllisible : public ::testing::TestWithParam<CasErreur> {};

TEST_P(TexteRapportIllisible, EstUneErreur) {
    EXPECT_THROW((void)TexteFractionEnPourcent(GetParam().texte, ','), ErreurExecution);
    EXPECT_THROW((void)TextePlancher(GetParam().texte, ','), ErreurExecution);
}

INSTANTIATE_TEST_SUITE_P(Textes, TexteRapportIllisible,
                         ::testing::Values(CasErreur{"Vide", ""}, CasErreur{"Lettres", "abc"},
                                           CasErreur{"Point", "0.5"}, CasErreur{"Pourcent", "50 %"},
                                           CasErreur{"HorsDouble", "1e309"},
                                           CasErreur{"Nan", "nan"}, CasErreur{"Infini", "inf"}),
                         [](const auto& info) { return std::string(info.param.nom); });

struct CasPlancher {
    const char* nom;
    const char* texte;
    const char* attendu;
};

class PlancherRapportCyclique : public ::testing::TestWithParam<CasPlancher> {};

TEST_P(PlancherRapportCyclique, EcritLaPartieEntiere) {
    EXPECT_EQ(TextePlancher(GetParam().texte, ','), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Textes, PlancherRapportCyclique,
                         ::testing::Values(CasPlancher{"DouzeVirguleNeuf", "12,9", "12"},
                                           CasPlancher{"NegatifVersLeBas", "-3,2", "-4"},
                                           CasPlancher{"DemiNegatif", "-0,5", "-1"},
                                           CasPlancher{"CentCinquante", "150", "150"},
                                           CasPlancher{"Un", "1", "1"},
                                           CasPlancher{"ZeroNegatif", "-0", "0"},
                                           CasPlancher{"QuaranteCinqVirguleSept", "45,7", "45"},
                                           CasPlancher{"Exposant", "1,5e2", "150"}),
                         [](const auto& info) { return std::string(info.param.nom); });

struct CasRang {
    const char* nom;
    const char* reponse;
    int attendu;
};

class ReponseRangMax : public ::testing::TestWithParam<CasRang> {};

TEST_P(ReponseRangMax, DonneLeRang) {
    EXPECT_EQ(LitRangMax(GetParam().reponse), GetParam().attendu) << GetParam().reponse;
}

INSTANTIATE_TEST_SUITE_P(
    Reponses, ReponseRangMax,
    ::testing::Values(
        CasRang{"AuDelaDeLaLimite", "2500", 2000}, CasRang{"LaLimite", "2000", 2000},
        CasRang{"SousLaLimite", "1999", 1999}, CasRang{"HorsEntier16", "100000", 2000},
        CasRang{"HorsEntier16Negatif", "-100000", 2000},
        CasRang{"PlusGrandEntier16", "32767", 2000}, CasRang{"PlusPetitEntier16", "-32768", -32768},
        CasRang{"JusteSousEntier16", "-32768,5", -32768},
        CasRang{"PlancherSortDeEntier16", "-32768.5", 2000}, CasRang{"HorsDouble", "1e400", 2000},
        CasRang{"Point", "15.7", 15}, CasRang{"VirguleArreteLeNombre", "15,7", 15},
        CasRang{"NegatifVersLeBas", "-2.5", -3}, CasRang{"LettresApres", "12abc", 12},
        CasRang{"Lettres", "abc", 0}, CasRang{"Vide", "", 0}, CasRang{"Blancs", "  300", 300},
        CasRang{"Negatif", "-5", -5}, CasRang{"Exposant", "1.5e3", 1500}),
    [](const auto& info) { return std::string(info.param.nom); });

class ColonneReglee : public ::testing::Test {
protected:
    void SetUp() override {
        InitialiseConstantes(etat);
        for (auto& echantillon : etat.Harmonique)
            echantillon.fill(7.0f);
    }
    Etat etat;
};

TEST_F(ColonneReglee, RangTroisFaitTroisPeriodesDeLAmplitude) {
    RemplitColonneReglee(etat, 3, 50.0);
    for (int k = 0; k < NombrePoints; ++k) {
        const double attendu = 50.0 * std::sin(2.0 * M_PI * 3.0 * k / 100.0);
        EXPECT_NEAR(etat.Harmonique[k][3], attendu, 1e-4) << "k = " << k;
        for (int n = 0; n < NombreRangs; ++n) {
            if (n == 3) continue;
            EXPECT_EQ(etat.Harmonique[k][n], 7.0f) << "rang " << n << " touché";
        }
    }
}

TEST_F(ColonneReglee, AmplitudeNegativeInverseLaSinusoide) {
    RemplitColonneReglee(etat, 1, -100.0);
    EXPECT_NEAR(etat.Harmonique[25][1], -100.0f, 1e-4);
    EXPECT_NEAR(etat.Harmonique[75][1], 100.0f, 1e-4);
    EXPECT_NEAR(etat.Harmonique[100][1], 0.0f, 1e-4);
}

TEST_F(ColonneReglee, ValeurMoyenneEstUneDroite) {
    RemplitColonneReglee(etat, 0, -20.0);
    for (int k = 0; k < NombrePoints; ++k) {
        EXPECT_EQ(etat.Harmonique[k][0], -20.0f) << "k = " << k;
        EXPECT_EQ(etat.Harmonique[k][1], 7.0f);
    }
}

} // namespace
