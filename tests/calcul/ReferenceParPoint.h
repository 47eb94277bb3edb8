// The straightforward way of the higher-rank sum: every rank's coefficients worked out again at
// every sample. The program works them out once per rank; tests and benchmarks compare the two.
#pragma once

#include "calcul/Coefficients.h"
#include "calcul/Etat.h"

#include <cmath>

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

} // namespace Calcul_Graphe
