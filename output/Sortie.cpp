#include "output/Sortie.h"

#include "calcul/MiseEnPage.h"
#include "calcul/Twips.h"
#include "graphe/SurfaceGraphe.h"
#include "graphe/TraceGraphes.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
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

std::optional<MiseEnPage> MiseEnPagePoints(QSizeF page) {
    const double twipsParPoint = TwipsParPouce / PointsParPouce;
    return CalculeMiseEnPage(page.width() * twipsParPoint, page.height() * twipsParPoint,
                             PixelsVersTwips(SurfaceGraphe::LargeurDessin),
                             PixelsVersTwips(SurfaceGraphe::HauteurDessin));
}

void PeintPage(QPainter& peintre, const Graphes& graphes, const MiseEnPage& mise, double pppX,
               double pppY) {
    // Twips to the device's own units, so the lines come out at its full resolution.
    const double fx = pppX / TwipsParPouce, fy = pppY / TwipsParPouce;
    auto rectangle = [&](std::int32_t haut) {
        return QRectF(mise.X * fx, haut * fy, mise.Wd * fx, mise.Hp * fy);
    };
    RendDans(peintre, *graphes.signal, rectangle(mise.Y1));
    RendDans(peintre, *graphes.harmonic, rectangle(mise.Y2));
}

bool ImprimeGraphes(Etat& etat, const Graphes& graphes, QPrinter& imprimante) {
    // The printable area (the whole sheet in full-page mode), where the painter's origin is.
    const auto mise = MiseEnPagePoints(imprimante.pageRect(QPrinter::Point).size());
    if (!mise) return false;

    QPainter peintre;
    if (!peintre.begin(&imprimante)) return false;
    PeintPage(peintre, graphes, *mise, imprimante.logicalDpiX(), imprimante.logicalDpiY());
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

void CopieTableau(const Tableau& tableau) {
    auto* donnees = new QMimeData;
    donnees->setText(QString::fromStdString(TexteTabule(tableau)));
    donnees->setHtml(QString::fromStdString(TexteHtml(tableau)));
    QGuiApplication::clipboard()->setMimeData(donnees);
}

} // namespace Calcul_Graphe
