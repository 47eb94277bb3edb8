// The coefficient table as it goes to the clipboard: a heading row, then one row per rank,
// every number written by the rules of the box that shows it.
#pragma once

#include "calcul/Etat.h"

#include <array>
#include <string>
#include <vector>

namespace Calcul_Graphe {

// Rows of cells; the first row holds the headings.
using Tableau = std::vector<std::vector<std::string>>;

// Predefined-signal mode: rank 0 with the mean value as its slider gives it (in the An
// column), ranks 1 to 10 of the signal of list index `indexSignal` at RapportCyclique as the
// coefficient boxes write them, then, with the higher ranks on, ranks 11 to RangMax with the
// coefficients the rebuilt signal adds (whole percent). No signal chosen (an index outside 0
// to 2): empty coefficient cells, as the boxes. The errors of the formulas go up.
Tableau TableauSignal(const Etat& etat, int indexSignal, int valeurMoyenne, char separateur);

// Manual mode: the mean value and the ten amplitudes, in percent, as the sliders give them.
Tableau TableauReglage(const std::array<int, NombreRangs>& amplitudes, char separateur);

// Cells separated by tabs, each row ended by a line feed.
std::string TexteTabule(const Tableau& tableau);
// A UTF-8 HTML table, its first row as headings (the cells are numbers and plain words).
std::string TexteHtml(const Tableau& tableau);

} // namespace Calcul_Graphe
