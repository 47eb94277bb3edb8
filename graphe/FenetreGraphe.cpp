#include "graphe/FenetreGraphe.h"

#include "graphe/RectTwips.h"

#include "calcul/Twips.h"

#include <QWidget>

namespace Calcul_Graphe {

void PrepareFenetreGraphe(QWidget& fenetre) {
    // Flags before the first show: setting them later would hide the window again.
    fenetre.setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::CustomizeWindowHint);
    fenetre.setFixedSize(TwipsVersPixels(LargeurFenetreGraphe),
                         TwipsVersPixels(HauteurFenetreGraphe));
}

void PlaceTwips(QWidget& controle, int gauche, int haut, int largeur, int hauteur) {
    controle.setGeometry(RectTwips(gauche, haut, largeur, hauteur));
}

bool EstToucheDisposition(int touche) {
    return touche == Qt::Key_F5;
}

} // namespace Calcul_Graphe
