#include "app/Disposition.h"

#include <cmath>

namespace Calcul_Graphe {

DispositionGraphes CalculeDisposition(int zoneGauche, int zoneHaut, int zoneHauteur,
                                      int hauteurHarmonic) {
    DispositionGraphes d;
    d.signal = {zoneGauche, zoneHaut};
    // The difference is a single; twips are whole, so it is exact in practice.
    const float haut = static_cast<float>(zoneHaut) + static_cast<float>(zoneHauteur) -
                       static_cast<float>(hauteurHarmonic);
    d.harmonic = {zoneGauche, static_cast<int>(std::lround(haut))};
    return d;
}

} // namespace Calcul_Graphe
