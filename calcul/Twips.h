// Positions and sizes of the designs are in twips (1/1440 inch); the screen works in pixels
// at 15 twips per pixel. Every conversion goes through these two functions.
#pragma once

#include <cmath>

namespace Calcul_Graphe {

inline constexpr int TwipsParPixel = 15;

// Twips to (logical) pixels, to the nearest pixel. A whole number of twips is never exactly
// half-way between two pixels, since 15 is odd.
inline int TwipsVersPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsParPixel));
}

// The same mapping as a fraction, for drawing at a device pixel ratio or on a printer.
inline double TwipsVersPixelsReel(double twips) {
    return twips / TwipsParPixel;
}

inline int PixelsVersTwips(int pixels) {
    return pixels * TwipsParPixel;
}

// Twips to the nearest device pixel when one logical pixel spans `echelle` device pixels
// (high-DPI screens, printers); at echelle 1 this is TwipsVersPixels.
inline int TwipsVersPixelsEchelle(int twips, double echelle) {
    return static_cast<int>(std::lround(TwipsVersPixelsReel(twips) * echelle));
}

} // namespace Calcul_Graphe
