#include "output/Sortie.h"

#include "calcul/MiseEnPage.h"
#include "calcul/Twips.h"
#include "graphe/SurfaceGraphe.h"
#include "graphe/TraceGraphes.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace Calcul_Graphe {

namespace {

constexpr double PointsParPouce = 72.0;
constexpr double TwipsParPouce = 1440.0;

// The surface's content stretched into a rectangle of the page, in device units. The page
// rectangle is narrower than the surface's proportions (90 % of the width for the height of
// the full width): the width sets the scale, a vertical stretch makes up the height.
void RendDans(QPainter& peintre, const SurfaceGraphe& surface, const QRectF& cible) {
    const double echelle = cible.width() / SurfaceGraphe::LargeurDessin;
    const double hauteurNaturelle = SurfaceGraphe::HauteurDessin * echelle;
    peintre.save();
    peintre.translate(cible.topLeft());
    peintre.scale(1.0, cible.height() / hauteurNaturelle);
    surface.Rend(peintre, QRectF(0.0, 0.0, cible.width(), hauteurNaturelle));
    peintre.restore();
}

} // namespace

Impression::Impression(QWidget* parent)
    : imprimante_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    imprimante_->setDocName(QStringLiteral("Ondalis"));
    // Without any printer the dialog would propose a folder as the PDF file: name a file.
    if (QPrinterInfo::availablePrinters().isEmpty())
        imprimante_->setOutputFileName(QDir::home().filePath(QStringLiteral("Ondalis.pdf")));
    dialogue_ = std::make_unique<QPrintDialog>(imprimante_.get(), parent);
}

Impression::~Impression() = default;

ResultatImpression Impression::Imprime(Etat& etat, const Graphes& graphes) {
    if (dialogue_->exec() != QDialog::Accepted) return ResultatImpression::Annulee;
    return ImprimeGraphes(etat, graphes, *imprimante_) ? ResultatImpression::Imprimee
                                                       : ResultatImpression::Echouee;
}

bool ImprimeGraphes(Etat& etat, const Graphes& graphes, QPrinter& imprimante) {
    // The printable area (the whole sheet in full-page mode), where the painter's origin is.
    const QRectF page = imprimante.pageRect(QPrinter::Point);
    const double twipsParPoint = TwipsParPouce / PointsParPouce;
    const auto mise = CalculeMiseEnPage(page.width() * twipsParPoint, page.height() * twipsParPoint,
                                        PixelsVersTwips(SurfaceGraphe::LargeurDessin),
                                        PixelsVersTwips(SurfaceGraphe::HauteurDessin));
    if (!mise) return false;

    QPainter peintre;
    if (!peintre.begin(&imprimante)) return false;
    // Twips to the printer's own units, so the lines come out at its full resolution.
    const double fx = imprimante.logicalDpiX() / TwipsParPouce;
    const double fy = imprimante.logicalDpiY() / TwipsParPouce;
    auto rectangle = [&](std::int32_t haut) {
        return QRectF(mise->X * fx, haut * fy, mise->Wd * fx, mise->Hp * fy);
    };
    RendDans(peintre, *graphes.signal, rectangle(mise->Y1));
    RendDans(peintre, *graphes.harmonic, rectangle(mise->Y2));
    // Finishing the job here sends the page now; nothing is left open until the end of the run.
    if (!peintre.end()) return false;

    // Both surfaces back to their bare frame (the harmonic one by the redraw), then the harmonic
    // curves drawn anew: each brings the rebuilt signal up to date; with no validated rank both
    // graphs stay bare.
    graphes.signal->Efface();
    RetraceHarmoniques(etat, graphes);
    return true;
}

void CopieGraphe(const SurfaceGraphe& surface) {
    const QImage image = surface.Image(surface.devicePixelRatioF());
    QClipboard* pressePapiers = QGuiApplication::clipboard();
    pressePapiers->clear();
    pressePapiers->setImage(image);
}

} // namespace Calcul_Graphe
