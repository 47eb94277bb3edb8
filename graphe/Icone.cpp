#include "graphe/Icone.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace Calcul_Graphe {

namespace {

// Colours of the 16-colour palette.
const QColor Noir(0x00, 0x00, 0x00);
const QColor GrisFonce(0x80, 0x80, 0x80);
const QColor GrisClair(0xC0, 0xC0, 0xC0);
const QColor Vert(0x00, 0x80, 0x00);
const QColor Blanc(0xFF, 0xFF, 0xFF);

} // namespace

QPixmap ImageIcone(int taille) {
    QImage image(taille, taille, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing, false);
    // The drawing is laid out on a 32-unit grid.
    const double u = taille / 32.0;
    auto r = [u](double x, double y, double l, double h) {
        return QRectF(std::round(x * u), std::round(y * u), std::max(1.0, std::round(l * u)),
                      std::max(1.0, std::round(h * u)));
    };

    // Monitor: light grey case with a dark edge, a foot and a stand.
    peintre.fillRect(r(1, 2, 30, 23), GrisFonce);
    peintre.fillRect(r(2, 3, 28, 21), GrisClair);
    peintre.fillRect(r(12, 25, 8, 2), GrisFonce);
    peintre.fillRect(r(7, 27, 18, 3), GrisFonce);
    peintre.fillRect(r(8, 27, 16, 2), GrisClair);

    // Screen: black, green grid, white sine over one period.
    const QRectF ecran = r(5, 5, 22, 16);
    peintre.fillRect(ecran, Noir);
    const int pas = taille >= 24 ? 4 : 8; // grid lines every 4 units, sparser when small
    for (int x = 5 + pas; x < 27; x += pas)
        peintre.fillRect(r(x, 5, 0, 16), Vert);
    for (int y = 5 + pas; y < 21; y += pas)
        peintre.fillRect(r(5, y, 22, 0), Vert);

    QPolygonF sinus;
    for (int i = 0; i <= 44; ++i) {
        const double t = i / 44.0;
        sinus << QPointF(ecran.left() + t * (ecran.width() - 1),
                         ecran.top() + (ecran.height() - 1) *
                                           (0.5 - 0.38 * std::sin(2 * std::numbers::pi * t)));
    }
    peintre.setPen(QPen(Blanc, taille >= 32 ? 1 : 0));
    peintre.drawPolyline(sinus);
    peintre.end();
    return QPixmap::fromImage(image);
}

QIcon IconeProgramme() {
    QIcon icone;
    icone.addPixmap(ImageIcone(32));
    icone.addPixmap(ImageIcone(16));
    return icone;
}

} // namespace Calcul_Graphe
