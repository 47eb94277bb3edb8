// Counting the pixels of one colour in a zone of an image.
#pragma once

#include <QImage>
#include <QRect>

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
