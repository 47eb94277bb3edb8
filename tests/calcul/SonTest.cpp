// The sound: what the signal routines leave in the state, synthesised and measured back rank
// by rank against the coefficients the table shows, and the glide of a change.
#include "calcul/Coefficients.h"
#include "calcul/Reglage.h"
#include "calcul/Signaux.h"
#include "calcul/Son.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

using namespace Calcul_Graphe;

namespace {

struct Terme {
    int rang;
    std::complex<double> c; // A - iB
};

// Expected terms: ranks 1 to 10 validated from `valides`, the higher ranks 11 to RangMax when
// asked, each from the table's coefficients; those at or above 24 kHz left out.
std::vector<Terme> Attendus(Signal signal, const Etat& etat, std::vector<int> valides, bool sup,
                            double f) {
    std::vector<Terme> t;
    const auto ajoute = [&](int n, CoefficientsAB c) {
        if (n * f < FrequenceEchantillonnage / 2.0 && (c.A != 0 || c.B != 0)) t.push_back({n, {c.A, -c.B}});
    };
    for (int n : valides)
        ajoute(n, CalculeCoefficients(signal, etat.RapportCyclique, etat.Pi,
                                      static_cast<std::int16_t>(n)));
    for (int k = 11; sup && k <= etat.RangMax; ++k)
        ajoute(k, CalculeCoefficientsSup(signal, etat.RapportCyclique, etat.Pi, k));
    return t;
}

struct Cas {
    const char* nom;
    int signal; // -1: manual mode
    float rapport;
    std::int16_t rangMax;
    bool sup;
    double frequence;
    std::vector<int> valides;
    int periodes; // measured over this many periods
};

} // namespace

TEST(Son, ChaqueRangValideASaFrequenceAvecLesCoefficientsDuTableau) {
    const Cas cas[] = {
        {"rectangle 50 %", 0, 0.5f, 100, false, 220, {1, 3, 5}, 44},
        {"triangle 33 % et rangs sup", 1, 0.33f, 300, true, 440, {1, 2, 4, 5, 9}, 40},
        {"rangs sup hors du mode choix", -1, 0.33f, 300, true, 440, {1, 2}, 40},
        {"2000 rangs à 2000 Hz", 0, 0.33f, 2000, true, 2000, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 40},
        {"2000 rangs à 20 Hz", 2, 0.9f, 2000, true, 20, {1, 2, 3, 10}, 1},
        {"rectangle 0 % : silence", 0, 0.0f, 100, true, 220, {1, 2, 3}, 44},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Etat etat;
        InitialiseConstantes(etat);
        etat.RangMax = c.rangMax;
        etat.RapportCyclique = c.rapport;
        etat.RangsSupActifs = c.sup ? Vrai : Faux;
        const auto signal = static_cast<Signal>(std::max(c.signal, 0));
        CalculeSignal(etat, static_cast<int>(signal), {});
        std::vector<Terme> attendus = Attendus(signal, etat, c.valides, c.sup && c.signal >= 0,
                                               c.frequence);
        if (c.signal >= 0) {
            etat.ModeChoixSignal = Vrai;
        } else {
            // Manual amplitudes: a sine each, over the signal's columns.
            attendus.clear();
            for (int n : c.valides) {
                RemplitColonneReglee(etat, static_cast<std::int16_t>(n), 10.0 * n - 35.0);
                attendus.push_back({n, {0.0, -(10.0 * n - 35.0)}});
            }
        }
        for (int n : c.valides)
            etat.Validation[n] = 1;
        // Neither the mean value nor a rank left unvalidated is heard.
        RemplitColonneReglee(etat, 0, 40.0);
        etat.Validation[0] = 1;

        const std::vector<std::int16_t> son =
            GenereSon(SpectreSignal(etat), c.frequence, 0.5);
        ASSERT_EQ(son.size(), 24000u);
        const int crete = std::abs(*std::max_element(
            son.begin(), son.end(), [](int a, int b) { return std::abs(a) < std::abs(b); }));
        if (attendus.empty()) {
            EXPECT_EQ(crete, 0);
            continue;
        }
        // -6 dBFS: 16422 at the peak of the period; the peak of the samples a hair below.
        EXPECT_LE(crete, 16423);
        EXPECT_GE(crete, 16000);

        // One whole number of periods after the glide in: the terms are orthogonal there.
        const int debut = 480;
        const int longueur =
            static_cast<int>(std::lround(c.periodes * FrequenceEchantillonnage / c.frequence));
        const auto mesure = [&](int n) {
            std::complex<double> s;
            for (int j = debut; j < debut + longueur; ++j)
                s += double(son[j]) * std::polar(1.0, -2 * std::numbers::pi * n * c.frequence *
                                                          j / FrequenceEchantillonnage);
            return 2.0 * s / double(longueur);
        };
        const std::complex<double> gain = mesure(attendus[0].rang) / attendus[0].c;
        double energieTermes = 0.0, energie = 0.0;
        for (const Terme& t : attendus) {
            const std::complex<double> m = mesure(t.rang);
            EXPECT_LT(std::abs(m / gain - t.c), 0.12 * std::abs(t.c)) << "rang " << t.rang;
            energieTermes += std::norm(m) / 2.0;
        }
        for (int j = debut; j < debut + longueur; ++j)
            energie += double(son[j]) * son[j] / longueur;
        // Nothing else: no mean value, no other rank, no alias (-40 dB).
        EXPECT_LT(energie - energieTermes, 1e-4 * energie);
    }
}

TEST(Son, UnChangementGlisseSansSaut) {
    // The largest step between two samples stays that of the steady sounds; a jump from one
    // waveform to another would be up to twice the peak.
    const std::vector<Partiel> sinus = {{1, 0.0, 50.0}};
    const std::vector<Partiel> oppose = {{1, 0.0, -50.0}};
    const std::vector<Partiel> carre = {{1, 0.0, 1.0}, {3, 0.0, 1.0 / 3}, {5, 0.0, 0.2}};
    const struct {
        const char* nom;
        std::vector<std::vector<Partiel>> spectres; // one every 100 samples
        std::vector<double> frequences;
    } cas[] = {
        {"signe inversé", {sinus, oppose}, {220, 220}},
        {"autre forme pendant le glissement", {sinus, carre, oppose, {}, sinus}, {220, 220}},
        {"fréquence", {carre, carre, carre}, {220, 440, 20}},
        {"silence puis son", {{}, oppose, {}}, {220, 220}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        GenerateurSon generateur;
        std::vector<std::int16_t> son(100);
        int saut = 0;
        std::int16_t precedent = 0;
        for (std::size_t i = 0; i < std::max(c.spectres.size(), c.frequences.size()) + 3; ++i) {
            if (i < c.spectres.size()) generateur.DefinitSpectre(c.spectres[i]);
            if (i < c.frequences.size()) generateur.DefinitFrequence(c.frequences[i]);
            generateur.Produit(son);
            for (std::int16_t e : son) {
                saut = std::max(saut, std::abs(e - precedent));
                precedent = e;
            }
        }
        // The steepest step of these sounds: about 2 pi x 440 / 48000 x 3.3 x 16422.
        EXPECT_LT(saut, 7000);
        EXPECT_EQ(generateur.Silencieux(), c.spectres.back().empty());
    }
}
