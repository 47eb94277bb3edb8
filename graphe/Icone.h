// The program icon, drawn in code: a grey monitor whose screen shows a green grid and a white
// sine wave, in 16 colours.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace Calcul_Graphe {

// The icon with its 32 x 32 and 16 x 16 images.
QIcon IconeProgramme();
// One image of the icon, taille x taille pixels (drawn for any size; 16 and 32 are the icon's).
QPixmap ImageIcone(int taille);

} // namespace Calcul_Graphe
