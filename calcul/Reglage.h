// Rules of the main window that are pure arithmetic on texts and tables: the manual-mode
// column of a rank, the two rewritings of a confirmed duty-cycle text and the reading of the
// last-rank answer. The window reads its controls, calls these, and writes the results back.
#pragma once

#include "calcul/Etat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Calcul_Graphe {

// Column n of Harmonique from the amplitude of rank n (in percent): for n = 0 the constant
// amplitude at every sample (the mean value), otherwise amplitude x sin(2 n Pi Abscisse(k) /
// LargeurPeriode), each sample stored in single precision. Touches nothing else.
void RemplitColonneReglee(Etat& etat, std::int16_t n, double amplitude);

// A confirmed duty-cycle text that reads as a number strictly between 0 and 1 is a fraction:
// the result is the whole part of a hundred times it ("0,25" -> "25", "0,29" -> "29"), worked
// on the decimal digits of the text so that no binary rounding drops a unit. Empty result
// when the number is not a fraction. Conversion error when the text is no number.
std::optional<std::string> TexteFractionEnPourcent(std::string_view texte, char separateur);

// The whole part (floor) of the number the text reads as, written without decimals
// ("12,9" -> "12", "-3,2" -> "-4", "150" -> "150"). Conversion error when the text is no number.
std::string TextePlancher(std::string_view texte, char separateur);

// The last rank from the answer of its input box: the leading number of the text, its floor,
// at most 2000; a number outside the 16-bit range, either way, gives 2000. No lower limit.
std::int16_t LitRangMax(std::string_view reponse);

inline constexpr std::int16_t RangMaxLimite = 2000;

} // namespace Calcul_Graphe
