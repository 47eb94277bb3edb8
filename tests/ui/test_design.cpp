// The main window's design, help panel, pictures and slider, and the windows it raises or closes.
#include "app/Ondalis.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "ui/CurseurVertical.h"
#include "ui/TextesCouleurs.h"
#include "ui/ZonesTexte.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"
#include "ui/FrmOndalisDesign.h"
#include "ui/ImagesSignaux.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using namespace Calcul_Graphe;

// The tables below keep one control, menu entry or hover text per line.
// clang-format off
inline void PrintTo(const QString& texte, std::ostream* flux) { *flux << texte.toStdString(); }

namespace {

// "a b(1..3) c(1..0)" gives a, b(1), b(2), b(3), c(1), c(0): names as the design writes them.
QStringList Noms(const QString& texte) {
    QStringList noms;
    for (const QString& mot : texte.split(' ', Qt::SkipEmptyParts)) {
        const auto m = QRegularExpression(R"((\w+)\((\d+)\.\.(\d+)\))").match(mot);
        const int de = m.captured(2).toInt(), a = m.captured(3).toInt(), pas = de <= a ? 1 : -1;
        for (int i = de; m.hasMatch() && i != a + pas; i += pas)
            noms << QStringLiteral("%1(%2)").arg(m.captured(1)).arg(i);
        if (!m.hasMatch()) noms << mot;
    }
    return noms;
}
QString Tri(QStringList noms) { return noms.sort(), noms.join(' '); } // readable when unequal

// Named controls of the client area, all or only the visible ones, sorted.
QString Controles(FrmOndalis& f, bool visibles) {
    QStringList noms;
    for (QWidget* w : f.centralWidget()->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_") &&
            (!visibles || w->isVisible()))
            noms << w->objectName();
    return Tri(noms);
}

// The thumb as the style draws it.
struct AccesOption : CurseurVertical {
    using QScrollBar::initStyleOption;
};
QRect Pouce(CurseurVertical& c) {
    QStyleOptionSlider o;
    (c.*&AccesOption::initStyleOption)(&o);
    return c.style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSlider, &c);
}

// The main window alone, shown: the graph windows of a full start would lie over it.
struct Dessin : ::testing::Test {
    Ondalis app;
    FrmOndalis& f = app.frmOndalis();
    void SetUp() override {
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    }
    // Moves the mouse onto `w` (its containers shown) and returns the panel's text, "-" before.
    QString Survole(QWidget* w) {
        for (QWidget* p = w; !p->isWindow(); p = p->parentWidget()) p->show();
        app.frmAide().DefinitInfo("-");
        QTest::mouseMove(w->window(), QPoint(1, 1));
        QTest::mouseMove(w, QPoint(3, 3));
        return app.frmAide().lblInfo->text();
    }
};
using Aide = Dessin;

// Records the order in which windows are raised.
struct Elevations : QObject {
    QStringList ordre;
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::ZOrderChange) ordre << objet->objectName();
        return false;
    }
};

} // namespace

