// The higher-rank sum's shortcuts: the table of sample-angle sines and cosines (a table kept
// for other angles, or grown wrongly, shows here), the ranks skipped as surely zero, and the
// sum on other constants than the start's.
#include "ReferenceParPoint.h"
#include "calcul/Signaux.h"
#include "calcul/TableTrigo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <span>

using namespace Calcul_Graphe;

namespace {

enum class Constantes { Depart, Largeur6000, Pi3, AbscissesNonLineaires };

Etat EtatDe(Constantes c, std::int16_t rangMax = 100, float rapport = 0.0f) {
    Etat etat;
    InitialiseConstantes(etat);
    etat.RangMax = rangMax;
    etat.RapportCyclique = rapport;
    switch (c) {
    case Constantes::Depart:
        break;
    case Constantes::Largeur6000:
        etat.LargeurPeriode = 6000;
        break;
    case Constantes::Pi3:
        etat.Pi = 3.0f;
        break;
    case Constantes::AbscissesNonLineaires:
        for (int i = 0; i < NombrePoints; ++i)
            etat.Abscisse[i] = static_cast<std::int16_t>(3 * i * i);
        break;
    }
    return etat;
}

} // namespace

TEST(TableTrigo, EntreesEgalesAuxFonctionsDesAngles) {
    // One table through a sequence of calls: it grows, never shrinks, and starts again when
    // the angles change, dropping the other function's entries too.
    const struct {
        Constantes c;
        bool sinus;
        int rang;
        std::size_t entrees;
    } appels[] = {
        {Constantes::Depart, true, 100, 101 * 101},
        {Constantes::Depart, false, 2000, 101 * 101 + 2001 * 101},
        {Constantes::Depart, true, 2000, 2 * 2001 * 101},
        {Constantes::Depart, true, 50, 2 * 2001 * 101},
        {Constantes::Largeur6000, false, 300, 301 * 101},
        {Constantes::Pi3, true, 300, 301 * 101},
        {Constantes::AbscissesNonLineaires, true, 300, 301 * 101},
        {Constantes::Depart, true, 2000, 2001 * 101},
    };
    TableTrigo table;
    for (const auto& a : appels) {
        const Etat etat = EtatDe(a.c);
        const double* lu = a.sinus ? table.Sinus(etat, a.rang) : table.Cosinus(etat, a.rang);
        std::vector<double> attendu;
        for (int k = 0; k <= a.rang; ++k)
            for (int i = 0; i < NombrePoints; ++i) {
                const double x = AngleEchantillon(etat, k, i);
                attendu.push_back(a.sinus ? std::sin(x) : std::cos(x));
            }
        const std::span<const double> entrees(lu, attendu.size());
        ASSERT_EQ(PremiereDifference(entrees, attendu), "")
            << int(a.c) << (a.sinus ? " sin " : " cos ") << a.rang;
        EXPECT_EQ(table.Entrees(), a.entrees) << int(a.c) << " " << a.rang;
    }
}

TEST(RangsSup, IdentiqueSurDesConstantesInhabituelles) {
    // Alternating constants through one state's table; ranks above 2000 go without it.
    const struct {
        Constantes c;
        std::int16_t rangMax;
        Signal signal;
        float a;
    } cas[] = {
        {Constantes::Depart, 2000, Signal::DentsDeScie, 0.0f},
        {Constantes::Largeur6000, 2000, Signal::DentsDeScie, 1.0f},
        {Constantes::Depart, 700, Signal::Rectangulaire, 0.33f},
        {Constantes::Pi3, 700, Signal::DentsDeScie, 0.0f},
        {Constantes::AbscissesNonLineaires, 700, Signal::Triangulaire, 0.33f},
        {Constantes::Depart, 2001, Signal::DentsDeScie, 1.0f},
        {Constantes::Depart, 2500, Signal::DentsDeScie, 0.9f},
        {Constantes::Largeur6000, 100, Signal::Rectangulaire, 0.07f},
    };
    int nonNuls = 0; // guards against empty sums
    Etat rapide;
    for (const auto& c : cas) {
        TableTrigo gardee = std::move(rapide.TableRangsSup); // the table lives on
        rapide = EtatDe(c.c, c.rangMax, c.a);
        rapide.TableRangsSup = std::move(gardee);
        Etat reference = rapide;
        CalculeSommeRangsSup(rapide, c.signal);
        SommeRangsSupParPoint(reference, c.signal);
        EXPECT_EQ(PremiereDifference(rapide.SommeRangsSup, reference.SommeRangsSup), "")
            << int(c.c) << " RangMax " << c.rangMax << " signal " << int(c.signal);
        for (float x : rapide.SommeRangsSup)
            nonNuls += x != 0.0f;
    }
    EXPECT_GT(nonNuls, 6 * 100);
}

TEST(RangsSup, RangsSautesDonnentDesZeros) {
    // Where the bound says zero, the coefficients are zeros and nothing is raised. Ranks 11
    // to 2000 skipped: between `minimum` and `maximum`.
    const struct {
        Signal signal;
        float a;
        int minimum, maximum;
    } cas[] = {
        {Signal::Rectangulaire, 0.33f, 1800, 1990}, {Signal::Rectangulaire, 0.5f, 1800, 1990},
        {Signal::Rectangulaire, -3.7f, 1800, 1990}, {Signal::Rectangulaire, 0.0f, 1800, 1990},
        {Signal::Triangulaire, 0.33f, 1900, 1990},  {Signal::Triangulaire, 0.001f, 1700, 1990},
        {Signal::Triangulaire, 0.0f, 0, 0},         {Signal::Triangulaire, 1.0f, 0, 0},
        {Signal::Triangulaire, 1.5f, 1900, 1990},   {Signal::DentsDeScie, 0.9f, 1900, 1990},
        {Signal::DentsDeScie, 0.001f, 1800, 1990},  {Signal::DentsDeScie, 0.999f, 1800, 1990},
        {Signal::DentsDeScie, 0.0f, 0, 0},          {Signal::DentsDeScie, 1.0f, 0, 0},
        {Signal::DentsDeScie, 1e30f, 1900, 1990},   {Signal::DentsDeScie, 1e-30f, 0, 0},
        {Signal::Rectangulaire, INFINITY, 0, 0},    {Signal::Triangulaire, NAN, 0, 0},
    };
    for (const auto& c : cas) {
        int sautes = 0;
        for (int k = 11; k <= 2000; ++k) {
            if (!CoefficientsSupNuls(c.signal, c.a, 3.14159274f, k)) continue;
            ++sautes;
            std::optional<CoefficientsAB> coefficients;
            EXPECT_NO_THROW(coefficients = CalculeCoefficientsSup(c.signal, c.a, 3.14159274f, k));
            ASSERT_TRUE(coefficients && coefficients->A == 0.0f && coefficients->B == 0.0f)
                << int(c.signal) << " a = " << c.a << " rank " << k;
        }
        EXPECT_GE(sautes, c.minimum) << int(c.signal) << " a = " << c.a;
        EXPECT_LE(sautes, c.maximum) << int(c.signal) << " a = " << c.a;
    }
}
