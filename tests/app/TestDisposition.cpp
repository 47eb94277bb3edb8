// Placement of the graph windows: the arithmetic, F5, "Affichage des graphes", start and end.
#include "app/Disposition.h"
#include "app/Ondalis.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Calcul_Graphe;

TEST(CalculeDisposition, SignalAtTheTopHarmonicOnTheBottomEdge) {
    struct Cas {
        const char* nom;
        int gauche, haut, hauteur, hauteurHarmonic;
        PositionTwips signal, harmonic;
    } cas[] = {
        {"ecran de 11520 twips", 0, 0, 11520, 4900, {0, 0}, {0, 6620}},
        {"barre des taches en haut", 0, 450, 11070, 4900, {0, 450}, {0, 6620}},
        {"barre des taches a gauche", 900, 0, 11520, 4560, {900, 0}, {900, 6960}},
        {"ecran plus petit que la fenetre", 0, 0, 3000, 4900, {0, 0}, {0, -1900}},
    };
    for (const Cas& c : cas) {
        const DispositionGraphes d =
            CalculeDisposition(c.gauche, c.haut, c.hauteur, c.hauteurHarmonic);
        EXPECT_EQ(d.signal, c.signal) << c.nom;
        EXPECT_EQ(d.harmonic, c.harmonic) << c.nom;
    }
}

namespace {

class Placement : public ::testing::Test {
protected:
    void SetUp() override {
        InitialiseConstantes(app.etat());
        app.frmGrapheSignal().show();
        app.frmGrapheHarmonic().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.frmGrapheHarmonic()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.frmGrapheSignal()));
    }
    void AttendPlaces() {
        const QRect zone = QGuiApplication::primaryScreen()->availableGeometry();
        FrmGrapheHarmonic& h = app.frmGrapheHarmonic();
        FrmGrapheSignal& s = app.frmGrapheSignal();
        EXPECT_EQ(s.frameGeometry().topLeft(), zone.topLeft());
        EXPECT_EQ(h.frameGeometry().left(), zone.left());
        EXPECT_EQ(h.frameGeometry().bottom(), zone.bottom());
        EXPECT_EQ(h.size(), QSize(516, 304));
        EXPECT_EQ(s.size(), QSize(516, 304));
    }
    Ondalis app;
};

} // namespace

TEST_F(Placement, DisposeFenetresStacksThemAtTheLeftEdge) {
    app.DisposeFenetres();
    AttendPlaces();
}

TEST_F(Placement, F5InEitherGraphPutsThemBackWithoutResizing) {
    for (SurfaceGraphe* surface :
         {app.frmGrapheHarmonic().pctGrapheHarmonic, app.frmGrapheSignal().pctGrapheSignal}) {
        app.frmGrapheHarmonic().move(200, 100);
        app.frmGrapheSignal().move(250, 150);
        QTest::keyClick(surface, Qt::Key_F5);
        AttendPlaces();
    }
}

TEST_F(Placement, OtherKeysDoNothing) {
    app.frmGrapheHarmonic().move(200, 100);
    app.frmGrapheSignal().move(250, 150);
    for (const Qt::Key touche : {Qt::Key_F4, Qt::Key_Return, Qt::Key_Escape}) {
        QTest::keyClick(app.frmGrapheHarmonic().pctGrapheHarmonic, touche);
        QTest::keyClick(app.frmGrapheSignal().pctGrapheSignal, touche);
    }
    EXPECT_EQ(app.frmGrapheHarmonic().pos(), QPoint(200, 100));
    EXPECT_EQ(app.frmGrapheSignal().pos(), QPoint(250, 150));
    EXPECT_TRUE(app.frmGrapheHarmonic().isVisible());
}

TEST_F(Placement, AfficheGraphesBringsAClosedGraphBackWhereItWas) {
    app.frmGrapheHarmonic().move(200, 100);
    app.frmGrapheSignal().move(250, 150);
    app.frmGrapheHarmonic().close();
    app.frmGrapheSignal().close();
    EXPECT_FALSE(app.frmGrapheHarmonic().isVisible());
    app.AfficheGraphes();
    EXPECT_TRUE(app.frmGrapheHarmonic().isVisible());
    EXPECT_TRUE(app.frmGrapheSignal().isVisible());
    EXPECT_EQ(app.frmGrapheHarmonic().pos(), QPoint(200, 100));
    EXPECT_EQ(app.frmGrapheSignal().pos(), QPoint(250, 150));
}

TEST(Ondalis, EachGraphWindowIsCreatedOnce) {
    Ondalis app;
    FrmGrapheSignal* signal = &app.frmGrapheSignal(); // loads the harmonic window first
    FrmGrapheHarmonic* harmonic = &app.frmGrapheHarmonic();
    EXPECT_EQ(&app.frmGrapheSignal(), signal);
    EXPECT_EQ(&app.frmGrapheHarmonic(), harmonic);
    const Graphes g = app.graphes();
    EXPECT_EQ(g.harmonique, harmonic->pctGrapheHarmonic);
    EXPECT_EQ(g.signal, signal->pctGrapheSignal);
}

TEST(Ondalis, MainPlacesTheGraphsAndSetsTheConstants) {
    Ondalis app;
    app.Main();
    const Etat& e = app.etat();
    EXPECT_EQ(e.Abscisse[1], 68);
    EXPECT_EQ(e.Abscisse[100], 6800);
    EXPECT_EQ(e.RangMax, 100);
    EXPECT_EQ(e.Pi, 3.14159274f);
    EXPECT_TRUE(app.frmGrapheSignal().isVisible());
    EXPECT_TRUE(app.frmGrapheHarmonic().isVisible());
    const QRect zone = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(app.frmGrapheSignal().frameGeometry().topLeft(), zone.topLeft());
    EXPECT_EQ(app.frmGrapheHarmonic().frameGeometry().bottom(), zone.bottom());
    EXPECT_TRUE(app.frmOndalisCharge());
}

TEST(Ondalis, QuitteHidesEverythingAndTheTestProcessGoesOn) {
    {
        Ondalis app;
        InitialiseConstantes(app.etat());
        app.frmGrapheSignal().show();
        app.frmGrapheHarmonic().show();
        QSignalSpy fin(&app, &Ondalis::fin);
        app.Quitte();
        EXPECT_EQ(fin.count(), 1);
        EXPECT_FALSE(app.frmGrapheSignal().isVisible());
        EXPECT_FALSE(app.frmGrapheHarmonic().isVisible());
        QTest::qWait(20);
    }
    // The application still runs events: a new window shows and is exposed.
    Ondalis suite;
    suite.frmGrapheSignal().show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&suite.frmGrapheSignal()));
}
