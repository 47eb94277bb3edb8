// The load shared by the drawing and output benchmarks: eleven validated ranks, mean value 10
// and harmonics of falling amplitude, so every curve crosses the whole surface.
#pragma once

#include "calcul/Etat.h"

#include <cmath>

inline void RemplitOnzeRangs(Calcul_Graphe::Etat& etat) {
    using namespace Calcul_Graphe;
    for (int i = 0; i < NombrePoints; ++i) {
        etat.Harmonique[i][0] = 10.0f;
        for (int n = 1; n < NombreRangs; ++n)
            etat.Harmonique[i][n] =
                (60.0f / n) * std::sin(2.0f * n * etat.Pi * etat.Abscisse[i] / 6800.0f);
    }
    etat.Validation.fill(1);
}
