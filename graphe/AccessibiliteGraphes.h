// What screen readers are told of the graph windows: each window is a window (not a bare
// container), each surface a chart with a name and a short sentence of what it shows, kept up
// to date by the drawing routines.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class SurfaceGraphe;

namespace Calcul_Graphe {

// Gives screen readers the graph windows and surfaces as above; once per run, before the first
// of them is made.
void InstalleAccessibiliteGraphes();

// Names of the two surfaces.
QString NomGrapheHarmonic();
QString NomGrapheSignal();

// The sentences: the ranks whose curves are drawn ("Rangs validés : 1, 3, 5"), the rebuilt
// signal's extreme value ("Valeur extrême : 127"), a bare signal surface.
QString TexteRangsValides(const std::vector<int>& rangs);
QString TexteValeurExtreme(std::int16_t valeurMax);
QString TexteSignalNonTrace();

// A surface's sentence, and the one it goes back to when cleared (set when its window loads).
// Screen readers are told of a change once the current event is handled, so a redraw that
// clears and draws again is one notice.
QString Description(const SurfaceGraphe& surface);
void DefinitDescriptionNue(SurfaceGraphe& surface, const QString& texte);
// The curves drawn since the last clear, by the key their routine gives them (a rank), in
// increasing order, each once.
std::vector<int> Courbes(const SurfaceGraphe& surface);

// The surfaces' sentences after a drawing: rank n added to the harmonic curves; the rebuilt
// signal drawn with this extreme value.
void DecritRangTrace(SurfaceGraphe& surface, std::int16_t n);
void DecritSignalTrace(SurfaceGraphe& surface, std::int16_t valeurMax);

} // namespace Calcul_Graphe
