// The two graph surfaces the drawing routines draw on.
#pragma once

class SurfaceGraphe;

struct Graphes {
    SurfaceGraphe* harmonique = nullptr; // pctGrapheHarmonic
    SurfaceGraphe* signal = nullptr;     // pctGrapheSignal
};
