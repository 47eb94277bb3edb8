// The table of sample-angle sines and cosines, and the higher-rank sum built on it, on other
// constants than the start's: a table kept for other angles, or grown wrongly, shows here.
#include "calcul/TableTrigo.h"
#include "ReferenceParPoint.h"
#include "calcul/Signaux.h"

#include <gtest/gtest.h>

#include <cmath>
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
    // Alternating constants through the process's table; ranks above 2000 go without it.
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
    for (const auto& c : cas) {
        Etat rapide = EtatDe(c.c, c.rangMax, c.a);
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
