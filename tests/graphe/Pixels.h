// Small helpers to read the surfaces' images in tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace TestsGraphe {

inline QRgb Rvb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// Pixels of `couleur` inside `zone` (inclusive pixel rectangle).
inline int Compte(const QImage& image, const QRect& zone, QRgb couleur) {
    int n = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (Rvb(image, x, y) == (couleur & 0xFFFFFF)) ++n;
    return n;
}

// The smallest rectangle holding every pixel of `couleur` inside `zone` (null if none).
inline QRect Etendue(const QImage& image, const QRect& zone, QRgb couleur) {
    QRect r;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (Rvb(image, x, y) == (couleur & 0xFFFFFF)) r |= QRect(x, y, 1, 1);
    return r;
}

inline constexpr QRgb Blanc = 0xFFFFFF;
inline constexpr QRgb Bleu = 0x0000FF;
inline constexpr QRgb Noir = 0x000000;

} // namespace TestsGraphe
