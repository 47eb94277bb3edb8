// The texts of the help panel: what the mouse-move handlers of the main window write into
// lblInfo. A line break is the single character 13, as everywhere in the program's texts.
#pragma once

#include <QString>

namespace Calcul_Graphe {

// Text written when the pointer moves over the control `nom`(`index`) (index -1 for a single
// control); empty for a control that writes nothing. For txtHarmonic the text depends on
// whether the slider of the same rank is enabled.
QString TexteSurvol(const QString& nom, int index, bool curseurActif = true);

// Text of the slider of rank n, written by the slider handlers (sliders have no mouse move).
QString TexteCurseur(int rang);

// The panel's own text (the pointer over lblInfo) and its caption when it is created.
QString TexteLblInfo();
QString TexteInitialLblInfo();

} // namespace Calcul_Graphe
