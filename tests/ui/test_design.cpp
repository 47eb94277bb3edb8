// The main window as the user first sees it: which controls show, where every control sits,
// the tab order and the menu tree.
#include "app/Ondalis.h"
#include "ui/Adaptateurs.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionSlider>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <ostream>

// Readable failures.
inline void PrintTo(const QString& texte, std::ostream* flux) { *flux << texte.toStdString(); }
#include <set>

namespace {

QString Nom(const char* base, int i) { return QStringLiteral("%1(%2)").arg(base).arg(i); }

// Every named control of the client area that the user can see.
std::set<QString> ControlesVisibles(FrmOndalis& f) {
    std::set<QString> noms;
    for (QWidget* w : f.centralWidget()->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_") && w->isVisible())
            noms.insert(w->objectName());
    return noms;
}

} // namespace

TEST(PremierAffichage, SeulsLesControlesDuModeManuelSontVisibles) {
    Ondalis app;
    app.Main();
    FrmOndalis& f = app.frmOndalis();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));

    std::set<QString> attendus = {"optChoix(0)", "optChoix(1)", "LblValidation", "cmdRAZ",
                                  "chkNoAuto"};
    for (int n = 0; n <= 10; ++n) {
        attendus.insert(Nom("txtHarmonic", n));
        attendus.insert(Nom("scrHarmonic", n));
        attendus.insert(Nom("chkHarmonic", n));
    }
    for (int i = 0; i < 4; ++i) attendus.insert(Nom("lblHarmonic", i));
    EXPECT_EQ(ControlesVisibles(f), attendus);

    EXPECT_TRUE(f.optChoix[0]->isChecked());
    EXPECT_FALSE(f.optChoix[1]->isChecked());
    EXPECT_FALSE(f.chkNoAuto->isChecked());
    EXPECT_FALSE(f.mnuRang->isEnabled());
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_EQ(f.cboChoixSignal->count(), 3);
    EXPECT_EQ(f.cboChoixSignal->currentIndex(), -1);
    EXPECT_EQ(f.cboChoixSignal->itemText(0), QStringLiteral("Signal rectangulaire"));
    EXPECT_EQ(f.cboChoixSignal->itemText(1), QStringLiteral("Signal triangulaire"));
    EXPECT_EQ(f.cboChoixSignal->itemText(2), QStringLiteral("Signal dents de scie"));
    EXPECT_TRUE(f.imgSignal->pixmap().isNull());
    EXPECT_EQ(f.txtRapportCyclique->text(), QStringLiteral("50"));

    for (int n = 0; n <= 10; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(f.txtHarmonic[n]->text(), QStringLiteral("0"));
        EXPECT_FALSE(f.chkHarmonic[n]->isChecked());
        CurseurVertical* c = f.scrHarmonic[n];
        EXPECT_EQ(c->Valeur(), 0);
        // Thumb at mid-height of the groove.
        QStyleOptionSlider option;
        option.initFrom(c);
        option.orientation = Qt::Vertical;
        option.minimum = c->minimum();
        option.maximum = c->maximum();
        option.sliderPosition = c->sliderPosition();
        option.sliderValue = c->value();
        option.pageStep = c->pageStep();
        option.singleStep = c->singleStep();
        const QRect pouce =
            c->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, c);
        EXPECT_NEAR(pouce.center().y(), c->height() / 2, 2);
    }
    // The help panel is shown by the load.
    EXPECT_TRUE(app.frmAideCharge() && app.frmAide().isVisible());
}

TEST(PremierAffichage, FenetreFixeEnHautADroite) {
    Ondalis app;
    app.Main();
    FrmOndalis& f = app.frmOndalis();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Ondalis - Version Béta"));
    EXPECT_EQ(f.centralWidget()->size(), QSize(365, 556));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(f.frameGeometry().right(), ecran.right());
    EXPECT_EQ(f.frameGeometry().top(), ecran.top());
}

struct Place {
    const char* nom;
    int x, y, largeur, hauteur;
};

