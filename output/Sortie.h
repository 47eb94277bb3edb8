// Printing the two graphs on one page and copying a graph to the clipboard.
#pragma once

class Ondalis;
class QPrinter;
class QWidget;
class SurfaceGraphe;

namespace Calcul_Graphe {

// "Imprimer": the platform print dialog, then, on confirmation, ImprimeGraphes on the chosen
// printer. Cancel changes nothing. Returns whether a page was printed.
bool Imprime(Ondalis& app, QWidget* parent);
// Composes the page with both graphs on `imprimante` and finishes the job at once.
void ImprimeGraphes(Ondalis& app, QPrinter& imprimante);

// Puts the surface's image (its drawing area, frame and curves) on the clipboard.
void CopieGraphe(const SurfaceGraphe& surface);

} // namespace Calcul_Graphe
