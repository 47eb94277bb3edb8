// Independent readings the random-use test compares the program with, written from the rules
// the user is promised, not from the program's own routines.
#pragma once

#include "calcul/Etat.h"

#include <array>
#include <cstdint>
#include <string>

namespace Lectures {

// The last rank an accepted answer must give: its leading number (blanks skipped, then sign,
// digits, point and digits, exponent), floored, at most 2000; out of the 16-bit range either
// way, 2000; no leading number, 0. The number itself is read by the C library.
int RangMaxAttendu(const std::string& reponse);

// The rebuilt signal from the state's tables: at each sample the higher ranks' sum when it
// applies, then every validated column, rounded half to even to a 16-bit value after each
// term and clipped to that range.
std::array<std::int16_t, Calcul_Graphe::NombrePoints> SignalAttendu(const Calcul_Graphe::Etat& e);

} // namespace Lectures
