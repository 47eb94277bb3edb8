// The three predefined signals: coefficients of ranks 1 to 10 handed to the window layer for
// display, their samples in columns 1 to 10 of Harmonique, and the sum of the ranks 11 to
// RangMax in SommeRangsSup. The duty cycle is read by the caller (LitRapportCyclique) into
// RapportCyclique before a signal is computed; the sawtooth's mean-value controls are set by
// the caller too, before CalculeDentsDeScie.
#pragma once

#include "calcul/Coefficients.h"
#include "calcul/Etat.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace Calcul_Graphe {

// One rank as the coefficient table shows it.
struct CoefficientsRang {
    float A = 0.0f, B = 0.0f; // stored, 3 decimals: the samples use these
    double AAffiche = 0.0, BAffiche = 0.0, CAffiche = 0.0; // shown, rounded to 2 decimals
    std::int16_t Phase = 0;                                // whole degrees
};

struct TextesCoefficients {
    std::string An, Bn, Cn, Phin;
};

// Called for each rank n (1 to 10, in order) once its coefficients are known, before its
// samples are written.
using AfficheRang = std::function<void(std::int16_t n, const CoefficientsRang&)>;

// Phase of a rank in whole degrees. A zero: 90 x sign(B) (0 when B is zero). Otherwise
// phi = floor(atan(B / A) in degrees, worked with the exact pi, noise below 1e-9 degree
// dropped); phi when A > 0, phi + 180 when A < 0 and B >= 0 (negative zero included),
// phi - 180 when A < 0 and B < 0.
std::int16_t PhaseRang(float A, float B);

// The displayed values of stored coefficients: A, B and C = sqrt(B x B + A x A) rounded to
// 2 decimals, and the phase.
CoefficientsRang AfficheCoefficients(const CoefficientsAB& c);

// The four box texts of a rank (a negative zero shows "0").
TextesCoefficients TexteCoefficients(const CoefficientsRang& c, char separateur);

// Duty cycle as a fraction: the text read as a number (LitNombre) divided by 100, stored in
// single precision. Conversion error for a text that is no number, overflow error when the
// hundredth leaves the single range.
float LitRapportCyclique(std::string_view texte, char separateur);

// The signal routines, at a = RapportCyclique. Effects in this order: rank 1 shown (callback),
// rank 1 samples, rank 2 shown, ..., rank 10 samples, then SommeRangsSup (all zero when
// RangMax is below 11). An error stops the routine and leaves what was written.
// CalculeTriangulaire raises a division-by-zero error at a = 0 or 1 before anything is
// written or shown. An empty callback shows nothing.
void CalculeRectangulaire(Etat& etat, const AfficheRang& affiche);
void CalculeTriangulaire(Etat& etat, const AfficheRang& affiche);
void CalculeDentsDeScie(Etat& etat, const AfficheRang& affiche);

// Dispatch by the index of the signal list: 0 rectangle, 1 triangle, 2 sawtooth; any other
// index (-1: no selection) does nothing.
void CalculeSignal(Etat& etat, int indexSignal, const AfficheRang& affiche);

// SommeRangsSup for `signal` at a = RapportCyclique and the ranks 11 to RangMax, coefficients
// worked out once per rank and the sines and cosines of the sample angles looked up in the
// state's TableTrigo (up to rank 2000); the samples are bit for bit those of the
// coefficients and functions worked out again at every sample. Overflow error when RangMax
// exceeds 16383 (2 x rank leaves 16 bits).
void CalculeSommeRangsSup(Etat& etat, Signal signal);

} // namespace Calcul_Graphe
