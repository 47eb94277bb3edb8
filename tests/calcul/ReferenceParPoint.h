// The straightforward way of the higher-rank sum: the coefficients of every rank worked out
// again at every sample. The program works them out once per rank; tests and benchmarks
// compare the two.
#pragma once

#include "calcul/Coefficients.h"
#include "calcul/Etat.h"

#include <cmath>

namespace Calcul_Graphe {

inline void SommeRangsSupParPoint(Etat& etat, Signal signal) {
    for (int i = 0; i < NombrePoints; ++i) {
        etat.SommeRangsSup[i] = 0.0f;
        const int rangMax = etat.RangMax;
        for (int k = 11; k <= rangMax; ++k) {
            const CoefficientsAB c =
                CalculeCoefficientsSup(signal, etat.RapportCyclique, etat.Pi, k);
            const double x = AngleEchantillon(etat, k, i);
            etat.SommeRangsSup[i] =
                static_cast<float>(etat.SommeRangsSup[i] + (c.A * std::cos(x) + c.B * std::sin(x)));
        }
    }
}

} // namespace Calcul_Graphe
