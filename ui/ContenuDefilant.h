// A fixed-size window on a screen too small for it: its content scrolls, and only then.
#pragma once

#include <QSize>

class QMainWindow;

namespace Calcul_Graphe {

// `design` is the window's own size (menu bar and central content), `place` the most the
// screen gives its client area. Where the design fits, the window keeps exactly its design
// and its central content; otherwise the content moves into a scroll area (object name
// "defilementClient") and the window shrinks to the place, the menu bar kept whole.
void AjusteALaPlace(QMainWindow& fenetre, QSize design, QSize place);

} // namespace Calcul_Graphe
