// The help panel: its place, its texts written by the mouse over the main window's controls,
// and its return after being closed.
#include "app/Ondalis.h"
#include "ui/Adaptateurs.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

// Readable failures.
inline void PrintTo(const QString& texte, std::ostream* flux) { *flux << texte.toStdString(); }

namespace {

// The main window alone, shown: the pointer is placed on the screen, and the graph windows
// of a full start would lie over the left part of the main window.
FrmOndalis& FenetreSeule(Ondalis& app) {
    FrmOndalis& f = app.frmOndalis();
    f.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
    return f;
}

// Moves the mouse over `w` (shown with its containers first) at a point `decalage` from its
// top-left corner, and returns the panel's text.
QString Survole(Ondalis& app, QWidget* w, QPoint decalage = {3, 3}) {
    for (QWidget* p = w; p && !p->isWindow(); p = p->parentWidget()) p->show();
    app.frmAide().DefinitInfo(QStringLiteral("-"));
    QTest::mouseMove(w->window(), QPoint(1, 1));
    QTest::mouseMove(w, decalage);
    return app.frmAide().lblInfo->text();
}

struct Survol {
    const char* nom;
    const char* attendu;
};

// The texts as the panel shows them: the program's single character 13 becomes a line break.
const Survol Survols[] = {
    {"optChoix(0)", "Cliquer ici pour regler les amplitudes des harmoniques individuellement."},
    {"optChoix(1)", "Cliquer ici pour choisir un signal prédéfini.\nChoisir le signal ci-dessous."},
    {"chkHarmonic(0)", "Cliquer ici pour valider l'harmonic de rang 0"},
    {"chkHarmonic(10)", "Cliquer ici pour valider l'harmonic de rang 10"},
    {"txtHarmonic(0)", "Amplitude en % de l'harmonique de rang 0. Réglage par curseur.\n"
                       "Un double click remet le curseur à 0"},
    {"txtHarmonic(7)", "Amplitude en % de l'harmonique de rang 7. Réglage par curseur.\n"
                       "Un double click remet le curseur à 0"},
    {"TxtAn(0)", "Valeur du coefficient A1"},
    {"TxtAn(9)", "Valeur du coefficient A10"},
    {"txtBn(4)", "Valeur du coefficient B5"},
    {"txtCn(5)", "Valeur du coefficient C6"},
    {"txtPhin(0)", "Valeur de la phase à l'origine de l'harmonique de rang 1"},
    {"cmdRAZ", "Cliquer ici pour une remise à zéro."},
    {"chkNoAuto", "Si les performances de votre ordinateur sont en chute libre, désactiver le "
                  "calcul automatique."},
    {"chkHarmonicSup", "Ajoute les Harmoniques dont le rang est compris entre 10 et la valeur "
                       "définie dans le menu options."},
    {"txtRapportCyclique",
     "Entrer ici le rapport cyclique du signal à décomposer. Valider par Ok."},
    {"Label2", "Dérouler pour choisir un signal prédéfini."},
    {"imgSignal", "Représentation du signal choisi."},
    // Controls without a text leave the panel as it was.
    {"LblValidation", "-"},
    {"cmdCalculer", "-"},
    {"cmdRapportCyclique", "-"},
    {"scrHarmonic(3)", "-"},
    {"lblHarmonic(0)", "-"},
    {"lblnoRang(2)", "-"},
    {"Frame1", "-"},
    {"zoneClient", "-"},
};

} // namespace

TEST(Aide, ChaqueControleEcritSonTexte) {
    Ondalis app;
    FrmOndalis& f = FenetreSeule(app);
    for (const Survol& s : Survols) {
        SCOPED_TRACE(s.nom);
        QWidget* w = f.findChild<QWidget*>(QString::fromUtf8(s.nom));
        ASSERT_NE(w, nullptr);
        // Each row on its own: the frames would cover the amplitude boxes.
        f.Frame1->setVisible(w == f.Frame1 || f.Frame1->isAncestorOf(w));
        f.Frame2->setVisible(f.Frame2->isAncestorOf(w));
        EXPECT_EQ(Survole(app, w), QString::fromUtf8(s.attendu));
    }
}

