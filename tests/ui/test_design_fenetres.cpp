// The main window among the others: F5 and "Affichage des graphes" raise the graph windows,
// harmonic then signal, bringing back a closed one; quitting ends the run.
#include "app/Ondalis.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "ui/FrmAide.h"
#include "ui/Adaptateurs.h"
#include "ui/FrmOndalis.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Records the order in which windows are raised.
struct Elevations : QObject {
    QStringList ordre;
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::ZOrderChange) ordre << objet->objectName();
        return false;
    }
};

} // namespace

TEST(Fenetres, AffichageDesGraphesEleveHarmoniquePuisSignal) {
    struct Cas {
        const char* nom;
        std::function<void(FrmOndalis&)> action;
    };
    const Cas cas[] = {
        {"menu", [](FrmOndalis& f) { f.mnuGrapheSignal->trigger(); }},
        {"F5", [](FrmOndalis& f) { QTest::keyClick(f.txtHarmonic[3], Qt::Key_F5); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Ondalis app;
        app.Main();
        FrmOndalis& f = app.frmOndalis();
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        // A graph window closed with its own close box comes back.
        app.frmGrapheSignal().close();
        ASSERT_FALSE(app.frmGrapheSignal().isVisible());
        const QPoint placeHarmonic = app.frmGrapheHarmonic().pos();

        Elevations elevations;
        app.frmGrapheHarmonic().installEventFilter(&elevations);
        app.frmGrapheSignal().installEventFilter(&elevations);
        c.action(f);
        EXPECT_TRUE(app.frmGrapheSignal().isVisible());
        EXPECT_TRUE(app.frmGrapheHarmonic().isVisible());
        ASSERT_GE(elevations.ordre.size(), 2);
        EXPECT_EQ(elevations.ordre.indexOf(app.frmGrapheHarmonic().objectName()), 0);
        EXPECT_EQ(elevations.ordre.last(), app.frmGrapheSignal().objectName());
        EXPECT_EQ(app.frmGrapheHarmonic().pos(), placeHarmonic);
    }
}

TEST(Fenetres, QuitterOuFermerTermineLeProgramme) {
    struct Cas {
        const char* nom;
        std::function<void(FrmOndalis&)> action;
    };
    const Cas cas[] = {
        {"Quitter", [](FrmOndalis& f) { f.mnuQuitter->trigger(); }},
        {"fermeture", [](FrmOndalis& f) { f.close(); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Ondalis app;
        app.Main();
        QSignalSpy fin(&app, &Ondalis::fin);
        c.action(app.frmOndalis());
        EXPECT_EQ(fin.count(), 1);
        for (QWidget* w : {static_cast<QWidget*>(&app.frmOndalis()),
                           static_cast<QWidget*>(&app.frmAide()),
                           static_cast<QWidget*>(&app.frmGrapheHarmonic()),
                           static_cast<QWidget*>(&app.frmGrapheSignal())})
            EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
}

TEST(Fenetres, LaFenetrePrincipaleEstDevantALaFin) {
    Ondalis app;
    app.Main();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.frmOndalis()));
    EXPECT_EQ(QApplication::activeWindow(), &app.frmOndalis());
    EXPECT_TRUE(app.frmAide().isVisible());
    EXPECT_TRUE(app.frmGrapheHarmonic().isVisible());
    EXPECT_TRUE(app.frmGrapheSignal().isVisible());
}
