// The two graph surfaces the drawing routines draw on.
#pragma once

class SurfaceGraphe;

namespace Calcul_Graphe {

struct Graphes {
    SurfaceGraphe* harmonic = nullptr; // pctGrapheHarmonic
    SurfaceGraphe* signal = nullptr;   // pctGrapheSignal
};

} // namespace Calcul_Graphe
