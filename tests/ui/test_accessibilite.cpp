// What a screen reader learns of the program, read through Qt's accessibility interfaces: the
// short name and help text of every control, the windows' and surfaces' roles, the surfaces'
// sentences after each redraw, and the sliders' values as shown.
#include "test_comportement_commun.h"

#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "ui/FrmOndalisDesign.h"

#include <QAccessible>
#include <QAccessibleValueInterface>

inline void PrintTo(const QString& texte, std::ostream* flux) {
    *flux << texte.toStdString();
}

namespace {

QAccessibleInterface* Acces(QObject* objet) {
    QAccessibleInterface* acces = QAccessible::queryAccessibleInterface(objet);
    EXPECT_NE(acces, nullptr) << objet->objectName().toStdString();
    return acces;
}
QString Nom(QObject* objet) {
    return Acces(objet)->text(QAccessible::Name);
}
QString Description(QObject* objet) {
    return Acces(objet)->text(QAccessible::Description);
}

// Long enough for the longest caption of the window, short enough to catch a help sentence.
constexpr int LongueurNomMax = 45;

using Accessibilite = Comportement;

} // namespace

// clang-format off
TEST_F(Accessibilite, ChaqueControleAUnNomCourtEtCeuxQuiPrennentLeFocusUneAide) {
    for (const DessinOndalis::Controle& c : DessinOndalis::Controles()) {
        const QString nom = DessinOndalis::NomObjet(c.nom, c.index);
        SCOPED_TRACE(nom.toStdString());
        auto* w = f().findChild<QWidget*>(nom);
        ASSERT_NE(w, nullptr);
        const QString court = Nom(w);
        EXPECT_FALSE(court.isEmpty());
        EXPECT_LE(court.size(), LongueurNomMax) << court.toStdString();
        EXPECT_FALSE(court.contains('\n') || court.contains('\r'));
        if (w->focusPolicy() == Qt::NoFocus) continue;
        const QString aide = Description(w);
        EXPECT_FALSE(aide.isEmpty());
        EXPECT_NE(aide, court);
        EXPECT_FALSE(aide.contains('\r')) << "line breaks reach readers as '\\n'";
    }
}

TEST_F(Accessibilite, NomsRolesEtAidesDesControles) {
    const struct {
        const char* objet;
        QAccessible::Role role;
        const char* nom;
        const char* description;
    } cas[] = {
        {"cboChoixSignal", QAccessible::ComboBox, "Signal prédéfini", "Dérouler pour choisir un signal prédéfini."},
        {"cmdRapportCyclique", QAccessible::Button, "Ok", "Valide le rapport cyclique entré et recalcule le signal."},
        {"cmdCalculer", QAccessible::Button, "Calculer et Tracer", "Calcule et trace les harmoniques validés."},
        {"txtRapportCyclique", QAccessible::EditableText, "Rapport cyclique (%)", "Entrer ici le rapport cyclique du signal à décomposer. Valider par Ok."},
        {"optChoix(1)", QAccessible::RadioButton, "Choix d'un signal", "Cliquer ici pour choisir un signal prédéfini.\nChoisir le signal ci-dessous."},
        {"cmdRAZ", QAccessible::Button, "RAZ", "Cliquer ici pour une remise à zéro."},
        {"chkHarmonicSup", QAccessible::CheckBox, "Ajouter les harmoniques de rang supérieur", "Ajoute les Harmoniques dont le rang est compris entre 10 et la valeur définie dans le menu options."},
        {"scrHarmonic(0)", QAccessible::Slider, "Curseur Valeur moyenne", "Ce curseur regle la valeur de l'harmonique de rang 0. Pour etre pris en compte, celui-ci doit être validé."},
        {"scrHarmonic(1)", QAccessible::Slider, "Curseur Fondamental", "Ce curseur regle la valeur de l'harmonique de rang 1. Pour etre pris en compte, celui-ci doit être validé."},
        {"scrHarmonic(10)", QAccessible::Slider, "Curseur Harmonique 10", "Ce curseur regle la valeur de l'harmonique de rang 10. Pour etre pris en compte, celui-ci doit être validé."},
        {"chkHarmonic(0)", QAccessible::CheckBox, "Validation Valeur moyenne", "Cliquer ici pour valider l'harmonic de rang 0"},
        {"chkHarmonic(7)", QAccessible::CheckBox, "Validation Harmonique 7", "Cliquer ici pour valider l'harmonic de rang 7"},
        {"txtHarmonic(0)", QAccessible::EditableText, "Valeur moyenne", "Amplitude en % de l'harmonique de rang 0. Réglage par curseur.\nUn double click remet le curseur à 0"},
        {"txtHarmonic(2)", QAccessible::EditableText, "Harmonique 2", "Amplitude en % de l'harmonique de rang 2. Réglage par curseur.\nUn double click remet le curseur à 0"},
        {"TxtAn(0)", QAccessible::EditableText, "Coefficient A1", "Valeur du coefficient A1"},
        {"txtBn(5)", QAccessible::EditableText, "Coefficient B6", "Valeur du coefficient B6"},
        {"txtCn(9)", QAccessible::EditableText, "Coefficient C10", "Valeur du coefficient C10"},
        {"txtPhin(9)", QAccessible::EditableText, "Phase du rang 10", "Valeur de la phase à l'origine de l'harmonique de rang 10"},
        {"imgSignal", QAccessible::StaticText, "Signal choisi", "Représentation du signal choisi."},
        {"imgRectangulaire", QAccessible::Graphic, "Signal rectangulaire", ""},
        {"imgTriangle", QAccessible::Graphic, "Signal triangulaire", ""},
        {"imgDentsdeScie", QAccessible::Graphic, "Signal dents de scie", ""},
        {"Frame2", QAccessible::Border, "Coefficients des rangs 6 à 10", ""},
        {"lblnoRang(4)", QAccessible::StaticText, "5", ""},
        {"lblRapportCyclique", QAccessible::StaticText, "Rapport cyclique (%)", ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.objet);
        auto* w = f().findChild<QWidget*>(c.objet);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(Acces(w)->role(), c.role);
        EXPECT_EQ(Nom(w), c.nom);
        EXPECT_EQ(Description(w), c.description);
    }
}

