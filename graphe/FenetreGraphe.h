// What the two graph windows share: their window style and size, and the place of a twip
// rectangle in logical pixels.
#pragma once

#include <QRect>

class QWidget;

namespace Calcul_Graphe {

// Client area of a graph window, in twips.
inline constexpr int LargeurFenetreGraphe = 7740;
inline constexpr int HauteurFenetreGraphe = 4560;

// A small fixed-size tool window with a close box only (no minimise or maximise button), not
// in the task bar. Closing it only hides it.
void PrepareFenetreGraphe(QWidget& fenetre);

// Places a child control from its design rectangle in twips.
void PlaceTwips(QWidget& controle, int gauche, int haut, int largeur, int hauteur);

// A key code that means "put the graphs back in their places".
bool EstToucheDisposition(int touche);

} // namespace Calcul_Graphe
