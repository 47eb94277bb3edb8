// The drawing surface: background, lines in twips, rendering at any scale, memory bound.
#include "Pixels.h"
#include "graphe/Repere.h"
#include "graphe/SurfaceGraphe.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace TestsGraphe;

namespace {

QRect Boite(int g, int h, int d, int b) {
    return QRect(QPoint(g, h), QPoint(d, b));
}

constexpr QRgb Rouge = 0xFF0000;

} // namespace

TEST(SurfaceGraphe, FreshSurfaceShowsTheFrameAndClearingGivesTheSame) {
    SurfaceGraphe surface;
    surface.DefinitRepere();
    const QImage neuve = surface.Image();
    ASSERT_EQ(neuve.size(), QSize(511, 299));
    const QImage repere = Calcul_Graphe::ImageRepere();
    EXPECT_EQ(neuve.copy(0, 0, 511, 295),
              repere.copy(0, 0, 511, 295).convertToFormat(neuve.format()));
    EXPECT_EQ(Compte(neuve, Boite(0, 295, 510, 298), Blanc), 511 * 4);

    surface.Ligne(0, 0, 7000, 4000, QColor(Rouge));
    EXPECT_NE(surface.Image(), neuve);
    surface.Efface();
    EXPECT_EQ(surface.Image(), neuve);
    EXPECT_TRUE(surface.Traits().empty());
}

TEST(SurfaceGraphe, TwipsLandOnTheFramePixels) {
    SurfaceGraphe surface;
    surface.Ligne(290, 2240, 7090, 2240, QColor(Rouge));  // along the time axis
    surface.Ligne(7090, 2000, 7090, 2500, QColor(Rouge)); // over the one-period tick
    const QImage image = surface.Image();
    EXPECT_EQ(Compte(image, Boite(19, 149, 473, 149), Rouge), 473 - 19 + 1);
    EXPECT_EQ(Compte(image, Boite(0, 148, 472, 148), Rouge), 0);
    EXPECT_EQ(Compte(image, Boite(0, 150, 472, 150), Rouge), 0);
    EXPECT_EQ(Compte(image, Boite(473, 133, 473, 167), Rouge), 167 - 133 + 1);
    EXPECT_EQ(Compte(image, Boite(472, 120, 472, 140), Rouge), 0);
    EXPECT_EQ(Compte(image, Boite(474, 120, 474, 180), Rouge), 0);
}

TEST(SurfaceGraphe, LinesAreClippedAtTheEdges) {
    SurfaceGraphe surface;
    surface.Ligne(-40000, 2240, 40000, 2240, QColor(Rouge)); // beyond 16 bits, clipped
    surface.Ligne(3000, -5000, 3000, 9000, QColor(Rouge));
    const QImage image = surface.Image();
    EXPECT_EQ(Compte(image, Boite(0, 149, 510, 149), Rouge), 511);
    EXPECT_EQ(Compte(image, Boite(200, 0, 200, 298), Rouge), 299);
    const auto traits = surface.Traits();
    ASSERT_EQ(traits.size(), 2u);
    EXPECT_EQ(traits[0].x1, -32768);
    EXPECT_EQ(traits[0].x2, 32767);
}

TEST(SurfaceGraphe, HighDensityLinesAreOneDevicePixelAtTheSamePlace) {
    SurfaceGraphe surface;
    surface.DefinitRepere();
    surface.Ligne(290, 1140, 7090, 1140, QColor(Rouge)); // logical row 76
    const struct {
        qreal ratio;
        int gauche; // device column of x = 290, nearest device pixel
    } cas[] = {{2.0, 39}, {1.5, 29}};
    for (const auto& [ratio, gauche] : cas) {
        const QImage image = surface.Image(ratio);
        const QRect ligne = Etendue(image, QRect(QPoint(0, 0), image.size() - QSize(1, 1)), Rouge);
        EXPECT_EQ(ligne.height(), 1) << "ratio " << ratio;
        // Inside logical row 76.
        EXPECT_GE(ligne.top(), 76 * ratio) << "ratio " << ratio;
        EXPECT_LT(ligne.top(), 77 * ratio) << "ratio " << ratio;
        EXPECT_EQ(ligne.left(), gauche) << "ratio " << ratio;
    }
    // At ratio 2 the time axis of the frame covers device rows 298-299 with no blending.
    const QImage image = surface.Image(2.0);
    EXPECT_EQ(image.size(), QSize(1022, 598));
    EXPECT_EQ(Compte(image, Boite(100, 298, 480, 299), Bleu), 2 * 381);
    EXPECT_EQ(Compte(image, Boite(100, 297, 480, 297), Bleu) +
                  Compte(image, Boite(100, 300, 480, 300), Bleu),
              0);
}

