#include "graphe/Ecran.h"

#include "calcul/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace Calcul_Graphe {

QRect EcranTwips() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QRect zone = ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768);
    return QRect(PixelsVersTwips(zone.x()), PixelsVersTwips(zone.y()),
                 PixelsVersTwips(zone.width()), PixelsVersTwips(zone.height()));
}

} // namespace Calcul_Graphe
