// Export of the graphs: each format holds what it must (vectors only, or 300 dpi pixels), shows
// the surfaces where the printed page puts them, and a failed write leaves the old file alone.
#include "app/Ondalis.h"
#include "calcul/Reglage.h"
#include "graphe/SurfaceGraphe.h"
#include "graphe/TraceGraphes.h"
#include "output/Export.h"
#include "output/Sortie.h"

#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace Calcul_Graphe;

namespace {

QByteArray Sh(const QString& commande) {
    QProcess p;
    p.start("sh", {"-c", commande});
    return p.waitForFinished(60000) ? p.readAllStandardOutput().trimmed() : QByteArray("échec");
}

bool Proche(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) <
           90;
}

// The share of the surface's coloured pixels (white and the black labels aside) with no pixel
// of a close colour near their place in `cible` on the page (a line moves by up to half a
// surface pixel when it is snapped at another scale).
double PartManquante(const QImage& surface, const QImage& page, const QRectF& cible) {
    const int r = 1 + static_cast<int>(std::ceil(cible.width() / 511));
    int manquants = 0, colores = 0;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) {
            const QRgb c = surface.pixel(x, y);
            if (c == qRgb(255, 255, 255) || c == qRgb(0, 0, 0)) continue;
            const QPoint p((cible.left() + (x + 0.5) * cible.width() / 511),
                           (cible.top() + (y + 0.5) * cible.height() / 299));
            bool vu = false;
            for (int dy = -r; dy <= r && !vu; ++dy)
                for (int dx = -r; dx <= r && !vu; ++dx)
                    vu = page.valid(p.x() + dx, p.y() + dy) &&
                         Proche(page.pixel(p.x() + dx, p.y() + dy), c);
            manquants += !vu;
            ++colores;
        }
    return double(manquants) / colores;
}

} // namespace

TEST(Export, TroisFormatsMontrentLesSurfaces) {
    Ondalis app;
    app.Main();
    InitialiseConstantes(app.etat());
    RemplitColonneReglee(app.etat(), 0, 60.0);
    RemplitColonneReglee(app.etat(), 1, 80.0);
    RemplitColonneReglee(app.etat(), 2, 40.0);
    for (int n : {0, 1, 2})
        app.etat().Validation[n] = 1;
    RetraceHarmoniques(app.etat(), app.graphes());
    const QImage signal = app.graphes().signal->Image(),
                 harmonique = app.graphes().harmonic->Image();
    const auto mise = MiseEnPagePoints(QPageSize(QPageSize::A4).sizePoints());
    ASSERT_TRUE(mise);
    QTemporaryDir dossier;
    struct Cas {
        FormatExport format;
        const char* fichier;
        const char* verification; // a shell command printing "ok", the file as $1
        const char* rendu;        // rasterises $1 into $2 at 144 dpi, or at its own 300
        double ppp;
    };
    const Cas cas[] = {
        {FormatExport::Svg, "g.svg",
         "xmllint --noout $1 && grep -q '<path' $1 && ! grep -q '<image' $1 && echo ok",
         "rsvg-convert -d 144 -p 144 -b white $1 -o $2", 144},
        {FormatExport::Pdf, "g.pdf",
         "test \"$(pdfinfo $1 | awk '/^Pages/{print $2}')$(pdfimages -list $1 | tail -n +3)\" = 1 "
         "&& echo ok",
         "pdftoppm -r 144 -png -singlefile $1 ${2%.png}", 144},
        {FormatExport::Png, "g.png",
         "identify -units PixelsPerInch -format '%x %y %w %h' $1 | grep -qx '300 300 2479 3508' "
         "&& echo ok",
         "cp $1 $2", 300},
    };
    for (const Cas& c : cas) {
        const QString fichier = dossier.filePath(c.fichier), rendu = fichier + ".rendu.png";
        ASSERT_EQ(ExporteGraphes(app.graphes(), fichier, c.format), "") << c.fichier;
        EXPECT_EQ(Sh(QString("set -- %1 %2; %3").arg(fichier, rendu, c.verification)), "ok")
            << c.fichier;
        Sh(QString("set -- %1 %2; %3").arg(fichier, rendu, c.rendu));
        const QImage page(rendu);
        ASSERT_FALSE(page.isNull()) << c.fichier;
        const double f = c.ppp / 1440;
        for (auto [surface, haut] : {std::pair{signal, mise->Y1}, {harmonique, mise->Y2}})
            EXPECT_LT(PartManquante(surface, page,
                                    QRectF(mise->X * f, haut * f, mise->Wd * f, mise->Hp * f)),
                      0.01)
                << c.fichier << " à " << haut;
    }
    EXPECT_TRUE(app.graphes().signal->Image() == signal &&
                app.graphes().harmonic->Image() == harmonique);
}

// A write that fails halfway (a file size limit stands in for a full disk) or cannot start is
// said, and leaves the folder as it was: the old file whole, no temporary file.
TEST(Export, EcritureManqueeSansDemiFichier) {
    Ondalis app;
    app.Main();
    QTemporaryDir dossier;
    QFile ancien(dossier.filePath("g.svg"));
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly) && ancien.write("ancien") == 6);
    ancien.close();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit avant{};
    getrlimit(RLIMIT_FSIZE, &avant);
    const struct {
        const char* fichier;
        FormatExport format;
        const char* attendu;
    } cas[] = {
        {"g.svg", FormatExport::Svg, "g.svg.\rL'écriture a échoué (disque plein ?)."},
        {"g.svg", FormatExport::Png, "g.svg.\rL'écriture a échoué (disque plein ?)."},
        {"absent/g.pdf", FormatExport::Pdf,
         "g.pdf.\rLe dossier n'existe pas ou n'accepte pas de nouveau fichier."},
    };
    for (const auto& c : cas) {
        rlimit limite = avant;
        limite.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limite);
        const QString message =
            ExporteGraphes(app.graphes(), dossier.filePath(c.fichier), c.format);
        setrlimit(RLIMIT_FSIZE, &avant);
        EXPECT_EQ(message,
                  QString("Impossible d'exporter les graphes dans le fichier ") + c.attendu);
        EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"g.svg"});
        ASSERT_TRUE(ancien.open(QIODevice::ReadOnly));
        EXPECT_EQ(ancien.readAll(), "ancien");
        ancien.close();
    }
}