// Logical pixels at 15 twips per pixel, in the control's container.
const Place Places[] = {
        {"optChoix(0)", 8, 8, 185, 33},
        {"optChoix(1)", 208, 8, 145, 33},
        {"LblValidation", 96, 200, 57, 17},
        {"cmdRAZ", 48, 232, 41, 25},
        {"chkNoAuto", 24, 272, 113, 33},
        {"cmdCalculer", 40, 320, 97, 33},
        {"chkHarmonicSup", 8, 264, 89, 49},
        {"Label1", 8, 392, 105, 49},
        {"Label2", 0, 440, 113, 33},
        {"cboChoixSignal", 8, 448, 105, 21},
        {"lblRapportCyclique", 8, 480, 57, 33},
        {"txtRapportCyclique", 72, 480, 41, 19},
        {"cmdRapportCyclique", 80, 504, 25, 17},
        {"imgRectangulaire", 120, 400, 231, 156},
        {"imgTriangle", 120, 400, 231, 156},
        {"imgDentsdeScie", 120, 400, 227, 152},
        {"Frame1", 112, 48, 249, 145},
        {"Frame2", 112, 216, 249, 145},
        {"txtHarmonic(0)", 64, 56, 33, 19},
        {"scrHarmonic(0)", 72, 80, 17, 113},
        {"chkHarmonic(0)", 74, 200, 17, 17},
        {"txtHarmonic(1)", 160, 56, 33, 19},
        {"scrHarmonic(1)", 168, 80, 17, 113},
        {"chkHarmonic(1)", 170, 200, 17, 17},
        {"txtHarmonic(2)", 200, 56, 33, 19},
        {"scrHarmonic(2)", 208, 80, 17, 113},
        {"chkHarmonic(2)", 210, 200, 17, 17},
        {"txtHarmonic(3)", 240, 56, 33, 19},
        {"scrHarmonic(3)", 248, 80, 17, 113},
        {"chkHarmonic(3)", 250, 200, 17, 17},
        {"txtHarmonic(4)", 280, 56, 33, 19},
        {"scrHarmonic(4)", 288, 80, 17, 113},
        {"chkHarmonic(4)", 290, 200, 17, 17},
        {"txtHarmonic(5)", 320, 56, 33, 19},
        {"scrHarmonic(5)", 328, 80, 17, 113},
        {"chkHarmonic(5)", 330, 200, 17, 17},
        {"txtHarmonic(6)", 160, 224, 33, 19},
        {"scrHarmonic(6)", 168, 248, 17, 113},
        {"chkHarmonic(6)", 170, 368, 17, 17},
        {"txtHarmonic(7)", 200, 224, 33, 19},
        {"scrHarmonic(7)", 208, 248, 17, 113},
        {"chkHarmonic(7)", 210, 368, 17, 17},
        {"txtHarmonic(8)", 240, 224, 33, 19},
        {"scrHarmonic(8)", 248, 248, 17, 113},
        {"chkHarmonic(8)", 250, 368, 17, 17},
        {"txtHarmonic(9)", 280, 224, 33, 19},
        {"scrHarmonic(9)", 288, 248, 17, 113},
        {"chkHarmonic(9)", 290, 368, 17, 17},
        {"txtHarmonic(10)", 320, 224, 33, 19},
        {"scrHarmonic(10)", 328, 248, 17, 113},
        {"chkHarmonic(10)", 330, 368, 17, 17},
        {"lblHarmonic(0)", 16, 80, 49, 17},
        {"lblHarmonic(1)", 16, 176, 49, 17},
        {"lblHarmonic(2)", 112, 80, 49, 17},
        {"lblHarmonic(3)", 112, 176, 49, 17},
        {"lblRang(0)", 8, 16, 33, 17},
        {"lblAn(0)", 8, 33, 33, 17},
        {"lblBn(0)", 8, 57, 33, 17},
        {"lblCn(0)", 8, 90, 33, 17},
        {"lblPhin(0)", 9, 106, 17, 25},
        {"lblPhin2(0)", 21, 119, 17, 17},
        {"lblRang(1)", 8, 16, 33, 17},
        {"lblAn(1)", 8, 33, 33, 17},
        {"lblBn(1)", 8, 57, 33, 17},
        {"lblCn(1)", 8, 90, 33, 17},
        {"lblPhin(1)", 9, 106, 17, 25},
        {"lblPhin2(1)", 21, 119, 17, 17},
        {"lblnoRang(0)", 48, 16, 33, 17},
        {"TxtAn(0)", 48, 32, 33, 19},
        {"txtBn(0)", 48, 56, 33, 19},
        {"txtCn(0)", 48, 88, 33, 19},
        {"txtPhin(0)", 48, 112, 33, 19},
        {"lblnoRang(1)", 88, 16, 33, 17},
        {"TxtAn(1)", 88, 32, 33, 19},
        {"txtBn(1)", 88, 56, 33, 19},
        {"txtCn(1)", 88, 88, 33, 19},
        {"txtPhin(1)", 88, 112, 33, 19},
        {"lblnoRang(2)", 128, 16, 33, 17},
        {"TxtAn(2)", 128, 32, 33, 19},
        {"txtBn(2)", 128, 56, 33, 19},
        {"txtCn(2)", 128, 88, 33, 19},
        {"txtPhin(2)", 128, 112, 33, 19},
        {"lblnoRang(3)", 168, 16, 33, 17},
        {"TxtAn(3)", 168, 32, 33, 19},
        {"txtBn(3)", 168, 56, 33, 19},
        {"txtCn(3)", 168, 88, 33, 19},
        {"txtPhin(3)", 168, 112, 33, 19},
        {"lblnoRang(4)", 208, 16, 33, 17},
        {"TxtAn(4)", 208, 32, 33, 19},
        {"txtBn(4)", 208, 56, 33, 19},
        {"txtCn(4)", 208, 88, 33, 19},
        {"txtPhin(4)", 208, 112, 33, 19},
        {"lblnoRang(5)", 48, 16, 33, 17},
        {"TxtAn(5)", 48, 32, 33, 19},
        {"txtBn(5)", 48, 56, 33, 19},
        {"txtCn(5)", 48, 88, 33, 19},
        {"txtPhin(5)", 48, 112, 33, 19},
        {"lblnoRang(6)", 88, 16, 33, 17},
        {"TxtAn(6)", 88, 32, 33, 19},
        {"txtBn(6)", 88, 56, 33, 19},
        {"txtCn(6)", 88, 88, 33, 19},
        {"txtPhin(6)", 88, 112, 33, 19},
        {"lblnoRang(7)", 128, 16, 33, 17},
        {"TxtAn(7)", 128, 32, 33, 19},
        {"txtBn(7)", 128, 56, 33, 19},
        {"txtCn(7)", 128, 88, 33, 19},
        {"txtPhin(7)", 128, 112, 33, 19},
        {"lblnoRang(8)", 168, 16, 33, 17},
        {"TxtAn(8)", 168, 32, 33, 19},
        {"txtBn(8)", 168, 56, 33, 19},
        {"txtCn(8)", 168, 88, 33, 19},
        {"txtPhin(8)", 168, 112, 33, 19},
        {"lblnoRang(9)", 208, 16, 33, 17},
        {"TxtAn(9)", 208, 32, 33, 19},
        {"txtBn(9)", 208, 56, 33, 19},
        {"txtCn(9)", 208, 88, 33, 19},
        {"txtPhin(9)", 208, 112, 33, 19},
    // imgSignal takes the size of its 227 x 152 picture plus a one-pixel border.
    {"imgSignal", 120, 400, 229, 154},
};

