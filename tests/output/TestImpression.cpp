// Printing: the page follows the page arithmetic and shows what the surfaces show, sharp; each
// print is one clean page; the surfaces end as the last steps leave them; cancelling or a
// printer that cannot be written changes nothing.
#include "Scenes.h"

#include "commun/BoiteModale.h"
#include "graphe/SurfaceGraphe.h"
#include "graphe/TraceGraphes.h"
#include "output/Sortie.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Calcul_Graphe;

namespace {

const QColor Bleu(0, 0, 255), Rouge(255, 0, 0), Marine(0, 0, 128), Vert(0, 128, 0);

// 600 x 800 points without margins: PW 12000 and PH 16000 twips. At 72 dpi one pixel is
// 20 twips: both graphs span x 30 to 570, the signal y 40 to 391, the harmonics y 400 to 751.
constexpr double Gauche = 30.0, Largeur = 540.0, HautSignal = 40.0, HautHarmonique = 400.0,
                 Hauteur = 7022.0 / 20.0;

void RegleImprimante(QPrinter& imprimante, const QString& fichier) {
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(fichier);
    imprimante.setPageLayout(
        QPageLayout(QPageSize(QSizeF(600, 800), QPageSize::Point, QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

bool Imprime(Ondalis& app, const QString& fichier) {
    QPrinter imprimante(QPrinter::HighResolution);
    RegleImprimante(imprimante, fichier);
    return ImprimeGraphes(app, imprimante);
}

// Where pixel (x, y) of a surface lands on the page rasterised at 72 dpi.
QPoint SurPage(int x, int y, double haut) {
    return QPoint(static_cast<int>(Gauche + (x + 0.5) * Largeur / SurfaceGraphe::LargeurDessin),
                  static_cast<int>(haut + (y + 0.5) * Hauteur / SurfaceGraphe::HauteurDessin));
}

// The share of coloured pixels of the surface (frame and curves; the black labels are glyphs
// drawn at another size) whose colour is missing at the matching place of the page. A few go
// missing where two lines cross, since the printed lines are a little thicker than on screen.
double PartManquante(const QImage& surface, const QImage& page, double haut) {
    int manquants = 0, colores = 0;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) {
            const QColor c = surface.pixelColor(x, y);
            if (c == QColor(Qt::white) || c == QColor(Qt::black)) continue;
            ++colores;
            const QPoint p = SurPage(x, y, haut);
            if (!CouleurPres(page, p.x(), p.y(), c, 2)) ++manquants;
        }
    return colores > 0 ? static_cast<double>(manquants) / colores : 1.0;
}

bool ContientCouleur(const QImage& page, QRect zone, QColor couleur) {
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (CouleurPres(page, x, y, couleur, 0, 30)) return true;
    return false;
}

bool Blanc(const QImage& page, QRect zone) {
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (page.pixelColor(x, y) != QColor(Qt::white)) return false;
    return true;
}

const QRect ZoneSignal(30, 40, 540, 351);
const QRect ZoneHarmonique(30, 400, 540, 351);

} // namespace

TEST(Impression, PageSelonLaMiseEnPage) {
    Ondalis app;
    PrepareRangs(app, {1, 2});
    const Graphes g = app.graphes();
    const QImage signal = g.signal->Image();
    const QImage harmonique = g.harmonique->Image();

    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("page.pdf"));
    ASSERT_TRUE(Imprime(app, pdf));
    EXPECT_EQ(NombrePages(pdf), 1);
    const QImage page = RasterisePdf(pdf, 72);
    ASSERT_EQ(page.size(), QSize(600, 800));

    // Each graph shows what its surface showed, in its own half.
    EXPECT_LT(PartManquante(signal, page, HautSignal), 0.005);
    EXPECT_LT(PartManquante(harmonique, page, HautHarmonique), 0.005);
    EXPECT_TRUE(ContientCouleur(page, ZoneSignal, Rouge));
    EXPECT_FALSE(ContientCouleur(page, ZoneSignal, Marine));
    EXPECT_TRUE(ContientCouleur(page, ZoneHarmonique, Marine));
    EXPECT_TRUE(ContientCouleur(page, ZoneHarmonique, Vert));
    EXPECT_FALSE(ContientCouleur(page, ZoneHarmonique, Rouge));

    // The frame's axes: the value axis (column 19, rows 8 to 291) stretched to the full printed
    // height, the time axis (row 149) reaching the right edge of the 90 % width.
    for (double haut : {HautSignal, HautHarmonique}) {
        SCOPED_TRACE(haut);
        for (QPoint p : {SurPage(19, 10, haut), SurPage(19, 289, haut), SurPage(5, 149, haut),
                         SurPage(508, 149, haut)})
            EXPECT_TRUE(CouleurPres(page, p.x(), p.y(), Bleu, 1)) << p.x() << "," << p.y();
    }

    // Nothing outside the two rectangles: margins and the gap between the graphs are white.
    EXPECT_TRUE(Blanc(page, QRect(0, 0, 600, 38)));
    EXPECT_TRUE(Blanc(page, QRect(0, 0, 28, 800)));
    EXPECT_TRUE(Blanc(page, QRect(572, 0, 28, 800)));
    EXPECT_TRUE(Blanc(page, QRect(0, 393, 600, 6)));
    EXPECT_TRUE(Blanc(page, QRect(0, 753, 600, 47)));

    // Drawn as lines at the printer's resolution, not as an enlarged screen bitmap.
    EXPECT_EQ(NombreImagesPdf(pdf), 0);

    // The surfaces come back as they were: bare frame below, the same curves redrawn.
    EXPECT_EQ(g.harmonique->Image(), harmonique);
    EXPECT_EQ(g.signal->Image(), signal);
    EXPECT_TRUE(g.harmonique->FondEstRepere());
    EXPECT_TRUE(g.signal->FondEstRepere());
}

TEST(Impression, ChaqueImpressionEstUnePagePropre) {
    Ondalis app;
    PrepareRangs(app, {1, 2});
    QTemporaryDir dossier;
    const QString premier = dossier.filePath(QStringLiteral("premier.pdf"));
    const QString second = dossier.filePath(QStringLiteral("second.pdf"));
    ASSERT_TRUE(Imprime(app, premier));

    // Rank 2 unvalidated between the two prints: the second page must not show it.
    app.etat().Validation[2] = 0;
    RetraceHarmoniques(app.etat(), app.graphes());
    ASSERT_TRUE(Imprime(app, second));
    // A third print over the first file replaces it rather than adding a page.
    ASSERT_TRUE(Imprime(app, premier));

    for (const QString& pdf : {premier, second}) {
        SCOPED_TRACE(pdf.toStdString());
        EXPECT_EQ(NombrePages(pdf), 1);
        const QImage page = RasterisePdf(pdf, 72);
        ASSERT_FALSE(page.isNull());
        EXPECT_TRUE(ContientCouleur(page, ZoneHarmonique, Marine));
        EXPECT_FALSE(ContientCouleur(page, ZoneHarmonique, Vert));
    }
}

TEST(Impression, SansRangValide) {
    Ondalis app;
    PrepareRangs(app, {});
    const Graphes g = app.graphes();
    QTemporaryDir dossier;

    // Nothing drawn: only the frames print.
    const QString nu = dossier.filePath(QStringLiteral("nu.pdf"));
    ASSERT_TRUE(Imprime(app, nu));
    const QImage page = RasterisePdf(nu, 72);
    ASSERT_FALSE(page.isNull());
    for (QRect zone : {ZoneSignal, ZoneHarmonique}) {
        EXPECT_TRUE(ContientCouleur(page, zone, Bleu));
        for (QColor c : {Rouge, Marine, Vert})
            EXPECT_FALSE(ContientCouleur(page, zone, c));
    }

    // A rebuilt signal drawn without any validated rank (the higher ranks) prints and stays;
    // a curve left on the harmonic surface prints, and the surface then ends bare.
    app.etat().SignalTotal.fill(50);
    app.etat().ValeurMax = 50;
    TraceSignal(app.etat(), g);
    g.harmonique->Ligne(290, 1000, 7090, 1000, Marine);
    const QImage signalAvant = g.signal->Image();
    const QString dessine = dossier.filePath(QStringLiteral("dessine.pdf"));
    ASSERT_TRUE(Imprime(app, dessine));
    const QImage page2 = RasterisePdf(dessine, 72);
    EXPECT_TRUE(ContientCouleur(page2, ZoneSignal, Rouge));
    EXPECT_TRUE(ContientCouleur(page2, ZoneHarmonique, Marine));
    EXPECT_TRUE(g.harmonique->Traits().empty());
    EXPECT_EQ(g.harmonique->Image(), g.harmonique->ImageFond());
    EXPECT_EQ(g.signal->Image(), signalAvant);
}

TEST(Impression, PageImpossibleNeChangeRien) {
    struct Ligne {
        const char* nom;
        std::function<void(QPrinter&, const QString&)> regle;
    };
    const Ligne lignes[] = {
        {"fichier dans un dossier absent",
         [](QPrinter& p, const QString& d) {
             RegleImprimante(p, d + QStringLiteral("/absent/page.pdf"));
         }},
        {"page sans largeur",
         [](QPrinter& p, const QString& d) {
             RegleImprimante(p, d + QStringLiteral("/page.pdf"));
             p.setPageLayout(QPageLayout(QPageSize(QSizeF(600, 800), QPageSize::Point),
                                         QPageLayout::Portrait, QMarginsF(300, 0, 300, 0)));
         }},
    };
    for (const Ligne& l : lignes) {
        SCOPED_TRACE(l.nom);
        Ondalis app;
        PrepareRangs(app, {1});
        const Graphes g = app.graphes();
        // A curve of a rank that is not validated: a completed print would clear it.
        g.harmonique->Ligne(290, 1000, 7090, 1000, Vert);
        const QImage harmonique = g.harmonique->Image();
        const QImage signal = g.signal->Image();
        QTemporaryDir dossier;
        QPrinter imprimante(QPrinter::HighResolution);
        l.regle(imprimante, dossier.path());
        EXPECT_FALSE(ImprimeGraphes(app, imprimante));
        EXPECT_EQ(g.harmonique->Image(), harmonique);
        EXPECT_EQ(g.signal->Image(), signal);
    }
}

TEST(Impression, AnnulerNeChangeRien) {
    Ondalis app;
    PrepareRangs(app, {1});
    const Graphes g = app.graphes();
    g.harmonique->Ligne(290, 1000, 7090, 1000, Vert);
    const QImage harmonique = g.harmonique->Image();
    const QImage signal = g.signal->Image();

    BoiteModale boite([](QWidget* w) {
        EXPECT_NE(qobject_cast<QPrintDialog*>(w), nullptr);
        w->close();
    });
    EXPECT_EQ(Calcul_Graphe::Imprime(app, nullptr), ResultatImpression::Annulee);
    EXPECT_TRUE(boite.vue());
    EXPECT_EQ(g.harmonique->Image(), harmonique);
    EXPECT_EQ(g.signal->Image(), signal);
}
