// The arithmetic of the two graphs, without any window: colours of the ranks, vertical scales
// and the polylines in twips that the drawing routines hand to the surfaces.
#pragma once

#include "calcul/Etat.h"

#include <array>
#include <cstdint>

namespace Calcul_Graphe {

// A colour as 0xRRGGBB.
using Rvb = std::uint32_t;

// The 16-colour palette, by index.
inline constexpr std::array<Rvb, 16> Palette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// Pen of rank n (0 to 10): palette index n up to rank 6, n + 1 from rank 7, so that light grey
// (index 7) never appears on the white surface. Ranks outside 0..10 get black.
Rvb CouleurRang(std::int16_t n);

// Pen of the rebuilt signal: light red (palette index 12).
inline constexpr Rvb CouleurSignal = Palette[12];

// A point of a polyline, in twips.
struct PointTwips {
    std::int16_t x = 0;
    std::int16_t y = 0;
    friend bool operator==(const PointTwips&, const PointTwips&) = default;
};

// The pen starts at the axis crossing, then visits the 101 samples: 101 segments.
using Polyligne = std::array<PointTwips, NombrePoints + 1>;

// Twips per percent of the harmonic graph: (50 - OrigineY) / 100, half to even (-22 for 2240).
std::int16_t FacteurHarmonique(std::int16_t origineY);

// Twips per percent of the signal graph. The scale shrinks when the magnitude of ValeurMax
// exceeds 100, whatever its sign, so a negative extreme is scaled to fit as a positive one.
std::int16_t FacteurSignal(std::int16_t valeurMax, std::int16_t origineY);

// y of a harmonic sample: Floor(K x valeur) + origineY, clipped to 16 bits (33.3 -> 1507,
// 0.00002 -> 2239, a tiny negative value -> 2240).
std::int16_t OrdonneeHarmonique(std::int16_t k, float valeur, std::int16_t origineY);

// y of a signal sample: valeur x K + origineY, clipped to 16 bits.
std::int16_t OrdonneeSignal(std::int16_t k, std::int16_t valeur, std::int16_t origineY);

// x of sample i: Abscisse(i) + OrigineX, clipped to 16 bits.
std::int16_t AbscisseTrace(const Etat& etat, int i);

// The curve of rank n (0 to 10) from the column Harmonique(., n).
Polyligne PolyligneHarmonique(const Etat& etat, std::int16_t n);

// The rebuilt signal from SignalTotal, scaled by ValeurMax.
Polyligne PolyligneSignal(const Etat& etat);

} // namespace Calcul_Graphe
