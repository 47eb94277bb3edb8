// "Exporter les graphes...": the two graphs laid out as on the printed page, written to a file
// as SVG or PDF (vectors only) or as PNG at 300 dots per inch.
#pragma once

#include "graphe/Graphes.h"

#include <QString>

namespace Calcul_Graphe {

enum class FormatExport { Svg, Pdf, Png };

// The filters of the save dialog, in the order of FormatExport, and the format a chosen file
// is written in: the one its extension names (any case), else the one of the filter.
QString FiltresExport();
FormatExport FormatDuFichier(const QString& fichier, const QString& filtre);
// The extension of a format's files, without the dot.
QString Extension(FormatExport format);

// Writes the page (A4, as the printer lays it out) to `fichier`; the surfaces are untouched.
// The file appears whole or not at all: an existing file is replaced only once the new one is
// complete. Empty on success, else the French message that says why nothing was written.
QString ExporteGraphes(const Graphes& graphes, const QString& fichier, FormatExport format);

} // namespace Calcul_Graphe
