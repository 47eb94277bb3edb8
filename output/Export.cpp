#include "output/Export.h"

#include "output/Sortie.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace Calcul_Graphe {

namespace {

// Vector files get the twip as their unit: the graphs' lines land on whole units there.
constexpr int PppVectoriel = 1440;
constexpr int PppImage = 300;

const QPageSize Page(QPageSize::A4);

struct Format {
    const char* filtre;
    const char* extension;
};
const Format Formats[] = {
    {"Image vectorielle SVG (*.svg)", "svg"},
    {"Document PDF (*.pdf)", "pdf"},
    {"Image PNG 300 ppp (*.png)", "png"},
};

// White page, then both graphs. False when the painter cannot work on the device.
bool Peint(QPaintDevice& appareil, const Graphes& graphes, const MiseEnPage& mise, int ppp) {
    QPainter peintre;
    if (!peintre.begin(&appareil)) return false;
    peintre.fillRect(QRect(QPoint(0, 0), Page.sizePixels(ppp)), Qt::white);
    PeintPage(peintre, graphes, mise, ppp, ppp);
    return peintre.end();
}

bool Ecrit(QIODevice& fichier, const Graphes& graphes, const MiseEnPage& mise,
           FormatExport format) {
    switch (format) {
    case FormatExport::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&fichier);
        svg.setResolution(PppVectoriel);
        svg.setSize(Page.sizePixels(PppVectoriel));
        svg.setViewBox(QRect(QPoint(0, 0), Page.sizePixels(PppVectoriel)));
        svg.setTitle(QStringLiteral("Ondalis"));
        return Peint(svg, graphes, mise, PppVectoriel);
    }
    case FormatExport::Pdf: {
        QPdfWriter pdf(&fichier);
        pdf.setCreator(QStringLiteral("Ondalis"));
        pdf.setTitle(QStringLiteral("Ondalis"));
        pdf.setResolution(PppVectoriel);
        pdf.setPageLayout(QPageLayout(Page, QPageLayout::Portrait, QMarginsF()));
        return Peint(pdf, graphes, mise, PppVectoriel);
    }
    case FormatExport::Png: {
        // Three bytes a pixel: the A4 page at 300 dpi takes 26 MB while it is written.
        QImage image(Page.sizePixels(PppImage), QImage::Format_RGB888);
        if (image.isNull()) return false;
        const int pointsParMetre = qRound(PppImage / 0.0254);
        image.setDotsPerMeterX(pointsParMetre);
        image.setDotsPerMeterY(pointsParMetre);
        return Peint(image, graphes, mise, PppImage) && QImageWriter(&fichier, "png").write(image);
    }
    }
    return false;
}

QString Raison(const QSaveFile& fichier) {
    switch (fichier.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("Le dossier n'existe pas ou n'accepte pas de nouveau fichier.");
    case QFileDevice::RenameError:
        return QStringLiteral("Le fichier existant n'a pas pu être remplacé.");
    default:
        return QStringLiteral("L'écriture a échoué (disque plein ?).");
    }
}

} // namespace

QString FiltresExport() {
    QStringList filtres;
    for (const Format& f : Formats)
        filtres << QString::fromUtf8(f.filtre);
    return filtres.join(QStringLiteral(";;"));
}

FormatExport FormatDuFichier(const QString& fichier, const QString& filtre) {
    const QString extension = QFileInfo(fichier).suffix().toLower();
    int parFiltre = 0;
    for (int i = 0; i < 3; ++i) {
        if (extension == QLatin1String(Formats[i].extension)) return static_cast<FormatExport>(i);
        if (filtre == QString::fromUtf8(Formats[i].filtre)) parFiltre = i;
    }
    return static_cast<FormatExport>(parFiltre);
}

QString Extension(FormatExport format) {
    return QLatin1String(Formats[static_cast<int>(format)].extension);
}

QString ExporteGraphes(const Graphes& graphes, const QString& fichier, FormatExport format) {
    const QString echec = QStringLiteral("Impossible d'exporter les graphes dans le fichier ") +
                          QFileInfo(fichier).fileName() + QStringLiteral(".\r");
    // Composed in memory first: a full disk shortens a write without any error, which the
    // painters would not see; the length written is checked here instead.
    QByteArray octets;
    QBuffer tampon(&octets);
    const auto mise = MiseEnPagePoints(Page.sizePoints());
    if (!mise || !tampon.open(QIODevice::WriteOnly) || !Ecrit(tampon, graphes, *mise, format))
        return echec + QStringLiteral("Les graphes n'ont pas pu être dessinés.");
    // A temporary file beside the target, renamed over it once complete.
    QSaveFile sortie(fichier);
    if (!sortie.open(QIODevice::WriteOnly) || sortie.write(octets) != octets.size() ||
        !sortie.commit())
        return echec + Raison(sortie);
    return {};
}

} // namespace Calcul_Graphe
