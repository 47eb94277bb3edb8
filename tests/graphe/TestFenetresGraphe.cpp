// The two graph windows as designed: captions, style, sizes, places of their surfaces, keys.
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(FenetresGraphe, DesignOfBothWindows) {
    FrmGrapheHarmonic harmonic;
    FrmGrapheSignal signal(harmonic);
    struct Cas {
        QWidget* fenetre;
        SurfaceGraphe* surface;
        const char* nom;
        const char* nomSurface;
        const char* titre;
    } cas[] = {
        {&harmonic, harmonic.pctGrapheHarmonic, "frmGrapheHarmonic", "pctGrapheHarmonic",
         "Graphe des Harmoniques sélectionnés"},
        {&signal, signal.pctGrapheSignal, "frmGrapheSignal", "pctGrapheSignal",
         "Signal reconstitué"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(c.fenetre->objectName(), c.nom);
        EXPECT_EQ(c.surface->objectName(), c.nomSurface);
        EXPECT_EQ(c.fenetre->windowTitle(), QString::fromUtf8(c.titre));
        const Qt::WindowFlags f = c.fenetre->windowFlags();
        EXPECT_EQ(f & Qt::WindowType_Mask, Qt::Tool);
        EXPECT_FALSE(f & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(f & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(f & Qt::WindowCloseButtonHint);
        EXPECT_EQ(c.fenetre->minimumSize(), QSize(516, 304));
        EXPECT_EQ(c.fenetre->maximumSize(), QSize(516, 304));
        EXPECT_EQ(c.surface->geometry(), QRect(0, 0, 515, 303));
        EXPECT_EQ(c.surface->contentsRect().size(), QSize(511, 299));
        EXPECT_EQ(c.surface->frameShape(), QFrame::Panel);
        EXPECT_EQ(c.surface->frameShadow(), QFrame::Sunken);
    }
    EXPECT_FALSE(signal.windowIcon().isNull());
    EXPECT_EQ(signal.windowIcon().availableSizes(), (QList<QSize>{QSize(32, 32), QSize(16, 16)}));
    // The frame source is never shown; both surfaces show the same frame.
    EXPECT_FALSE(harmonic.pctRepere->isVisibleTo(&harmonic));
    EXPECT_EQ(signal.pctGrapheSignal->Image(), harmonic.pctGrapheHarmonic->Image());
}

TEST(FenetresGraphe, SignalSurfaceTakesThePlaceOfTheHarmonicSurface) {
    FrmGrapheHarmonic harmonic;
    harmonic.pctGrapheHarmonic->setGeometry(3, 4, 400, 250);
    FrmGrapheSignal signal(harmonic);
    EXPECT_EQ(signal.pctGrapheSignal->geometry(), QRect(3, 4, 400, 250));
}

TEST(FenetresGraphe, OnlyF5AsksForThePlacement) {
    FrmGrapheHarmonic harmonic;
    FrmGrapheSignal signal(harmonic);
    QSignalSpy f5Harmonic(&harmonic, &FrmGrapheHarmonic::toucheF5);
    QSignalSpy f5Signal(&signal, &FrmGrapheSignal::toucheF5);
    for (const Qt::Key touche : {Qt::Key_F4, Qt::Key_Return, Qt::Key_Escape, Qt::Key_F6}) {
        QTest::keyClick(harmonic.pctGrapheHarmonic, touche);
        QTest::keyClick(signal.pctGrapheSignal, touche);
    }
    EXPECT_EQ(f5Harmonic.count(), 0);
    EXPECT_EQ(f5Signal.count(), 0);
    QTest::keyClick(harmonic.pctGrapheHarmonic, Qt::Key_F5, Qt::ShiftModifier);
    QTest::keyClick(signal.pctGrapheSignal, Qt::Key_F5);
    EXPECT_EQ(f5Harmonic.count(), 1);
    EXPECT_EQ(f5Signal.count(), 1);
}

TEST(FenetresGraphe, SurfaceHoldsTheFocusOfItsWindow) {
    FrmGrapheHarmonic harmonic;
    harmonic.show();
    harmonic.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&harmonic));
    EXPECT_EQ(QApplication::focusWidget(), harmonic.pctGrapheHarmonic);
}

TEST(FenetresGraphe, ClosingOnlyHides) {
    FrmGrapheHarmonic harmonic;
    harmonic.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&harmonic));
    harmonic.pctGrapheHarmonic->Ligne(0, 0, 3000, 3000, Qt::red);
    EXPECT_TRUE(harmonic.close());
    EXPECT_FALSE(harmonic.isVisible());
    EXPECT_EQ(harmonic.pctGrapheHarmonic->Traits().size(), 1u); // the drawing is kept
}
