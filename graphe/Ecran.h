// The screen as every window placement sees it.
#pragma once

#include <QRect>

namespace Calcul_Graphe {

// The available area of the primary screen (task bars excluded), in twips.
QRect EcranTwips();

} // namespace Calcul_Graphe
