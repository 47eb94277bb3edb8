// Counting the pixels of one colour in a zone of an image; finding a surface on a page.
#pragma once

#include <QImage>
#include <QRect>
#include <cmath>

// Pixels of `couleur` (alpha ignored) inside `zone`; `etendue` gathers the smallest rectangle
// holding them. Points of the zone outside the image count for nothing.
inline int Compte(const QImage& image, const QRect& zone, QRgb couleur, QRect* etendue = nullptr) {
    int n = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (image.valid(x, y) && ((image.pixel(x, y) ^ couleur) & 0xFFFFFF) == 0 && ++n &&
                etendue)
                *etendue |= QRect(x, y, 1, 1);
    return n;
}

// The share of the surface's coloured pixels (white and the black labels aside) with no pixel
// of about their colour near their place in `cible` on the page: a line moves by up to half a
// surface pixel when it is snapped at another scale, and antialiasing blends its edges.
inline double PartManquante(const QImage& surface, const QImage& page, const QRectF& cible) {
    const double ex = cible.width() / 511, ey = cible.height() / 299;
    const int r = 1 + static_cast<int>(std::ceil(ex)), cote = 2 * r + 1;
    int manquants = 0, colores = 0;
    for (int i = 0; i < 511 * 299; ++i) {
        const QRgb c = surface.pixel(i % 511, i / 511);
        if (c == qRgb(255, 255, 255) || c == qRgb(0, 0, 0)) continue;
        bool vu = false;
        for (int j = 0; j < cote * cote && !vu; ++j) {
            const QPoint p(cible.left() + (i % 511 + 0.5) * ex + j % cote - r,
                           cible.top() + (i / 511 + 0.5) * ey + j / cote - r);
            const QRgb v = page.valid(p) ? page.pixel(p) : 0;
            const int ecart = std::abs(qRed(v) - qRed(c)) + std::abs(qGreen(v) - qGreen(c)) +
                              std::abs(qBlue(v) - qBlue(c));
            vu = ecart < 90;
        }
        manquants += !vu;
        ++colores;
    }
    return double(manquants) / colores;
}
