// The rebuilt signal: the validated terms summed sample by sample.
#pragma once

#include "calcul/Etat.h"

namespace Calcul_Graphe {

// Fills SignalTotal(0..100) and ValeurMax. At each sample the running sum starts from the
// higher-ranks sum (only in the predefined-signal mode with the higher ranks active), then adds
// Validation(n) x Harmonique(i, n) for n = 0 to 10, rounded half to even to 16 bits after every
// term (two terms of 0.5 give 0, not 1). ValeurMax is the running sum of greatest magnitude met
// after any term, sign kept, the first one met on equal magnitudes. Sums beyond 16 bits are
// clipped instead of failing.
void CalculeSignalTotal(Etat& etat);

} // namespace Calcul_Graphe
