#include "graphe/TraceGraphes.h"

#include "calcul/SignalTotal.h"
#include "calcul/Trace.h"
#include "graphe/AccessibiliteGraphes.h"
#include "graphe/SurfaceGraphe.h"

namespace Calcul_Graphe {

namespace {

void DessinePolyligne(SurfaceGraphe& surface, const Polyligne& points, Rvb couleur) {
    const QColor stylo = QColor::fromRgb(static_cast<QRgb>(couleur));
    for (std::size_t i = 1; i < points.size(); ++i)
        surface.Ligne(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, stylo);
}

void TraceCourbe(const Etat& etat, const Graphes& graphes, std::int16_t n) {
    if (!graphes.harmonic) return;
    DessinePolyligne(*graphes.harmonic, PolyligneHarmonique(etat, n), CouleurRang(n));
    DecritRangTrace(*graphes.harmonic, n);
}

} // namespace

void TraceHarmonique(Etat& etat, const Graphes& graphes, std::int16_t n) {
    if (n < 0 || n >= NombreRangs) return;
    TraceCourbe(etat, graphes, n);
    CalculeSignalTotal(etat);
    TraceSignal(etat, graphes);
}

void RetraceHarmoniques(Etat& etat, const Graphes& graphes) {
    if (graphes.harmonic) graphes.harmonic->Efface();
    bool trace = false;
    for (std::int16_t n = 0; n < NombreRangs; ++n) {
        if (etat.Validation[n] != 1) continue;
        TraceCourbe(etat, graphes, n);
        trace = true;
    }
    // Drawing a curve leaves the sum as it was: once for all of them gives the same total and
    // the same picture. With no curve, the signal keeps what it showed.
    if (trace) {
        CalculeSignalTotal(etat);
        TraceSignal(etat, graphes);
    }
}

void TraceSignal(Etat& etat, const Graphes& graphes) {
    if (!graphes.signal) return;
    graphes.signal->Efface();
    DessinePolyligne(*graphes.signal, PolyligneSignal(etat), CouleurSignal);
    DecritSignalTrace(*graphes.signal, etat.ValeurMax);
}

} // namespace Calcul_Graphe
