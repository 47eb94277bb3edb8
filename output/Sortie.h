// Printing the two graphs on one page; copying a graph or the coefficient table to the clipboard.
#pragma once

#include "calcul/Etat.h"
#include "calcul/MiseEnPage.h"
#include "calcul/TableauCoefficients.h"
#include "graphe/Graphes.h"

#include <QSizeF>
#include <memory>
#include <optional>

class QPainter;
class QPrintDialog;
class QPrinter;
class QWidget;
class SurfaceGraphe;

namespace Calcul_Graphe {

enum class ResultatImpression {
    Imprimee, // one page went to the printer, the surfaces were brought back
    Annulee,  // the dialog was cancelled: nothing changed
    Echouee,  // the printer could not be used: nothing changed
};

// "Imprimer": the platform print dialog (installed printers, or a PDF file), then, on
// confirmation, ImprimeGraphes on the chosen printer. A window keeps one, made at its first
// print: asking the print system for its printers and building the dialog cost more than the
// page itself, and the user finds the printer, file and settings of the last print again.
class Impression {
public:
    explicit Impression(QWidget* parent);
    ~Impression();
    Impression(const Impression&) = delete;
    Impression& operator=(const Impression&) = delete;

    ResultatImpression Imprime(Etat& etat, const Graphes& graphes);

private:
    std::unique_ptr<QPrinter> imprimante_;
    std::unique_ptr<QPrintDialog> dialogue_;
};

// Where the graphs go on a page of `page` points; empty when no page can be composed.
std::optional<MiseEnPage> MiseEnPagePoints(QSizeF page);

// Paints both graphs where `mise` puts them, each as its surface shows it, on a device of
// `pppX` x `pppY` dots per inch whose origin is the page's corner: the one page layout of the
// printer and of the exported files.
void PeintPage(QPainter& peintre, const Graphes& graphes, const MiseEnPage& mise, double pppX,
               double pppY);

// Composes the page on `imprimante`: the rebuilt signal in the upper half and the harmonic
// curves in the lower half, each as its surface shows it, rendered at the printer's
// resolution; then finishes the job at once, so each use gives one page of its own. Then the
// surfaces get the bare frame back and the harmonic curves are redrawn. False, with nothing
// changed, when the page is unusable or the printer cannot be opened or written.
bool ImprimeGraphes(Etat& etat, const Graphes& graphes, QPrinter& imprimante);

// Puts the surface's image on the clipboard, replacing whatever it held: its drawing area
// (frame and curves) in pixels, at the screen's device pixel ratio. The surface is untouched.
void CopieGraphe(const SurfaceGraphe& surface);

// Puts the coefficient table on the clipboard as tab-separated text and as an HTML table, so
// that it pastes as cells into a spreadsheet or a word processor.
void CopieTableau(const Tableau& tableau);

} // namespace Calcul_Graphe