TEST(PremierAffichage, SeulsLesControlesDuModeManuelSontVisiblesAZero) {
    Ondalis app;
    app.Main();
    FrmOndalis& f = app.frmOndalis();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(Controles(f, true), Tri(Noms("optChoix(0..1) LblValidation cmdRAZ chkNoAuto "
                                           "lblHarmonic(0..3) txtHarmonic(0..10) "
                                           "scrHarmonic(0..10) chkHarmonic(0..10)")));
    for (int n = 0; n <= 10; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(f.txtHarmonic[n]->text(), "0");
        EXPECT_FALSE(f.chkHarmonic[n]->isChecked() || f.scrHarmonic[n]->Valeur() != 0);
        EXPECT_NEAR(Pouce(*f.scrHarmonic[n]).center().y(), f.scrHarmonic[n]->height() / 2, 2);
    }
    EXPECT_TRUE(f.optChoix[0]->isChecked() && !f.optChoix[1]->isChecked());
    EXPECT_FALSE(f.chkNoAuto->isChecked() || f.cboChoixSignal->currentIndex() != -1);
    EXPECT_EQ(f.centralWidget()->size(), QSize(365, 556));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_TRUE(app.frmAide().isVisible() && app.frmGrapheSignal().isVisible());
    // Ctrl+C and Ctrl+X from a text box reach the copy entries, not the box.
    QStringList copies;
    for (QAction* a : {f.mnuCopierHarmonic, f.mnuCopierSignal})
        QObject::connect(a, &QAction::triggered, [&copies, a] { copies << a->objectName(); });
    f.txtHarmonic[2]->setFocus();
    QTest::keyClick(f.txtHarmonic[2], Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(f.txtHarmonic[2], Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(copies, QStringList({"mnuCopierHarmonic", "mnuCopierSignal"}));
    EXPECT_EQ(f.txtHarmonic[2]->text(), "0");
}

// "names container x y width height" in logical pixels at 15 twips per pixel. Container: 1 for
// Frame1, 2 for Frame2 per control, "-" the client area. Value lists cycle (both frames alike).
const char* const Places[] = {
    "LblValidation - 96 200 57 17", "cmdRAZ - 48 232 41 25", "chkNoAuto - 24 272 113 33",
    "cmdCalculer - 40 320 97 33", "chkHarmonicSup - 8 264 89 49", "Label1 - 8 392 105 49",
    "Label2 - 0 440 113 33", "cboChoixSignal - 8 448 105 21", "lblRapportCyclique - 8 480 57 33",
    "txtRapportCyclique - 72 480 41 19", "cmdRapportCyclique - 80 504 25 17",
    "imgRectangulaire - 120 400 231 156", "imgTriangle - 120 400 231 156",
    "imgDentsdeScie - 120 400 227 152", "imgSignal - 120 400 225 153", // no picture yet
    "Frame1 - 112 48 249 145", "Frame2 - 112 216 249 145", "optChoix(0..1) - 8,208 8 185,145 33",
    "txtHarmonic(0..5) - 64,160,200,240,280,320 56 33 19",
    "txtHarmonic(6..10) - 160,200,240,280,320 224 33 19",
    "scrHarmonic(0..5) - 72,168,208,248,288,328 80 17 113",
    "scrHarmonic(6..10) - 168,208,248,288,328 248 17 113",
    "chkHarmonic(0..5) - 74,170,210,250,290,330 200 17 17",
    "chkHarmonic(6..10) - 170,210,250,290,330 368 17 17",
    "lblHarmonic(0..3) - 16,16,112,112 80,176,80,176 49 17", "lblRang(0..1) 12 8 16 33 17",
    "lblAn(0..1) 12 8 33 33 17", "lblBn(0..1) 12 8 57 33 17", "lblCn(0..1) 12 8 90 33 17",
    "lblPhin(0..1) 12 9 106 17 25", "lblPhin2(0..1) 12 21 119 17 17",
    "lblnoRang(0..9) 1111122222 48,88,128,168,208 16 33 17",
    "TxtAn(0..9) 1111122222 48,88,128,168,208 32 33 19",
    "txtBn(0..9) 1111122222 48,88,128,168,208 56 33 19",
    "txtCn(0..9) 1111122222 48,88,128,168,208 88 33 19",
    "txtPhin(0..9) 1111122222 48,88,128,168,208 112 33 19",
};

TEST_F(Dessin, ChaqueControleASaPlaceEtSonConteneur) {
    QStringList vus;
    for (const char* ligne : Places) {
        const QStringList c = QString(ligne).split(' '), noms = Noms(c[0]);
        for (int k = 0; k < noms.size(); ++k) {
            SCOPED_TRACE(noms[k].toStdString());
            auto v = [&](int i) { return c[i].split(',')[k % (c[i].count(',') + 1)].toInt(); };
            const QWidget* w = f.findChild<QWidget*>(noms[k]);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->geometry(), QRect(v(2), v(3), v(4), v(5)));
            EXPECT_EQ(w->parentWidget(), c[1] == "-"      ? f.centralWidget()
                                         : c[1][k] == '1' ? f.Frame1
                                                          : f.Frame2);
            vus << noms[k];
        }
    }
    EXPECT_EQ(Tri(vus), Controles(f, false));
}

TEST_F(Dessin, OrdreDeTabulation) {
    QStringList chaine;
    QWidget* w = f.optChoix[0];
    do {
        if (!w->objectName().isEmpty() && w->focusPolicy() != Qt::NoFocus)
            chaine << w->objectName();
    } while ((w = w->nextInFocusChain()) != f.optChoix[0]);
    EXPECT_EQ(chaine.join(' '),
              Noms("optChoix(0) txtHarmonic(1..10) chkHarmonic(0) scrHarmonic(10..0) "
                   "chkHarmonic(1..10) optChoix(1) cboChoixSignal txtRapportCyclique "
                   "txtHarmonic(0) cmdRAZ chkNoAuto cmdCalculer cmdRapportCyclique TxtAn(0..4) "
                   "txtBn(0..4) txtCn(0..4) txtPhin(0..4) TxtAn(5..9) txtBn(5..9) txtCn(5..9) "
                   "txtPhin(5..9) chkHarmonicSup")
                  .join(' '));
}

TEST_F(Dessin, ArbreDesMenus) {
    QStringList arbre; // name|caption|shortcut, entries indented under their menu
    for (QAction* haut : f.menuBar()->actions()) {
        arbre << haut->menu()->objectName() + "|" + haut->menu()->title();
        for (QAction* a : haut->menu()->actions())
            arbre << "  " + a->objectName() + "|" + a->text() + "|" +
                         a->shortcut().toString(QKeySequence::PortableText) +
                         (a->isEnabled() ? "" : "|inactif") +
                         (a->isSeparator() || a->isCheckable() || a->menu() ? "|?" : "");
    }
    EXPECT_EQ(arbre, QStringList({"mnuFichier|&Fichier", "  mnuOuvrir|&Ouvrir|Ctrl+O",
        "  mnuEnregister|&Enregistrer|Ctrl+S", "  mnuImprimer|Imprimer|",
        "  mnuExporter|Exporter les graphes...|", "  mnuQuitter|&Quitter|",
        "mnuEdition|&Edition", "  mnuCopierHarmonic|Copier le graphe des Harmoniques|Ctrl+C",
        "  mnuCopierSignal|Copier le graphe du signal|Ctrl+X",
        "  mnuCopierTableau|Copier le tableau des coefficients|", "mnuOptions|&Options",
        "  mnuRang|Rang du dernier harmonique|Ctrl+R|inactif", "mnuAffichage|&Affichage",
        "  mnuAffichageAide|Affichage de l'aide|", "  mnuGrapheSignal|Affichage des graphes|F5",
        "mnuAide|&?", "  mnuApropos|A propos d'Ondalis|"}));
}

const QString Amplitude = "Amplitude en % de l'harmonique de rang ";
// As the panel shows them: the program's character 13 becomes a line break. "-": unchanged.
const std::pair<const char*, QString> Survols[] = {
    {"optChoix(0)", "Cliquer ici pour regler les amplitudes des harmoniques individuellement."},
    {"optChoix(1)", "Cliquer ici pour choisir un signal prédéfini.\nChoisir le signal ci-dessous."},
    {"chkHarmonic(0)", "Cliquer ici pour valider l'harmonic de rang 0"},
    {"chkHarmonic(10)", "Cliquer ici pour valider l'harmonic de rang 10"},
    {"txtHarmonic(0)", Amplitude + "0. Réglage par curseur.\nUn double click remet le curseur à 0"},
    {"txtHarmonic(7)", Amplitude + "7. Réglage par curseur.\nUn double click remet le curseur à 0"},
    {"TxtAn(0)", "Valeur du coefficient A1"}, {"TxtAn(9)", "Valeur du coefficient A10"},
    {"txtBn(4)", "Valeur du coefficient B5"}, {"txtCn(5)", "Valeur du coefficient C6"},
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
    {"lblInfo", "Fenêtre d'informations.\nDéplacer le curseur sur l'écran et observer."},
    {"LblValidation", "-"}, {"cmdCalculer", "-"}, {"cmdRapportCyclique", "-"},
    {"scrHarmonic(3)", "-"}, {"lblHarmonic(0)", "-"}, {"lblnoRang(2)", "-"}, {"Frame1", "-"},
    {"zoneClient", "-"},
};

TEST_F(Aide, ChaqueControleEcritSonTexte) {
    for (const auto& [nom, attendu] : Survols) {
        SCOPED_TRACE(nom);
        QWidget* w = f.findChild<QWidget*>(nom);
        if (!w) w = app.frmAide().findChild<QWidget*>(nom);
        ASSERT_NE(w, nullptr);
        // One row at a time: the frames would cover the amplitude boxes.
        f.Frame1->setVisible(w == f.Frame1 || f.Frame1->isAncestorOf(w));
        f.Frame2->setVisible(f.Frame2->isAncestorOf(w));
        EXPECT_EQ(Survole(w), attendu);
    }
    f.scrHarmonic[0]->setEnabled(false);
    EXPECT_EQ(Survole(f.txtHarmonic[0]), Amplitude + "0. Réglage IMPOSSIBLE dans ce cas.");
}

TEST_F(Aide, FermeUnTexteLeRecreeCacheEtLeMenuLeMontreAvecCeTexte) {
    const QPoint place = app.frmAide().pos();
    for (const QString attendu :
         {"Fenêtre d'information.", "Cliquer ici pour une remise à zéro."}) {
        app.frmAide().DefinitInfo("x");
        app.frmAide().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_FALSE(app.frmAideCharge());
        if (attendu.startsWith("Cliquer")) { // written while closed: recreated, hidden
            QTest::mouseMove(&f, QPoint(1, 1));
            QTest::mouseMove(f.cmdRAZ, QPoint(4, 4));
            EXPECT_TRUE(app.frmAideCharge() && !app.frmAide().isVisible());
        }
        f.mnuAffichageAide->trigger(); // shown where it was, with the latest text
        EXPECT_TRUE(app.frmAide().isVisible());
        EXPECT_EQ(app.frmAide().lblInfo->text(), attendu);
        EXPECT_EQ(app.frmAide().pos(), place);
    }
}

TEST_F(Aide, PlaceAuMilieuDeLaZoneAGaucheDeLaFenetrePrincipale) {
    // Offscreen: an 800 x 800 screen, 4-pixel frames. In twips, Int((12000 - 5535 - 4650) * 0.5)
    // = 907 gives 60.47 pixels; Int((12000 - 1650) * 0.5) = 5175, 345 pixels.
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
    EXPECT_EQ(app.frmAide().frameGeometry(), QRect(60, 345, 310, 110));
}

// Each run shows the graphs one way (a closed one comes back), then ends the program one way.
TEST(Fenetres, F5OuLeMenuEleventLesGraphesQuitterOuFermerTermine) {
    for (const bool clavier : {false, true}) {
        Ondalis app;
        app.Main();
        FrmOndalis& f = app.frmOndalis();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        app.frmGrapheSignal().close();
        Elevations elevations;
        qApp->installEventFilter(&elevations);
        clavier ? QTest::keyClick(f.txtHarmonic[3], Qt::Key_F5) : f.mnuGrapheSignal->trigger();
        EXPECT_TRUE(app.frmGrapheSignal().isVisible() && app.frmGrapheHarmonic().isVisible());
        elevations.ordre.removeDuplicates(); // a window shown again also changes its stacking
        EXPECT_EQ(elevations.ordre, QStringList({"frmGrapheHarmonic", "frmGrapheSignal"}));
        clavier ? (void)f.close() : f.mnuQuitter->trigger();
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
}

TEST(Curseur, PlusCentEnHautEtUnChangementAussitotParVraiChangement) {
    CurseurVertical c;
    c.setGeometry(0, 0, 17, 113);
    c.DefinitBornes(100, -100);
    c.show();
    c.DefinitValeur(100);
    EXPECT_LT(Pouce(c).top(), 30);
    QList<int> vues; // the value each change sees, before the action returns
    QObject::connect(&c, &CurseurVertical::change, [&] { vues << c.Valeur(); });
    const std::pair<std::function<void()>, int> cas[] = {
        {[&c] { QTest::keyClick(&c, Qt::Key_Up); }, 1},
        {[&c] { QTest::keyClick(&c, Qt::Key_PageUp); }, 10},
        {[&c] { QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(8, 4)); }, 1},   // top arrow
        {[&c] { QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(8, 25)); }, 10}, // trough
        {[&c] { c.DefinitValeur(37); }, 37}};
    for (const auto& [action, attendu] : cas) {
        c.DefinitValeur(0);
        vues.clear();
        action();
        EXPECT_EQ(vues, QList<int>{attendu});
    }
    c.DefinitValeur(37);
    EXPECT_EQ(vues, QList<int>{37}); // no change, no notification
    // A drag scrolls, then changes once, at the release.
    int defilement = 0;
    QObject::connect(&c, &CurseurVertical::defilement, [&] { defilement = c.ValeurDefilement(); });
    const QPoint depart = Pouce(c).center(), arrivee = depart - QPoint(0, 20);
    QTest::mousePress(&c, Qt::LeftButton, {}, depart);
    QTest::mouseMove(&c, arrivee);
    EXPECT_TRUE(vues.size() == 1 && defilement > 37) << defilement; // no change yet, going up
    QTest::mouseRelease(&c, Qt::LeftButton, {}, arrivee);
    EXPECT_EQ(vues, QList<int>({37, defilement}));
}