TEST(Dessin, ChaqueControleASaPlace) {
    Ondalis app;
    FrmOndalis& f = app.frmOndalis();
    int vus = 0;
    for (const Place& p : Places) {
        SCOPED_TRACE(p.nom);
        QWidget* w = f.findChild<QWidget*>(QString::fromUtf8(p.nom));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), QRect(p.x, p.y, p.largeur, p.hauteur));
        const QString conteneur = w->parentWidget()->objectName();
        const bool dansCadre = QString::fromUtf8(p.nom).contains(QRegularExpression(
            "^(TxtAn|txtBn|txtCn|txtPhin|lblnoRang|lblRang|lblAn|lblBn|lblCn|lblPhin2?)\\("));
        EXPECT_EQ(conteneur.startsWith(u"Frame"), dansCadre);
        ++vus;
    }
    EXPECT_EQ(vus, 118);
    // The frames' boxes: ranks 1 to 5 in Frame1, 6 to 10 in Frame2.
    EXPECT_EQ(f.TxtAn[4]->parentWidget(), f.Frame1);
    EXPECT_EQ(f.TxtAn[5]->parentWidget(), f.Frame2);
    EXPECT_EQ(f.lblnoRang[9]->text(), QStringLiteral("10"));
    EXPECT_EQ(f.lblPhin[1]->text(), QString(QChar(0x03C6)));
}

