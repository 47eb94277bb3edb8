#include "graphe/Icone.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace Calcul_Graphe {

namespace {

// Colours of the 16-colour palette.
constexpr QRgb Noir = 0xFF000000;
constexpr QRgb GrisFonce = 0xFF808080;
constexpr QRgb GrisClair = 0xFFC0C0C0;
constexpr QRgb Vert = 0xFF008000;
constexpr QRgb Blanc = 0xFFFFFFFF;

// A filled rectangle on the 32-unit grid.
struct Piece {
    double x, y, l, h;
    QRgb couleur;
};

// The screen, where the grid and the sine are drawn.
constexpr Piece Ecran{5, 5, 22, 16, Noir};

// Every rectangle, back to front: case, dark edge, foot and stand, screen, grid lines every
// 4 units (every 8 when the icon is too small for a finer grid to stay readable).
std::vector<Piece> Pieces(bool petite) {
    std::vector<Piece> pieces{{1, 2, 30, 23, GrisFonce}, {2, 3, 28, 21, GrisClair},
                              {12, 25, 8, 2, GrisFonce}, {7, 27, 18, 3, GrisFonce},
                              {8, 27, 16, 2, GrisClair}, Ecran};
    const int pas = petite ? 8 : 4;
    for (int x = 5 + pas; x < 27; x += pas)
        pieces.push_back({double(x), Ecran.y, 1, Ecran.h, Vert});
    for (int y = 5 + pas; y < 21; y += pas)
        pieces.push_back({Ecran.x, double(y), Ecran.l, 1, Vert});
    return pieces;
}

// One period of the sine across a screen rectangle, for a pen of width trait: the points are
// the top-left corners of the pen's band, so the curve touches both sides without leaving.
QPolygonF Sinus(const QRectF& ecran, double trait) {
    constexpr int Segments = 44;
    QPolygonF sinus;
    for (int i = 0; i <= Segments; ++i) {
        const double t = double(i) / Segments;
        sinus << QPointF(ecran.left() + t * (ecran.width() - trait),
                         ecran.top() + (ecran.height() - trait) *
                                           (0.5 - 0.38 * std::sin(2 * std::numbers::pi * t)));
    }
    return sinus;
}

// Draws the icon on demand at the size and pixel ratio asked for.
class MoteurIcone : public QIconEngine {
public:
    // Each size is drawn once: every window and each of their repaints asks for it again.
    QPixmap pixmap(const QSize& taille, QIcon::Mode, QIcon::State) override {
        const int cote = std::max(1, std::min(taille.width(), taille.height()));
        const QString cle = QStringLiteral("ondalis-icone-%1").arg(cote);
        QPixmap image;
        if (!QPixmapCache::find(cle, &image)) {
            image = ImageIcone(cote);
            QPixmapCache::insert(cle, image);
        }
        return image;
    }
    void paint(QPainter* peintre, const QRect& rect, QIcon::Mode mode, QIcon::State etat) override {
        const qreal ratio = peintre->device() ? peintre->device()->devicePixelRatioF() : 1.0;
        QPixmap image = pixmap(rect.size() * ratio, mode, etat);
        image.setDevicePixelRatio(ratio);
        peintre->drawPixmap(rect.topLeft(), image);
    }
    // The sizes every window hands the display server, for title bars and task bars (any other
    // size is still drawn when asked for). Launchers take the installed icons, up to 256 and the
    // SVG; each size listed here is converted and sent for every window, at every start.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }
    QIconEngine* clone() const override { return new MoteurIcone; }
    QString key() const override { return QStringLiteral("ondalis"); }
};

} // namespace

QImage DessinIcone(int taille) {
    QImage image(taille, taille, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing, false);
    // Every edge falls on a whole pixel, so the icon is sharp at any size.
    const double u = taille / 32.0;
    auto r = [u](const Piece& p) {
        return QRectF(std::round(p.x * u), std::round(p.y * u), std::max(1.0, std::round(p.l * u)),
                      std::max(1.0, std::round(p.h * u)));
    };
    for (const Piece& p : Pieces(taille < 24))
        peintre.fillRect(r(p), QColor::fromRgb(p.couleur));

    // The sine's pen is one unit wide; a one-pixel pen draws right and below its points, a wider
    // one is centred on them and smoothed.
    const double trait = std::max(1.0, std::round(u));
    QPolygonF sinus = Sinus(r(Ecran), trait);
    if (trait > 1) {
        sinus.translate(trait / 2, trait / 2);
        peintre.setRenderHint(QPainter::Antialiasing, true);
    }
    QPen stylo(QColor::fromRgb(Blanc), taille >= 32 ? trait : 0);
    stylo.setJoinStyle(Qt::RoundJoin);
    // A wider pen's square caps would reach past the screen's edges.
    if (trait > 1) stylo.setCapStyle(Qt::FlatCap);
    peintre.setPen(stylo);
    peintre.drawPolyline(sinus);
    peintre.end();
    return image;
}

QPixmap ImageIcone(int taille) {
    return QPixmap::fromImage(DessinIcone(taille));
}

QIcon IconeProgramme() {
    return QIcon(new MoteurIcone);
}

QByteArray IconeSvg() {
    auto nombre = [](double v) { return QByteArray::number(v, 'g', 6); };
    auto couleur = [](QRgb c) { return QColor::fromRgb(c).name().toLatin1(); };
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                     "viewBox=\"0 0 32 32\">\n";
    for (const Piece& p : Pieces(false))
        svg += "  <rect x=\"" + nombre(p.x) + "\" y=\"" + nombre(p.y) + "\" width=\"" +
               nombre(p.l) + "\" height=\"" + nombre(p.h) + "\" fill=\"" + couleur(p.couleur) +
               "\"/>\n";
    // The pen's band as at 32 pixels, its centre half a unit inside.
    QPolygonF sinus = Sinus(QRectF(Ecran.x, Ecran.y, Ecran.l, Ecran.h), 1);
    sinus.translate(0.5, 0.5);
    svg += "  <polyline fill=\"none\" stroke=\"" + couleur(Blanc) +
           "\" stroke-width=\"1\" stroke-linejoin=\"round\" points=\"";
    for (qsizetype i = 0; i < sinus.size(); ++i)
        svg += (i ? " " : "") + nombre(sinus[i].x()) + "," + nombre(sinus[i].y());
    svg += "\"/>\n</svg>\n";
    return svg;
}

} // namespace Calcul_Graphe
