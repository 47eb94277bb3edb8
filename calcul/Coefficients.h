// Fourier coefficients of the three predefined signals, rank by rank, with the exact precision
// steps of the program: the duty cycle, Pi and the rank enter as single-precision values,
// products, quotients and functions are worked in double, a coefficient is stored in single
// precision after its rounding.
#pragma once

#include "calcul/Etat.h"

#include <cstdint>

namespace Calcul_Graphe {

// Index of the signal in the signal list.
enum class Signal { Rectangulaire = 0, Triangulaire = 1, DentsDeScie = 2 };

// A and B of rank n (1 to 10) of `signal` at duty cycle a, rounded to 3 decimals and stored in
// single precision. The triangle raises a division-by-zero error when a is 0 or 1; an
// overflow error when a coefficient leaves the single range.
CoefficientsAB CalculeCoefficients(Signal signal, float a, float pi, std::int16_t n);

// A and B of a higher rank k (11 to 16383), rounded to whole percent, except the sawtooth at
// a duty cycle of exactly 0 or 1, whose B keeps 3 decimals. The square of the rank is formed
// in floating point. Same errors as above.
CoefficientsAB CalculeCoefficientsSup(Signal signal, float a, float pi, int k);

// Whether A and B of the higher rank k surely both round to zero, judged from a bound of
// their magnitudes that needs no trigonometric function: where it says so,
// CalculeCoefficientsSup gives two zeros (of either sign) and raises no error. It may say no
// for a rank that does give zeros.
bool CoefficientsSupNuls(Signal signal, float a, float pi, int k);

// Angle of rank n (up to 16383) at sample i (0 to 100):
// 2 x n x Pi x Abscisse(i) / LargeurPeriode, each factor in single precision, worked in double
// from left to right.
double AngleEchantillon(const Etat& etat, int n, int i);

// 2 x n x Pi, the first product of AngleEchantillon, shared by all samples of a rank.
inline double FacteurRang(float pi, int n) {
    return static_cast<double>(static_cast<float>(2 * n)) * static_cast<double>(pi);
}

} // namespace Calcul_Graphe