TEST(Dessin, LesCadresCouvrentLesCurseursEtLesEtiquettesSontDerriere) {
    Ondalis app;
    FrmOndalis& f = app.frmOndalis();
    f.show();
    f.Frame1->show();
    f.Frame2->show();
    QWidget* client = f.centralWidget();
    // A point of slider 3 and one of amplitude box 8 fall on the frames (or what they hold).
    auto dans = [client](QPoint point, QWidget* cadre) {
        QWidget* w = client->childAt(point);
        return w == cadre || (w && cadre->isAncestorOf(w));
    };
    EXPECT_TRUE(dans(f.scrHarmonic[3]->geometry().center(), f.Frame1));
    EXPECT_TRUE(dans(f.scrHarmonic[3]->geometry().topLeft() + QPoint(1, 1), f.Frame1));
    EXPECT_TRUE(dans(f.txtHarmonic[8]->geometry().center(), f.Frame2));
    EXPECT_TRUE(dans(f.lblHarmonic[2]->geometry().center(), f.Frame1));
    // The mean-value slider and the validation boxes stay uncovered.
    EXPECT_EQ(client->childAt(f.scrHarmonic[0]->geometry().center()), f.scrHarmonic[0]);
    EXPECT_EQ(client->childAt(f.chkHarmonic[2]->geometry().center()), f.chkHarmonic[2]);
    EXPECT_EQ(client->childAt(f.chkHarmonic[7]->geometry().center()), f.chkHarmonic[7]);
    // The hover zone lies behind the list it surrounds.
    f.Label2->show();
    f.cboChoixSignal->show();
    EXPECT_EQ(client->childAt(f.cboChoixSignal->geometry().center()), f.cboChoixSignal);
}