TEST(SurfaceGraphe, RendersForThePrinterScaledIntoATarget) {
    SurfaceGraphe surface;
    surface.DefinitRepere();
    surface.Ligne(290, 2240, 7090, 2240, QColor(Rouge));
    QImage page(2000, 1400, QImage::Format_RGB32);
    page.fill(Qt::black);
    {
        QPainter peintre(&page);
        surface.Rend(peintre, QRectF(100, 100, 511 * 3, 299 * 3));
    }
    // Nothing outside the target; the curve on the axis at three times the scale.
    EXPECT_EQ(Compte(page, Boite(0, 0, 1999, 99), Blanc), 0);
    EXPECT_EQ(Compte(page, Boite(100 + 1533, 0, 1999, 1399), Blanc), 0);
    EXPECT_EQ(Rvb(page, 100 + 300 * 3, 100 + 448), Rouge);
    EXPECT_EQ(Rvb(page, 100 + 300 * 3, 100 + 449 - 4), Blanc);
}

TEST(SurfaceGraphe, RedrawingTheSameLinesDoesNotGrowMemory) {
    SurfaceGraphe surface;
    surface.Ligne(0, 0, 3000, 3000, QColor(Rouge));
    surface.Ligne(0, 3000, 3000, 0, QColor(0x0000FF)); // crosses the first
    const QImage avant = surface.Image();
    for (int fois = 0; fois < 5000; ++fois) {
        surface.Ligne(0, 0, 3000, 3000, QColor(Rouge));
        surface.Ligne(0, 3000, 3000, 0, QColor(0x0000FF));
    }
    EXPECT_EQ(surface.Traits().size(), 2u);
    EXPECT_LE(surface.TraitsEnMemoire(), 4096u);
    EXPECT_EQ(surface.Image(), avant);
    // The order still matters: the red line drawn again now lies on top at the crossing.
    surface.Ligne(0, 0, 3000, 3000, QColor(Rouge));
    const auto traits = surface.Traits();
    ASSERT_EQ(traits.size(), 2u);
    EXPECT_EQ(traits.back().couleur & 0xFFFFFF, Rouge);
    EXPECT_EQ(Rvb(surface.Image(), 100, 100), Rouge);
    EXPECT_EQ(Rvb(avant, 100, 100), Bleu);
}

TEST(SurfaceGraphe, ScreenPaintMatchesTheImageAndFollowsNewLines) {
    SurfaceGraphe surface;
    surface.DefinitRepere();
    surface.resize(515, 303);
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    surface.Ligne(290, 1140, 7090, 1140, QColor(Rouge));
    const QImage ecran = surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(ecran.copy(2, 2, 511, 299), surface.Image());
    EXPECT_EQ(Rvb(ecran, 2 + 100, 2 + 76), Rouge);
    EXPECT_EQ(Rvb(ecran, 2 + 100, 2 + 149), Bleu);
}

TEST(SurfaceGraphe, ReportsKeysAndClears) {
    SurfaceGraphe surface;
    QSignalSpy touches(&surface, &SurfaceGraphe::toucheEnfoncee);
    QSignalSpy effacements(&surface, &SurfaceGraphe::effacee);
    EXPECT_EQ(surface.focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(&surface, Qt::Key_F5);
    QTest::keyClick(&surface, Qt::Key_Escape);
    ASSERT_EQ(touches.count(), 2);
    EXPECT_EQ(touches.at(0).at(0).toInt(), Qt::Key_F5);
    EXPECT_EQ(touches.at(1).at(0).toInt(), Qt::Key_Escape);
    surface.Efface();
    EXPECT_EQ(effacements.count(), 1);
}

TEST(SurfaceGraphe, AnImageBackgroundReplacesTheFrameUntilRestored) {
    SurfaceGraphe source;
    source.DefinitRepere();
    source.Ligne(290, 1140, 7090, 1140, QColor(Rouge));
    SurfaceGraphe surface;
    surface.DefinitImageFond(source.Image());
    EXPECT_FALSE(surface.FondEstRepere());
    EXPECT_EQ(surface.Image(), source.Image());
    EXPECT_EQ(surface.Image(2.0), source.Image().scaled(1022, 598)); // enlarged, not blurred
    SurfaceGraphe copie;
    copie.CopieFond(surface);
    EXPECT_EQ(copie.ImageFond(), source.Image());
    surface.DefinitRepere();
    surface.Efface();
    SurfaceGraphe nue;
    nue.DefinitRepere();
    EXPECT_EQ(surface.Image(), nue.Image());
}
