// The program's flag values and the dimensions of its sample tables.
#pragma once

#include <cstdint>

namespace Calcul_Graphe {

// Flags are 16-bit integers: True is -1, False is 0 (Validation alone holds 1 or 0).
inline constexpr std::int16_t Vrai = -1;
inline constexpr std::int16_t Faux = 0;

inline constexpr int NombrePoints = 101; // samples 0 to 100 of one period
inline constexpr int NombreRangs = 11;   // rank 0 (mean value) to rank 10

} // namespace Calcul_Graphe
