// Placement of the graph windows (the arithmetic, at start, F5, "Affichage des graphes", the end)
// and the scrolling of a main window larger than the screen.
#include "app/Ondalis.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"
#include "ui/ContenuDefilant.h"
#include "ui/FrmOndalis.h"

#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

using namespace Calcul_Graphe;

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
        EXPECT_EQ(app.frmOndalis().frameGeometry().topRight(), zone.topRight());
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

namespace {

// Every corner of every control of the main window can be scrolled into view.
void VerifieControlesAtteignables(FrmOndalis& fenetre, const char* nom) {
    auto* defilement = fenetre.findChild<QScrollArea*>(QStringLiteral("defilementClient"));
    ASSERT_NE(defilement, nullptr) << nom;
    QWidget* client = defilement->widget();
    // The window lays its content out at the next turn of the event loop.
    ASSERT_TRUE(QTest::qWaitFor([&] { return defilement->isVisible(); }));
    const QRect vue = defilement->viewport()->rect();
    for (QWidget* controle : client->findChildren<QWidget*>()) {
        if (controle->window() != &fenetre || controle->objectName().isEmpty() ||
            controle->objectName().startsWith(u"qt_"))
            continue; // parts of Qt's own widgets
        const QRect r(controle->mapTo(client, QPoint()), controle->size());
        for (const QPoint coin : {r.topLeft(), r.bottomRight()}) {
            defilement->ensureVisible(coin.x(), coin.y(), 1, 1); // the pixel itself, whole
            EXPECT_TRUE(vue.contains(client->mapTo(defilement->viewport(), coin)))
                << nom << " " << controle->objectName().toStdString();
        }
    }
}

} // namespace

TEST(AjusteALaPlace, UneFenetreTropGrandeDefileEtUneQuiTientResteTelleQuelle) {
    Ondalis app;
    FrmOndalis& fenetre = app.frmOndalis();
    QWidget* client = fenetre.findChild<QWidget*>(QStringLiteral("zoneClient"));
    const QSize design = fenetre.size();
    // Shown first: the placement of the load has run, and scroll areas lay out at once.
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    const int barre = fenetre.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    struct Cas {
        const char* nom;
        QSize place;
        QSize attendue; // empty: the design, content unchanged
    };
    const Cas cas[] = {
        {"grand écran", {1280, 1003}, {}},
        {"1024x600 et barre des tâches", {1022, 560}, {design.width() + barre, 560}},
        {"trop étroit seulement", {300, 900}, {300, design.height() + barre}},
        {"trop petit partout", {300, 400}, {300, 400}},
        {"retour sur un grand écran", {1280, 1003}, {}},
    };
    for (const Cas& c : cas) {
        AjusteALaPlace(fenetre, design, c.place);
        if (c.attendue.isEmpty()) {
            EXPECT_EQ(fenetre.size(), design) << c.nom;
            EXPECT_EQ(fenetre.centralWidget(), client) << c.nom;
            EXPECT_EQ(fenetre.findChild<QScrollArea*>(), nullptr) << c.nom;
            continue;
        }
        EXPECT_EQ(fenetre.size(), c.attendue) << c.nom;
        VerifieControlesAtteignables(fenetre, c.nom);
    }
}
