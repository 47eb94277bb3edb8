// Where the two graphs go on a printed page: the rebuilt signal in the upper half, the
// harmonic curves in the lower half, both 90 % of the page width wide. Everything in twips.
#pragma once

#include <cstdint>
#include <optional>

namespace Calcul_Graphe {

struct MiseEnPage {
    std::int32_t PW = 0; // page width
    std::int32_t PH = 0; // page height
    std::int32_t Wd = 0; // printed width of each graph
    std::int32_t Hd = 0; // only places the first graph
    std::int32_t X = 0;  // left edge of both graphs
    std::int32_t Y1 = 0; // top edge of the rebuilt-signal graph
    std::int32_t Y2 = 0; // top edge of the harmonic-curves graph
    float R = 0.0f;      // page width per twip of drawing-area width
    std::int32_t Hp = 0; // printed height of each graph
};

// The page arithmetic for a page of `largeurPage` x `hauteurPage` twips and a drawing area of
// `largeurDessin` x `hauteurDessin` twips. The page sizes go through single precision and are
// then rounded half to even; Wd and Hd are floors of 90 %; X, Y1, Y2 and Hp are rounded half
// to even. Held in 32 bits, so a page beyond 32767 twips (about 57.8 cm) works.
// Empty when no page can be composed: a page size that is not a positive finite number of
// at least one twip, or beyond 32 bits, or a drawing area without width or height.
std::optional<MiseEnPage> CalculeMiseEnPage(double largeurPage, double hauteurPage,
                                            int largeurDessin, int hauteurDessin);

} // namespace Calcul_Graphe
