// Export of the graphs: each format holds what it must (vectors only, or 300 dpi pixels) and
// shows the surfaces where the printed page puts them; a failed write leaves the old file alone.
#include "app/Ondalis.h"
#include "commun/Pixels.h"
#include "calcul/Reglage.h"
#include "graphe/SurfaceGraphe.h"
#include "graphe/TraceGraphes.h"
#include "output/Export.h"
#include "output/Sortie.h"

#include <QPageSize>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace Calcul_Graphe;

namespace {

bool Sh(const QString& commande, const QString& fichier) {
    return QProcess::execute(
               "sh", {"-c", "set -- " + fichier + " " + fichier + ".png; " + commande}) == 0;
}

} // namespace

TEST(Export, TroisFormatsMontrentLesSurfacesOuRien) {
    Ondalis app;
    app.Main();
    InitialiseConstantes(app.etat());
    for (auto [n, amplitude] : {std::pair{0, 60.0}, {1, 80.0}, {2, 40.0}}) {
        RemplitColonneReglee(app.etat(), n, amplitude);
        app.etat().Validation[n] = 1;
    }
    RetraceHarmoniques(app.etat(), app.graphes());
    const QImage signal = app.graphes().signal->Image(),
                 harmonique = app.graphes().harmonic->Image();
    const auto mise = MiseEnPagePoints(QPageSize(QPageSize::A4).sizePoints());
    QTemporaryDir dossier;
    // File (its extension gives the format), a check, a rendering into $2 and its resolution ($1:
    // the file).
    const std::tuple<const char*, const char*, const char*, double> cas[] = {
        {"g.svg", "xmllint --noout $1 && grep -q '<path' $1 && ! grep -q '<image' $1",
         "rsvg-convert -d 144 -p 144 -b white $1 -o $2", 144},
        {"g.pdf",
         "pdfinfo $1 | grep -q 'Pages: *1$' && test -z \"$(pdfimages -list $1 | sed 1,2d)\"",
         "pdftoppm -r 144 -png -singlefile $1 ${2%.png}", 144},
        {"g.png",
         "identify -units PixelsPerInch -format '%x %y %w %h' $1 | grep -qx '300 300 2479 3508'",
         "cp $1 $2", 300},
    };
    for (const auto& [nom, verification, rendu, ppp] : cas) {
        const QString fichier = dossier.filePath(nom);
        ASSERT_EQ(ExporteGraphes(app.graphes(), fichier, FormatDuFichier(fichier, {})), "");
        EXPECT_TRUE(Sh(verification, fichier) && Sh(rendu, fichier)) << nom;
        const QImage page(fichier + ".png");
        const double f = ppp / 1440;
        for (auto [surface, haut] : {std::pair{signal, mise->Y1}, {harmonique, mise->Y2}})
            EXPECT_LT(PartManquante(surface, page,
                                    QRectF(mise->X * f, haut * f, mise->Wd * f, mise->Hp * f)),
                      0.01)
                << nom << " à " << haut;
    }
    EXPECT_TRUE(app.graphes().signal->Image() == signal &&
                app.graphes().harmonic->Image() == harmonique);

    // A write that fails halfway (a file size limit stands in for a full disk) or cannot start
    // is said, and leaves the old file whole and no temporary file.
    QTemporaryDir vide;
    const QString ancien = vide.filePath("g.svg");
    ASSERT_TRUE(Sh("printf ancien > $1", ancien));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit avant{};
    getrlimit(RLIMIT_FSIZE, &avant);
    const rlimit limite{4096, avant.rlim_max};
    for (auto [nom, message] :
         {std::pair{"g.svg", "g.svg.\rL'écriture a échoué (disque plein ?)."},
          {"absent/g.svg",
           "g.svg.\rLe dossier n'existe pas ou n'accepte pas de nouveau fichier."}}) {
        setrlimit(RLIMIT_FSIZE, &limite);
        const QString obtenu = ExporteGraphes(app.graphes(), vide.filePath(nom), FormatExport::Svg);
        setrlimit(RLIMIT_FSIZE, &avant);
        EXPECT_EQ(obtenu, QString("Impossible d'exporter les graphes dans le fichier ") + message);
        EXPECT_TRUE(Sh("test \"$(cat $1) $(ls -A $(dirname $1))\" = 'ancien g.svg'", ancien));
    }
}
