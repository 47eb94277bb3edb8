// A design rectangle in twips as a Qt rectangle in logical pixels, through the one twips rule.
#pragma once

#include "calcul/Twips.h"

#include <QRect>

namespace Calcul_Graphe {

inline QRect RectTwips(int gauche, int haut, int largeur, int hauteur) {
    return QRect(TwipsVersPixels(gauche), TwipsVersPixels(haut), TwipsVersPixels(largeur),
                 TwipsVersPixels(hauteur));
}

} // namespace Calcul_Graphe