TEST(Dessin, PolicesCouleursBullesEtPointeur) {
    Ondalis app;
    FrmOndalis& f = app.frmOndalis();
    struct Ligne {
        QWidget* w;
        qreal points;
        bool gras;
    };
    const Ligne polices[] = {{f.optChoix[0], 12, true},     {f.optChoix[1], 12, true},
                             {f.Label1, 11.25, true},       {f.cmdCalculer, 8.25, false},
                             {f.chkNoAuto, 8.25, false},    {f.chkHarmonic[4], 6, false},
                             {f.lblPhin[0], 14.25, false}};
    for (const Ligne& l : polices) {
        SCOPED_TRACE(l.w->objectName().toStdString());
        EXPECT_DOUBLE_EQ(l.w->font().pointSizeF(), l.points);
        EXPECT_EQ(l.w->font().bold(), l.gras);
        EXPECT_EQ(QFontInfo(l.w->font()).family(), QStringLiteral("Liberation Serif"));
    }
    EXPECT_EQ(f.Label1->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
    EXPECT_EQ(f.txtHarmonic[0]->toolTip(), QStringLiteral("Valeur moyenne"));
    EXPECT_EQ(f.txtHarmonic[1]->toolTip(), QStringLiteral("Fondamental"));
    EXPECT_EQ(f.chkHarmonic[7]->toolTip(), QStringLiteral("Harmonique 7"));
    EXPECT_EQ(f.chkHarmonic[10]->toolTip(), QStringLiteral("Harmonique 10"));
    EXPECT_EQ(f.txtHarmonic[0]->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(f.txtHarmonic[1]->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(f.txtHarmonic[3]->isReadOnly());
    EXPECT_FALSE(f.txtRapportCyclique->isReadOnly());
    EXPECT_TRUE(f.TxtAn[0]->isReadOnly());
    // Accessible names and descriptions, without any visible change.
    EXPECT_EQ(f.cmdRAZ->accessibleName(), QStringLiteral("RAZ"));
    EXPECT_EQ(f.cmdRAZ->accessibleDescription(), QStringLiteral("Cliquer ici pour une remise à zéro."));
    EXPECT_EQ(f.chkHarmonic[3]->accessibleName(), QStringLiteral("Harmonique 3"));
}

TEST(Dessin, OrdreDeTabulation) {
    Ondalis app;
    FrmOndalis& f = app.frmOndalis();
    QStringList attendu = {"optChoix(0)"};
    for (int n = 1; n <= 10; ++n) attendu << Nom("txtHarmonic", n);
    attendu << "chkHarmonic(0)";
    for (int n = 10; n >= 0; --n) attendu << Nom("scrHarmonic", n);
    for (int n = 1; n <= 10; ++n) attendu << Nom("chkHarmonic", n);
    attendu << "optChoix(1)" << "cboChoixSignal" << "txtRapportCyclique" << "txtHarmonic(0)"
            << "cmdRAZ" << "chkNoAuto" << "cmdCalculer" << "cmdRapportCyclique";
    for (int cadre = 0; cadre < 2; ++cadre)
        for (const char* ligne : {"TxtAn", "txtBn", "txtCn", "txtPhin"})
            for (int k = 0; k < 5; ++k) attendu << Nom(ligne, 5 * cadre + k);
    attendu << "chkHarmonicSup";

    QStringList chaine;
    QWidget* w = f.optChoix[0];
    do {
        if (!w->objectName().isEmpty() && (w->focusPolicy() & Qt::TabFocus) &&
            w->window() == &f && !qobject_cast<QMenuBar*>(w) && w != f.centralWidget())
            chaine << w->objectName();
        w = w->nextInFocusChain();
    } while (w != f.optChoix[0]);
    EXPECT_EQ(chaine, attendu);
}

TEST(Dessin, ArbreDesMenus) {
    Ondalis app;
    FrmOndalis& f = app.frmOndalis();
    struct Entree {
        const char* nom;
        const char* texte;
        const char* raccourci;
        bool actif;
    };
    const std::vector<std::pair<Entree, std::vector<Entree>>> arbre = {
        {{"mnuFichier", "&Fichier", "", true},
         {{"mnuOuvrir", "&Ouvrir", "Ctrl+O", true},
          {"mnuEnregister", "&Enregistrer", "Ctrl+S", true},
          {"mnuImprimer", "Imprimer", "", true},
          {"mnuQuitter", "&Quitter", "", true}}},
        {{"mnuEdition", "&Edition", "", true},
         {{"mnuCopierHarmonic", "Copier le graphe des Harmoniques", "Ctrl+C", true},
          {"mnuCopierSignal", "Copier le graphe du signal", "Ctrl+X", true}}},
        {{"mnuOptions", "&Options", "", true},
         {{"mnuRang", "Rang du dernier harmonique", "Ctrl+R", false}}},
        {{"mnuAffichage", "&Affichage", "", true},
         {{"mnuAffichageAide", "Affichage de l'aide", "", true},
          {"mnuGrapheSignal", "Affichage des graphes", "F5", true}}},
        {{"mnuAide", "&?", "", true}, {{"mnuApropos", "A propos d'Ondalis", "", true}}},
    };
    const QList<QAction*> hauts = f.menuBar()->actions();
    ASSERT_EQ(hauts.size(), static_cast<qsizetype>(arbre.size()));
    for (std::size_t i = 0; i < arbre.size(); ++i) {
        const auto& [menu, entrees] = arbre[i];
        SCOPED_TRACE(menu.nom);
        QMenu* m = hauts[static_cast<qsizetype>(i)]->menu();
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->objectName(), QString::fromUtf8(menu.nom));
        EXPECT_EQ(m->title(), QString::fromUtf8(menu.texte));
        const QList<QAction*> actions = m->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(entrees.size()));
        for (std::size_t j = 0; j < entrees.size(); ++j) {
            const Entree& e = entrees[j];
            SCOPED_TRACE(e.nom);
            QAction* a = actions[static_cast<qsizetype>(j)];
            EXPECT_EQ(a->objectName(), QString::fromUtf8(e.nom));
            EXPECT_EQ(a->text(), QString::fromUtf8(e.texte));
            EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText), QString::fromUtf8(e.raccourci));
            EXPECT_EQ(a->isEnabled(), e.actif);
            EXPECT_FALSE(a->isSeparator() || a->isCheckable() || a->menu());
        }
    }
}

TEST(Dessin, CtrlCCopieLeGrapheMemeDepuisUneZoneDeTexte) {
    Ondalis app;
    app.Main();
    FrmOndalis& f = app.frmOndalis();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    int copies = 0;
    // Count the triggers without running the copy itself.
    f.mnuCopierHarmonic->disconnect();
    f.mnuCopierSignal->disconnect();
    QObject::connect(f.mnuCopierHarmonic, &QAction::triggered, [&copies] { copies += 1; });
    QObject::connect(f.mnuCopierSignal, &QAction::triggered, [&copies] { copies += 10; });
    f.txtHarmonic[2]->setFocus();
    QTest::keyClick(f.txtHarmonic[2], Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(f.txtHarmonic[2], Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(copies, 11);
    EXPECT_EQ(f.txtHarmonic[2]->text(), QStringLiteral("0"));
}
