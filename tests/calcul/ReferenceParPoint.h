// The straightforward way of the higher-rank sum: every rank's coefficients worked out again at
// every sample. The program works them out once per rank; tests and benchmarks compare the two.
#pragma once

#include "calcul/Coefficients.h"
#include "calcul/Etat.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>

namespace Calcul_Graphe {

inline void SommeRangsSupParPoint(Etat& etat, Signal signal) {
    for (int i = 0; i < NombrePoints; ++i) {
        float somme = 0.0f;
        for (int k = 11; k <= etat.RangMax; ++k) {
            const auto c = CalculeCoefficientsSup(signal, etat.RapportCyclique, etat.Pi, k);
            const double x = AngleEchantillon(etat, k, i);
            somme = float(somme + (c.A * std::cos(x) + c.B * std::sin(x)));
        }
        etat.SommeRangsSup[i] = somme;
    }
}

// Bit pattern of a float or a double.
template <typename T> auto Motif(T x) {
    if constexpr (sizeof(T) == 4)
        return std::bit_cast<std::uint32_t>(x);
    else
        return std::bit_cast<std::uint64_t>(x);
}

// The first entry whose bit patterns differ, in hexadecimal floating point; empty when every
// bit is the same (a negative zero differs from a zero).
template <typename A, typename B> std::string PremiereDifference(const A& a, const B& b) {
    for (std::size_t i = 0; i < std::size(a); ++i)
        if (Motif(a[i]) != Motif(b[i])) {
            std::ostringstream texte;
            texte << "entry " << i << ": " << std::hexfloat << a[i] << " against " << b[i];
            return texte.str();
        }
    return {};
}

} // namespace Calcul_Graphe
