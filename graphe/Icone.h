// The program icon, drawn in code: a grey monitor whose screen shows a green grid and a white
// sine wave, in 16 colours. One drawing serves every size, the window icons, the About box and
// the files installed for the desktop (PNGs and an SVG written at build time).
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace Calcul_Graphe {

// The icon at any size and pixel ratio, drawn on demand so it stays crisp when enlarged.
QIcon IconeProgramme();
// One image of the icon, taille x taille pixels (drawn for any size; 16 and 32 are the icon's).
QPixmap ImageIcone(int taille);
// The same drawing as ImageIcone, without needing a running application.
QImage DessinIcone(int taille);
// The drawing as a scalable SVG document on the icon's 32-unit grid.
QByteArray IconeSvg();

} // namespace Calcul_Graphe