TEST(TexteQt, LeRetourChariotCoupeLaLigne) {
    EXPECT_EQ(TexteQt(QStringLiteral("a") + QChar(13) + "b" + "\r\n" + "c"), "a\nb\nc");
}

TEST(ImagesSignaux, PixelsClefs) {
    const QRgb B = qRgb(255, 255, 255), N = qRgb(0, 0, 0), R = qRgb(255, 0, 0);
    // The aT column and the mean row, then signal pixels: high, low, on the edges.
    const std::tuple<FormeSignal, int, int, std::vector<std::tuple<int, int, QRgb>>> cas[] = {
        {FormeSignal::Rectangulaire, 78, 66, {{50, 18, R}, {78, 50, R}, {120, 101, R},
          {163, 50, R}, {190, 18, R}, {120, 18, B}, {50, 101, B}}},
        {FormeSignal::Triangle, 78, 66, {{49, 18, R}, {120, 101, R}, {49, 101, B}, {120, 18, B}}},
        {FormeSignal::DentsDeScie, 133, 55,
         {{133, 19, R}, {163, 73, R}, {133, 5, B}, {76, 46, R}}}};
    for (auto [forme, aT, moyenne, pixels] : cas) {
        const QImage im = DessineImageSignal(forme).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(im.size(), QSize(227, 152));
        // Axes in column 20 and row 73, tick at T/2; the double arrow to aT in row 112.
        pixels.insert(pixels.end(), {{20, 40, N}, {20, 110, N}, {200, 73, N}, {91, 71, N},
                                     {aT - 1, 112, N}, {aT + 3, 112, B}});
        for (const auto& [x, y, c] : pixels) EXPECT_EQ(im.pixel(x, y), c) << x << "," << y;
        int noirsMoyenne = 0, noirsAT = 0;
        for (int x = 30; x <= 70; ++x) noirsMoyenne += im.pixel(x, moyenne) == N;
        for (int y = 104; y <= 118; ++y) noirsAT += im.pixel(aT, y) == N;
        EXPECT_TRUE(noirsMoyenne > 10 && noirsMoyenne < 35 && noirsAT > 4 && noirsAT < 15) << aT;
    }
}
// clang-format on

// A binding to a name, an index or a kind the design does not have fails in every build.
TEST(Liaison, SansLigneDuDessinElleEchoue) {
    QWidget fenetre;
    const QHash<QString, QWidget*> widgets = {{"TxtAn(3)", new QLineEdit(&fenetre)},
                                              {"Label1", new QLabel(&fenetre)}};
    struct Cas { const char* nom; int index; bool texte; bool lie; };
    const Cas cas[] = {
        {"TxtAn",  3,  true,  true},
        {"Label1", -1, false, true},
        {"TxtAn",  4,  true,  false}, // index outside the design
        {"txtAn",  3,  true,  false}, // misspelt
        {"Label1", -1, true,  false}, // a label bound as a text box
        {"Label1", 0,  false, false}, // a single control bound as an array
    };
    for (const Cas& c : cas) {
        bool lie = true;
        try {
            c.texte ? (void)DessinOndalis::ControleLie<QLineEdit>(widgets, c.nom, c.index)
                    : (void)DessinOndalis::ControleLie<QLabel>(widgets, c.nom, c.index);
        } catch (const std::logic_error&) {
            lie = false;
        }
        EXPECT_EQ(lie, c.lie) << c.nom << "(" << c.index << ")";
    }
}
