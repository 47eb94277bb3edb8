// Clipboard copy: the clipboard gets exactly the surface's image, one copy replaces the other,
// the surface is left as it was, and the menu shortcuts copy the right graph.
#include "Scenes.h"

#include "graphe/SurfaceGraphe.h"
#include "graphe/TraceGraphes.h"
#include "output/Sortie.h"
#include "ui/FrmOndalis.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

using namespace Calcul_Graphe;

namespace {

QImage ImagePressePapiers() {
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
}

QImage Rvb32(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

const QColor Bleu(0, 0, 255), Vert(0, 128, 0);

} // namespace

TEST(PressePapiers, ImageDeLaSurface) {
    struct Ligne {
        const char* nom;
        std::initializer_list<int> rangs;
        bool harmonique;
    };
    const Ligne lignes[] = {{"cadre nu", {}, true},
                            {"courbes des harmoniques", {1, 2}, true},
                            {"signal reconstitué", {1, 2}, false}};
    for (const Ligne& l : lignes) {
        SCOPED_TRACE(l.nom);
        Ondalis app;
        PrepareRangs(app, l.rangs);
        SurfaceGraphe& surface = l.harmonique ? *app.graphes().harmonique : *app.graphes().signal;
        const auto traits = surface.Traits().size();
        const QImage avant = surface.Image();

        CopieGraphe(surface);
        const QImage copie = ImagePressePapiers();
        ASSERT_EQ(copie.size(), QSize(511, 299));
        EXPECT_EQ(copie, Rvb32(avant));
        // The frame's axes: row 149 and column 19 are blue.
        EXPECT_EQ(copie.pixelColor(100, 149), Bleu);
        EXPECT_EQ(copie.pixelColor(19, 250), Bleu);
        // The surface keeps its drawings and its bare frame.
        EXPECT_EQ(surface.Traits().size(), traits);
        EXPECT_TRUE(surface.FondEstRepere());
        EXPECT_EQ(surface.Image(), avant);
    }
}

TEST(PressePapiers, SecondeCopieRemplaceLaPremiere) {
    Ondalis app;
    PrepareRangs(app, {1, 2});
    const Graphes g = app.graphes();
    QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
    CopieGraphe(*g.signal);
    EXPECT_EQ(ImagePressePapiers(), Rvb32(g.signal->Image()));
    CopieGraphe(*g.harmonique);
    EXPECT_EQ(ImagePressePapiers(), Rvb32(g.harmonique->Image()));
    EXPECT_NE(ImagePressePapiers(), Rvb32(g.signal->Image()));
    // A bitmap only: the text held before is gone.
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText());
}

TEST(PressePapiers, DevaliderApresCopieRetraceCommeSansCopie) {
    QImage attendu;
    for (bool copie : {false, true}) {
        Ondalis app;
        PrepareRangs(app, {1, 2});
        const Graphes g = app.graphes();
        if (copie) CopieGraphe(*g.harmonique);
        app.etat().Validation[2] = 0;
        RetraceHarmoniques(app.etat(), g);
        const QImage image = g.harmonique->Image();
        if (!copie) {
            attendu = image;
            continue;
        }
        EXPECT_EQ(image, attendu);
        bool vert = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                vert = vert || image.pixelColor(x, y) == Vert;
        EXPECT_FALSE(vert) << "la courbe du rang 2 est restée";
    }
}

TEST(PressePapiers, RaccourcisDuMenu) {
    struct Ligne {
        const char* nom;
        Qt::Key touche;
        bool harmonique;
    };
    const Ligne lignes[] = {{"Ctrl+C : harmoniques", Qt::Key_C, true},
                            {"Ctrl+X : signal, sans rien couper", Qt::Key_X, false}};
    Ondalis app;
    app.Main();
    PrepareRangs(app, {1, 2});
    const Graphes g = app.graphes();
    FrmOndalis& principale = app.frmOndalis();
    principale.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&principale));
    for (const Ligne& l : lignes) {
        SCOPED_TRACE(l.nom);
        QGuiApplication::clipboard()->clear();
        const SurfaceGraphe& surface = l.harmonique ? *g.harmonique : *g.signal;
        const QImage avant = surface.Image();
        QTest::keyClick(&principale, l.touche, Qt::ControlModifier);
        EXPECT_EQ(ImagePressePapiers(), Rvb32(avant));
        EXPECT_EQ(surface.Image(), avant);
    }
}
