#include "output/Export.h"

#include "calcul/Trace.h"
#include "output/Sortie.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cstring>
#include <iterator>

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

// The page at 300 dpi. Nothing on it is antialiased, so it holds the palette's colours alone:
// one byte a pixel (9 MB for A4), painted in bands of 24-bit pixels.
QImage PageEnPalette(const Graphes& graphes, const MiseEnPage& mise) {
    QList<QRgb> couleurs;
    for (const Rvb c : Palette)
        couleurs << (0xFF000000u | c);
    const QSize taille = Page.sizePixels(PppImage);
    QImage page(taille, QImage::Format_Indexed8);
    QImage bande(taille.width(), 256, QImage::Format_RGB32);
    if (page.isNull() || bande.isNull()) return {};
    page.setColorTable(couleurs);
    const int pointsParMetre = qRound(PppImage / 0.0254);
    page.setDotsPerMeterX(pointsParMetre);
    page.setDotsPerMeterY(pointsParMetre);
    for (int haut = 0; haut < taille.height(); haut += bande.height()) {
        bande.fill(Qt::white);
        QPainter peintre(&bande);
        peintre.translate(0, -haut);
        PeintPage(peintre, graphes, mise, PppImage, PppImage);
        peintre.end();
        const QImage indexee = bande.convertToFormat(QImage::Format_Indexed8, couleurs,
                                                     Qt::ThresholdDither | Qt::AvoidDither);
        for (int y = 0; y < bande.height() && haut + y < taille.height(); ++y)
            std::memcpy(page.scanLine(haut + y), indexee.constScanLine(y), taille.width());
    }
    return page;
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
        const QImage page = PageEnPalette(graphes, mise);
        return !page.isNull() && QImageWriter(&fichier, "png").write(page);
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
    for (int i = 0; i < static_cast<int>(std::size(Formats)); ++i) {
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