TEST_F(Accessibilite, LesFenetresLesSurfacesLaBarreDeMenusEtLaListeDeroulanteSontNommees) {
    const struct {
        QWidget* objet;
        QAccessible::Role role;
        const char* nom;
        const char* description;
    } cas[] = {
        {&app.frmGrapheSignal(), QAccessible::Window, "Signal reconstitué", ""},
        {&app.frmGrapheHarmonic(), QAccessible::Window, "Graphe des Harmoniques sélectionnés", ""},
        {&app.frmAide(), QAccessible::Window, "Aide", ""},
        {&signal(), QAccessible::Chart, "Graphe du signal", "Aucun signal tracé"},
        {&harmoniques(), QAccessible::Chart, "Graphe des Harmoniques", "Aucun rang validé"},
        {f().menuBar(), QAccessible::MenuBar, "Barre de menus", ""},
        {f().cboChoixSignal->view(), QAccessible::List, "Liste des signaux prédéfinis", ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(Acces(c.objet)->role(), c.role);
        EXPECT_EQ(Nom(c.objet), c.nom);
        EXPECT_EQ(Description(c.objet), c.description);
    }
}

// One run through the manual mode, then the signal mode: after each step the surfaces say what
// they show. Mean value and fundamental peak together at sample 25 (50 + 30) or the fundamental
// reversed at sample 75 (50 + 70); a graph no rank redraws keeps its drawing and its sentence.
TEST_F(Accessibilite, LesSurfacesDisentCeQuEllesMontrentApresChaqueTrace) {
    const struct {
        const char* etape;
        std::function<void()> action;
        const char* harmoniques;
        const char* signal; // a prefix
    } etapes[] = {
        {"valeur moyenne 50 validée", [this] { Regle(0, 50); Coche(0); }, "Rang validé : 0", "Valeur extrême : 50"},
        {"fondamental 30 validé", [this] { Regle(1, 30); Coche(1); }, "Rangs validés : 0, 1", "Valeur extrême : 80"},
        {"fondamental à -70", [this] { Regle(1, -70); }, "Rangs validés : 0, 1", "Valeur extrême : 120"},
        {"fondamental dévalidé", [this] { Coche(1); }, "Rang validé : 0", "Valeur extrême : 50"},
        {"plus aucun rang", [this] { Coche(0); }, "Aucun rang validé", "Valeur extrême : 50"},
        {"sans calcul automatique, une coche ne trace rien", [this] { f().chkNoAuto->click(); Coche(2); }, "Aucun rang validé", "Valeur extrême : 50"},
        {"Calculer et Tracer", [this] { f().cmdCalculer->click(); }, "Rang validé : 2", "Valeur extrême : 0"},
        {"RAZ", [this] { f().chkNoAuto->click(); f().cmdRAZ->click(); }, "Aucun rang validé", "Aucun signal tracé"},
        {"valeur moyenne -100", [this] { Regle(0, -100); Coche(0); }, "Rang validé : 0", "Valeur extrême : -100"},
        {"choix d'un signal", [this] { ChoisitMode(1); }, "Aucun rang validé", "Aucun signal tracé"},
        {"rectangle, rangs 3 puis 1", [this] { ChoisitSignal(0); Coche(3); Coche(1); }, "Rangs validés : 1, 3", "Valeur extrême : "},
    };
    for (const auto& e : etapes) {
        SCOPED_TRACE(e.etape);
        e.action();
        EXPECT_EQ(Description(&harmoniques()), e.harmoniques);
        EXPECT_TRUE(Description(&signal()).startsWith(e.signal)) << Description(&signal()).toStdString();
    }
}
// The mean value's box tells whether its slider can be set: the sawtooth locks it, the manual
// mode frees it.
TEST_F(Accessibilite, LAideDeLAmplitudeSuitLeVerrouDuCurseur) {
    const QString libre = "Amplitude en % de l'harmonique de rang 0. Réglage par curseur.\nUn double click remet le curseur à 0";
    const struct {
        const char* etape;
        std::function<void()> action;
        QString aide;
    } etapes[] = {
        {"dents de scie", [this] { Prepare(2, "90", {}); }, "Amplitude en % de l'harmonique de rang 0. Réglage IMPOSSIBLE dans ce cas."},
        {"rectangle", [this] { ChoisitSignal(0); }, libre},
        {"dents de scie encore", [this] { ChoisitSignal(2); }, "Amplitude en % de l'harmonique de rang 0. Réglage IMPOSSIBLE dans ce cas."},
        {"mode manuel", [this] { ChoisitMode(0); }, libre},
    };
    for (const auto& e : etapes) {
        SCOPED_TRACE(e.etape);
        e.action();
        EXPECT_EQ(Description(f().txtHarmonic[0]), e.aide);
        EXPECT_EQ(Description(f().txtHarmonic[1]), QString(libre).replace("rang 0", "rang 1"));
    }
}

// The list keeps its label as its name, the choice is its value.
TEST_F(Accessibilite, LImageDuSignalPorteLeNomDuSignalChoisiEtLaListeLeGardeEnValeur) {
    ChoisitMode(1);
    const char* signaux[] = {"Signal triangulaire", "Signal dents de scie", "Signal rectangulaire"};
    const int index[] = {1, 2, 0};
    for (int i = 0; i < 3; ++i) {
        ChoisitSignal(index[i]);
        EXPECT_EQ(Nom(f().imgSignal), signaux[i]);
        EXPECT_EQ(Acces(f().imgSignal)->role(), QAccessible::Graphic);
        EXPECT_EQ(Nom(f().cboChoixSignal), "Signal prédéfini");
        EXPECT_EQ(Acces(f().cboChoixSignal)->text(QAccessible::Value), signaux[i]);
    }
}

// A reader hears the value the slider shows (+100 at the top), and setting it runs the slider's
// handler like a key would; a slider the sawtooth locked refuses it.
TEST_F(Accessibilite, LeCurseurDitEtPrendLaValeurAffichee) {
    const struct {
        int rang;
        int regle;      // set by the program first
        int lecteur;    // then asked by a reader
        int attendu;    // value shown afterwards
        bool verrouille; // sawtooth chosen first: the mean value is locked at 50
    } cas[] = {
        {3, 40, 40, 40, false},
        {2, 0, -30, -30, false},
        {1, 10, 100, 100, false},
        {4, 0, 250, 100, false}, // out of range: the end it reaches
        {0, 50, 10, 50, true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.rang);
        if (c.verrouille) Prepare(2, "90", {});
        CurseurVertical* curseur = f().scrHarmonic[c.rang];
        Regle(c.rang, c.regle);
        QAccessibleValueInterface* valeur = Acces(curseur)->valueInterface();
        ASSERT_NE(valeur, nullptr);
        EXPECT_EQ(valeur->maximumValue().toInt(), 100);
        EXPECT_EQ(valeur->minimumValue().toInt(), -100);
        valeur->setCurrentValue(c.lecteur);
        EXPECT_EQ(curseur->Valeur(), c.attendu);
        EXPECT_EQ(valeur->currentValue().toInt(), c.attendu);
        EXPECT_EQ(Acces(curseur)->text(QAccessible::Value), QString::number(c.attendu));
        EXPECT_EQ(f().txtHarmonic[c.rang]->text(), QString::number(c.attendu));
    }
}
// clang-format on
