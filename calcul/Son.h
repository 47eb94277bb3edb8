// The sound of the rebuilt signal, synthesised from the coefficients of its terms (never from
// the 101 drawn samples): each term at its multiple of the fundamental, the ranks at or above
// half the sample rate left out so that nothing aliases, no mean value (no DC), each
// configuration scaled to a peak of -6 dBFS, every change gliding over a few milliseconds.
//
// Real time cheaply: the signal is periodic, so one band-limited period is built per change
// (an inverse FFT, whatever the number of ranks) and read back with linear interpolation from
// a table of at least 8 points per period of its highest rank (1024 at least).
#pragma once

#include "calcul/Etat.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace Calcul_Graphe {

inline constexpr int FrequenceEchantillonnage = 48000; // Hz
inline constexpr double FrequenceFondamentalDefaut = 220.0;
inline constexpr double FrequenceFondamentalMin = 20.0;
inline constexpr double FrequenceFondamentalMax = 2000.0;
inline constexpr double DureeGlissementSon = 0.005; // s, the crossfade of a change
inline constexpr double DureeFichierSon = 5.0;      // s

// One term of the sound: A x cos + B x sin of `rang` times the fundamental's phase.
struct Partiel {
    int rang = 0;
    double A = 0.0, B = 0.0;
};

// The terms of the rebuilt signal as CalculeSignalTotal sums them, the mean value left out:
// the validated ranks 1 to 10 from the coefficients their columns were sampled from, then, in
// the predefined-signal mode with the higher ranks active, those of SommeRangsSup.
std::vector<Partiel> SpectreSignal(const Etat& etat);

// One period of the partials whose frequency rang x frequence is below half `echantillonnage`:
// N + 1 values (N a power of two, the last repeating the first) at the phases j / N, scaled
// to a peak of -6 dBFS. Empty when no partial is left or all of them are zero: silence.
std::vector<float> PeriodeBornee(std::span<const Partiel> spectre, double frequence,
                                 int echantillonnage = FrequenceEchantillonnage);

// The endless sound: the current period read at the fundamental's rate. A new spectrum or
// frequency builds a new period and crossfades to it, at the same phase, over
// DureeGlissementSon; one that comes during a crossfade starts from what is heard at that
// moment. It starts silent.
class GenerateurSon {
public:
    explicit GenerateurSon(int echantillonnage = FrequenceEchantillonnage);

    void DefinitSpectre(std::vector<Partiel> spectre);
    void DefinitFrequence(double frequence);
    double Frequence() const { return frequence_; }

    // The next samples, 16-bit PCM.
    void Produit(std::span<std::int16_t> sortie);
    // Silent from now on: nothing to hear and no crossfade under way.
    bool Silencieux() const { return periode_.empty() && glissement_ == 0; }

private:
    void Reconstruit();
    float Lit(const std::vector<float>& periode) const;

    int echantillonnage_;
    double frequence_ = FrequenceFondamentalDefaut;
    std::vector<Partiel> spectre_;
    std::vector<float> periode_, precedente_; // heard, and faded out during a crossfade
    double phase_ = 0.0;                      // fraction of the period, 0 to 1
    int dureeGlissement_;                     // samples
    int glissement_ = 0;                      // samples of the crossfade still to come
};

// `secondes` of the sound, gliding in from silence and out to silence at the ends.
std::vector<std::int16_t> GenereSon(std::span<const Partiel> spectre, double frequence,
                                    double secondes,
                                    int echantillonnage = FrequenceEchantillonnage);

// A WAV file (RIFF, 16-bit PCM, mono) holding these samples.
std::string FichierWav(std::span<const std::int16_t> echantillons,
                       int echantillonnage = FrequenceEchantillonnage);

} // namespace Calcul_Graphe
