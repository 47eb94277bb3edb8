// The sound: what the signal routines leave in the state, synthesised and measured back rank
// by rank against the coefficients the table shows, and the glide of a change.
#include "calcul/Son.h"
#include "calcul/Coefficients.h"
#include "calcul/Reglage.h"
#include "calcul/Signaux.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

using namespace Calcul_Graphe;

TEST(Son, ChaqueRangValideASaFrequenceAvecLesCoefficientsDuTableau) {
    const struct {
        const char* nom;
        int signal;
        float rapport;
        std::int16_t rangMax;
        bool choix, sup; // the predefined-signal mode, the higher ranks ticked
        double frequence;
        std::vector<int> valides;
        int periodes; // measured over this many periods
    } cas[] = {
        {"rectangle 50 %", 0, 0.5f, 100, true, false, 220, {1, 3, 5}, 44},
        {"triangle 33 % et rangs sup", 1, 0.33f, 300, true, true, 440, {1, 2, 4, 5, 9}, 40},
        {"rangs sup hors du mode choix", 1, 0.33f, 300, false, true, 440, {1, 2}, 40},
        {"2000 rangs à 2000 Hz",
         0,
         0.33f,
         2000,
         true,
         true,
         2000,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
         40},
        {"1199 rangs à 20 Hz", 2, 0.0f, 2000, true, true, 20, {1, 2, 3, 10}, 1},
        {"rectangle 0 % : silence", 0, 0.0f, 100, true, true, 220, {1, 2, 3}, 44},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Etat etat;
        InitialiseConstantes(etat);
        etat.RangMax = c.rangMax;
        etat.RapportCyclique = c.rapport;
        etat.ModeChoixSignal = c.choix ? Vrai : Faux;
        etat.RangsSupActifs = c.sup ? Vrai : Faux;
        CalculeSignal(etat, c.signal, {});
        for (int n : c.valides)
            etat.Validation[n] = 1;
        // Neither the mean value nor a rank left unvalidated is heard.
        RemplitColonneReglee(etat, 0, 40.0);
        etat.Validation[0] = 1;
        // Expected: the table's coefficients (A - iB) of the ranks below 24 kHz.
        std::vector<std::pair<int, std::complex<double>>> attendus;
        const auto signal = static_cast<Signal>(c.signal);
        for (int n = 1; n <= (c.choix && c.sup ? c.rangMax : 10); ++n) {
            const bool valide = std::find(c.valides.begin(), c.valides.end(), n) != c.valides.end();
            if (n <= 10 && !valide) continue;
            const CoefficientsAB k =
                n <= 10 ? CalculeCoefficients(signal, c.rapport, etat.Pi, std::int16_t(n))
                        : CalculeCoefficientsSup(signal, c.rapport, etat.Pi, n);
            if (n * c.frequence < 24000 && (k.A != 0 || k.B != 0))
                attendus.push_back({n, {k.A, -k.B}});
        }

        const std::vector<std::int16_t> son = GenereSon(SpectreSignal(etat), c.frequence, 0.5);
        ASSERT_EQ(son.size(), 24000u);
        int crete = 0;
        for (std::int16_t e : son)
            crete = std::max(crete, std::abs(int{e}));
        // -6 dBFS: 16422 at the peak of the period; the peak of the samples a hair below.
        EXPECT_LE(crete, attendus.empty() ? 0 : 16423);
        if (attendus.empty()) continue;
        EXPECT_GE(crete, 16000);

        // One whole number of periods after the glide in: the terms are orthogonal there.
        const int debut = 480, longueur = int(std::lround(c.periodes * 48000 / c.frequence));
        const auto mesure = [&](int n) {
            std::complex<double> s;
            for (int j = debut; j < debut + longueur; ++j)
                s += double(son[j]) *
                     std::polar(1.0, -2 * std::numbers::pi * n * c.frequence * j / 48000);
            return 2.0 * s / double(longueur);
        };
        const std::complex<double> gain = mesure(attendus[0].first) / attendus[0].second;
        double energieTermes = 0.0, energie = 0.0;
        for (const auto& [rang, coefficient] : attendus) {
            const std::complex<double> m = mesure(rang);
            EXPECT_LT(std::abs(m / gain - coefficient), 0.12 * std::abs(coefficient)) << rang;
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
    const std::vector<Partiel> sinus = {{1, 0.0, 50.0}}, oppose = {{1, 0.0, -50.0}},
                               carre = {{1, 0.0, 1.0}, {3, 0.0, 1.0 / 3}, {5, 0.0, 0.2}};
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