TEST(Aide, LeTexteDeLAmplitudeDependDuCurseur) {
    Ondalis app;
    FrmOndalis& f = FenetreSeule(app);
    f.scrHarmonic[0]->setEnabled(false);
    EXPECT_EQ(Survole(app, f.txtHarmonic[0]),
              QStringLiteral("Amplitude en % de l'harmonique de rang 0. Réglage IMPOSSIBLE dans ce cas."));
    f.scrHarmonic[0]->setEnabled(true);
    EXPECT_EQ(Survole(app, f.txtHarmonic[0], {6, 4}),
              QStringLiteral("Amplitude en % de l'harmonique de rang 0. Réglage par curseur.\n"
                             "Un double click remet le curseur à 0"));
}

TEST(Aide, LePanneauEcritSonPropreTexte) {
    Ondalis app;
    FenetreSeule(app);
    FrmAide& aide = app.frmAide();
    EXPECT_EQ(aide.lblInfo->text(), QStringLiteral("Fenêtre d'information."));
    EXPECT_EQ(Survole(app, aide.lblInfo, {20, 20}),
              QStringLiteral("Fenêtre d'informations.\nDéplacer le curseur sur l'écran et observer."));
    EXPECT_EQ(aide.lblInfo->palette().color(QPalette::Window), QColor(0xFF, 0xE0, 0xC0));
    EXPECT_EQ(aide.lblInfo->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0xC0));
    EXPECT_TRUE(aide.windowFlags() & Qt::Tool);
}

TEST(Aide, PlaceAuMilieuDeLaZoneAGaucheDeLaFenetrePrincipale) {
    const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
    Ondalis app;
    app.Main();
    FrmAide& aide = app.frmAide();
    const int cadreL = aide.frameGeometry().width() - aide.width();
    const int cadreH = aide.frameGeometry().height() - aide.height();
    const int cadreP = app.frmOndalis().frameGeometry().width() - 365;
    // Twips: Int((screen width - outer width of frmOndalis - outer width of frmAide) * 0.5) and
    // Int((screen height - outer height of frmAide) * 0.5), then 15 twips per pixel.
    const int gauche = static_cast<int>(
        std::floor((15.0 * ecran.width() - 15 * (365 + cadreP) - 15 * (306 + cadreL)) * 0.5));
    const int haut =
        static_cast<int>(std::floor((15.0 * ecran.height() - 15 * (106 + cadreH)) * 0.5));
    EXPECT_EQ(aide.frameGeometry().topLeft(),
              QPoint(static_cast<int>(std::lround(gauche / 15.0)),
                     static_cast<int>(std::lround(haut / 15.0))));
    // An odd difference: 12000 - 5535 - 4650 = 1815 twips, Int(907.5) = 907, 60.47 pixels.
    if (ecran.width() == 800 && cadreL == 4 && cadreP == 4) {
        EXPECT_EQ(aide.frameGeometry().left(), 60);
    }
    EXPECT_EQ(aide.size(), QSize(306, 106));
}

TEST(Aide, UnTexteEcritPanneauFermeLeRecreeCacheEtLeMenuLeMontre) {
    Ondalis app;
    FrmOndalis& f = FenetreSeule(app);
    const QPoint place = app.frmAide().pos();
    app.frmAide().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(app.frmAideCharge());

    QTest::mouseMove(&f, QPoint(1, 1));
    QTest::mouseMove(f.cmdRAZ, QPoint(4, 4));
    ASSERT_TRUE(app.frmAideCharge());
    EXPECT_FALSE(app.frmAide().isVisible());
    EXPECT_EQ(app.frmAide().lblInfo->text(), QStringLiteral("Cliquer ici pour une remise à zéro."));
    EXPECT_EQ(app.frmAide().pos(), place);

    f.mnuAffichageAide->trigger();
    EXPECT_TRUE(app.frmAide().isVisible());
    EXPECT_EQ(app.frmAide().lblInfo->text(), QStringLiteral("Cliquer ici pour une remise à zéro."));
    EXPECT_EQ(app.frmAide().pos(), place);
}

TEST(Aide, LeMenuRameneLePanneauFermeAvecSonTexteInitial) {
    Ondalis app;
    app.Main();
    app.frmAide().DefinitInfo(QStringLiteral("x"));
    app.frmAide().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(app.frmAideCharge());
    app.frmOndalis().mnuAffichageAide->trigger();
    EXPECT_TRUE(app.frmAide().isVisible());
    EXPECT_EQ(app.frmAide().lblInfo->text(), QStringLiteral("Fenêtre d'information."));
}
