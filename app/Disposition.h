// Where the graph windows go, in twips: the arithmetic of DisposeFenetres, without windows.
#pragma once

namespace Calcul_Graphe {

struct PositionTwips {
    int gauche = 0;
    int haut = 0;
    friend bool operator==(const PositionTwips&, const PositionTwips&) = default;
};

struct DispositionGraphes {
    PositionTwips signal;   // frmGrapheSignal: the top-left corner of the area
    PositionTwips harmonic; // frmGrapheHarmonic: left edge, its bottom on the area's bottom
};

// The area is the part of the screen windows may use (task bars excluded), in twips from the
// top-left corner of the screen; hauteurHarmonic is the outer height of frmGrapheHarmonic,
// title bar and borders included.
DispositionGraphes CalculeDisposition(int zoneGauche, int zoneHaut, int zoneHauteur,
                                      int hauteurHarmonic);

} // namespace Calcul_Graphe
