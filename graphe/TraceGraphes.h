// Drawing of the two graphs: the curve of each validated rank on pctGrapheHarmonic, the rebuilt
// signal on pctGrapheSignal. The arithmetic lives in calcul/Trace.h; these routines only hand
// the polylines to the surfaces.
#pragma once

#include "calcul/Etat.h"
#include "graphe/Graphes.h"

#include <cstdint>

namespace Calcul_Graphe {

// Adds the curve of rank n (0 to 10) to the harmonic surface without clearing it, then
// recomputes the rebuilt signal and redraws it.
void TraceHarmonique(Etat& etat, const Graphes& graphes, std::int16_t n);

// Clears the harmonic surface and draws every validated rank, lowest first, then brings the
// signal graph up to date once; with no validated rank the signal graph is left alone.
void RetraceHarmoniques(Etat& etat, const Graphes& graphes);

// Clears the signal surface and draws SignalTotal, scaled by ValeurMax, in light red.
void TraceSignal(Etat& etat, const Graphes& graphes);

} // namespace Calcul_Graphe
