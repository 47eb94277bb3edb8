// Placement of the graph windows: the arithmetic, at start, F5, "Affichage des graphes", the end.
#include "app/Disposition.h"
#include "app/Ondalis.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Calcul_Graphe;

TEST(CalculeDisposition, SignalEnHautHarmonicSurLeBordDuBas) {
    const auto places = [](int gauche, int haut, int hauteur, int hauteurHarmonic) {
        const DispositionGraphes d = CalculeDisposition(gauche, haut, hauteur, hauteurHarmonic);
        return std::array{d.signal.gauche, d.signal.haut, d.harmonic.gauche, d.harmonic.haut};
    };
    EXPECT_EQ(places(0, 0, 11520, 4900), (std::array{0, 0, 0, 6620}));
    EXPECT_EQ(places(900, 450, 11070, 4560), (std::array{900, 450, 900, 6960})); // task bars
}

namespace {

// Records the order in which shown windows are raised (showing reorders too, before the Show).
struct Elevations : QObject {
    QList<QObject*> montrees, ordre;
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::Show) montrees << objet;
        if (evenement->type() == QEvent::ZOrderChange && montrees.contains(objet)) ordre << objet;
        return false;
    }
};

} // namespace

TEST(Ondalis, LesGraphesSePlacentAuDemarrageEtAvecF5ReviennentFermesEtSeCachentALaFin) {
    Ondalis app;
    app.Main();
    FrmGrapheHarmonic& h = app.frmGrapheHarmonic();
    FrmGrapheSignal& s = app.frmGrapheSignal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h) && QTest::qWaitForWindowExposed(&s));
    const auto attendPlaces = [&] {
        const QRect zone = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_EQ(s.frameGeometry().topLeft(), zone.topLeft());
        EXPECT_EQ(h.frameGeometry().bottomLeft(), zone.bottomLeft());
        EXPECT_EQ(h.size(), QSize(516, 304));
        EXPECT_EQ(s.size(), QSize(516, 304));
    };
    attendPlaces();
    for (SurfaceGraphe* surface : {h.pctGrapheHarmonic, s.pctGrapheSignal}) {
        h.move(200, 100);
        s.move(250, 150);
        surface->window()->activateWindow(); // the key is typed in that window
        ASSERT_TRUE(QTest::qWaitForWindowActive(surface->window()));
        ASSERT_EQ(QApplication::focusWidget(), surface);
        for (const Qt::Key touche : {Qt::Key_F4, Qt::Key_F6, Qt::Key_Return, Qt::Key_Escape})
            QTest::keyClick(surface, touche);
        EXPECT_EQ(h.pos(), QPoint(200, 100)); // other keys do nothing
        EXPECT_EQ(s.pos(), QPoint(250, 150));
        QTest::keyClick(surface, Qt::Key_F5);
        attendPlaces();
    }

    // Closed with their own close boxes, they come back where they were, drawing kept.
    h.move(200, 100);
    h.pctGrapheHarmonic->Ligne(0, 0, 3000, 3000, Qt::red);
    EXPECT_TRUE(h.close() && s.close());
    Elevations elevations;
    h.installEventFilter(&elevations);
    s.installEventFilter(&elevations);
    app.AfficheGraphes();
    EXPECT_TRUE(h.isVisible() && s.isVisible());
    EXPECT_EQ(elevations.ordre, (QList<QObject*>{&h, &s})); // harmonic raised, then signal
    EXPECT_EQ(h.pos(), QPoint(200, 100));
    EXPECT_EQ(h.pctGrapheHarmonic->Traits().size(), 1u);

    app.Quitte();
    for (QWidget* fenetre : QApplication::topLevelWidgets())
        EXPECT_FALSE(fenetre->isVisible()) << fenetre->objectName().toStdString();
}
