// Modes, signal choice, duty cycle and the errors of the calculations they start.
#include "test_comportement_commun.h"

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <functional>

using namespace Calcul_Graphe;

namespace {

TEST_F(Comportement, ChaqueModeMontreSesControles) {
    struct Regle {
        const char* nom;
        std::function<bool(FrmOndalis&)> lit;
        bool enModeChoix;
    };
    const std::vector<Regle> regles = {
        {"cboChoixSignal", [](FrmOndalis& f) { return !f.cboChoixSignal->isHidden(); }, true},
        {"txtRapportCyclique", [](FrmOndalis& f) { return !f.txtRapportCyclique->isHidden(); },
         true},
        {"Label2", [](FrmOndalis& f) { return !f.Label2->isHidden(); }, true},
        {"Timer1", [](FrmOndalis& f) { return f.Timer1->isActive(); }, true},
        {"cmdRapportCyclique", [](FrmOndalis& f) { return !f.cmdRapportCyclique->isHidden(); },
         true},
        {"lblRapportCyclique", [](FrmOndalis& f) { return !f.lblRapportCyclique->isHidden(); },
         true},
        {"mnuRang", [](FrmOndalis& f) { return f.mnuRang->isEnabled(); }, true},
        {"chkHarmonicSup", [](FrmOndalis& f) { return !f.chkHarmonicSup->isHidden(); }, true},
        {"chkNoAuto", [](FrmOndalis& f) { return !f.chkNoAuto->isHidden(); }, false},
        {"cmdRAZ", [](FrmOndalis& f) { return !f.cmdRAZ->isHidden(); }, false},
        {"Frame1", [](FrmOndalis& f) { return !f.Frame1->isHidden(); }, true},
        {"Frame2", [](FrmOndalis& f) { return !f.Frame2->isHidden(); }, true},
        {"imgSignal", [](FrmOndalis& f) { return !f.imgSignal->isHidden(); }, true},
        {"mnuOuvrir", [](FrmOndalis& f) { return f.mnuOuvrir->isEnabled(); }, false},
        {"mnuEnregister", [](FrmOndalis& f) { return f.mnuEnregister->isEnabled(); }, false},
    };
    for (const bool choix : {true, false, true}) {
        ChoisitMode(choix ? 1 : 0);
        EXPECT_EQ(etat().ModeChoixSignal, choix ? Vrai : Faux);
        for (const Regle& regle : regles)
            EXPECT_EQ(regle.lit(f()), choix == regle.enModeChoix)
                << regle.nom << (choix ? " en mode choix" : " en mode manuel");
    }
}

TEST_F(Comportement, ChangerDeModeRetablitLeCalculAutomatique) {
    f().chkNoAuto->click();
    ASSERT_EQ(etat().CalculAutoInhibe, Vrai);
    ASSERT_FALSE(f().cmdCalculer->isHidden());
    for (const int mode : {1, 0}) {
        if (mode == 0) f().chkNoAuto->click(); // ticked again in the manual mode
        ChoisitMode(mode);
        EXPECT_FALSE(f().chkNoAuto->isChecked()) << "mode " << mode;
        EXPECT_EQ(etat().CalculAutoInhibe, Faux) << "mode " << mode;
        EXPECT_TRUE(f().cmdCalculer->isHidden()) << "mode " << mode;
    }
}

TEST_F(Comportement, ModeChoixEffaceToutEtLeModeManuelRienDuTout) {
    Regle(2, 40);
    Coche(2);
    Coche(0);
    ASSERT_FALSE(surfaceHarmonique().Traits().empty());
    ChoisitMode(1);
    EXPECT_TRUE(surfaceHarmonique().Traits().empty());
    EXPECT_TRUE(surfaceSignal().Traits().empty());
    for (int n = 0; n < 11; ++n) {
        EXPECT_FALSE(f().chkHarmonic[n]->isChecked()) << n;
        EXPECT_EQ(etat().Validation[n], 0) << n;
        EXPECT_EQ(f().txtHarmonic[n]->text(), "0") << n;
    }
    ChoisitSignal(0);
    Coche(1);
    const Instantane avant = Photographie();
    ChoisitMode(0);
    EXPECT_EQ(Photographie(), avant);
}

TEST_F(Comportement, LInviteClignoteJusquAuChoixDUnSignal) {
    ChoisitMode(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f().Label1->isHidden(); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f().Label1->isHidden(); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return f().Label1->isHidden(); }, 2000));
    ChoisitSignal(0);
    EXPECT_FALSE(f().Label1->isHidden());
    EXPECT_FALSE(f().Timer1->isActive());
    QTest::qWait(1100);
    EXPECT_FALSE(f().Label1->isHidden());
    // Entering the mode again restarts it, with the signal still selected.
    ChoisitMode(0);
    ChoisitMode(1);
    EXPECT_TRUE(f().Timer1->isActive());
    EXPECT_EQ(f().cboChoixSignal->currentIndex(), 0);
}

TEST_F(Comportement, ChoisirUnSignalMontreSonImageEtRemplitLeTableau) {
    ChoisitMode(1);
    f().txtRapportCyclique->setText("33");
    ChoisitSignal(0);
    EXPECT_FALSE(f().imgSignal->isHidden());
    EXPECT_EQ(f().imgSignal->pixmap().toImage(), f().imgRectangulaire->pixmap().toImage());
    EXPECT_EQ(f().TxtAn[0]->text(), "27,89");
    EXPECT_EQ(f().txtBn[0]->text(), "47,17");
    EXPECT_EQ(f().txtCn[0]->text(), "54,8");
    EXPECT_EQ(f().txtPhin[0]->text(), "59");
    EXPECT_FLOAT_EQ(etat().RapportCyclique, 0.33f);
    // Nothing is validated, so nothing is drawn.
    EXPECT_TRUE(surfaceHarmonique().Traits().empty());

    ChoisitSignal(2);
    EXPECT_EQ(f().txtRapportCyclique->text(), "90");
    EXPECT_EQ(f().imgSignal->pixmap().toImage(), f().imgDentsdeScie->pixmap().toImage());
    ChoisitSignal(1);
    EXPECT_EQ(f().txtRapportCyclique->text(), "90");
    EXPECT_EQ(f().imgSignal->pixmap().toImage(), f().imgTriangle->pixmap().toImage());
}

TEST_F(Comportement, DentsDeScieFixeLaValeurMoyenneEtLaVerrouille) {
    ChoisitMode(1);
    ChoisitSignal(2);
    EXPECT_EQ(f().txtHarmonic[0]->text(), "50");
    EXPECT_EQ(f().scrHarmonic[0]->Valeur(), 50);
    EXPECT_FALSE(f().scrHarmonic[0]->isEnabled());
    EXPECT_TRUE(f().chkHarmonic[0]->isChecked());
    EXPECT_FALSE(f().chkHarmonic[0]->isEnabled());
    EXPECT_EQ(etat().Validation[0], 1);
    EXPECT_EQ(etat().Harmonique[37][0], 50.0f);
    // The mean-value line, black, at 50: y = 1140 twips.
    const std::vector<int> lignes = Lignes(surfaceHarmonique().Image(), Colonne(50), Noir);
    ASSERT_FALSE(lignes.empty());
    EXPECT_NEAR(lignes.front(), 1140 / 15.0, 1.0);
    EXPECT_FALSE(surfaceSignal().Traits().empty());
    EXPECT_EQ(app.frmAide().lblInfo->text(),
              "Ce curseur regle la valeur de l'harmonique de rang 0. Pour etre pris en compte, "
              "celui-ci doit être validé.");

    // Later calculations find the controls already set: no handler runs, nothing is drawn
    // on the harmonic graph and the help panel keeps its text.
    surfaceHarmonique().Efface();
    app.frmAide().DefinitInfo("repère");
    f().chkHarmonicSup->click();
    ConfirmeRapport("75");
    RepondRang(QStringLiteral("150"));
    EXPECT_EQ(app.frmAide().lblInfo->text(), "repère");
    f().chkHarmonicSup->click();
    EXPECT_EQ(etat().Validation[0], 1);
    EXPECT_FALSE(f().chkHarmonic[0]->isEnabled());
}

TEST_F(Comportement, UnAutreSignalOuLeModeManuelDeverrouilleLaValeurMoyenne) {
    ChoisitMode(1);
    ChoisitSignal(2);
    ChoisitSignal(0);
    EXPECT_TRUE(f().scrHarmonic[0]->isEnabled());
    EXPECT_TRUE(f().chkHarmonic[0]->isEnabled());
    EXPECT_FALSE(f().chkHarmonic[0]->isChecked());
    ChoisitSignal(2);
    EXPECT_FALSE(f().chkHarmonic[0]->isEnabled());
    ChoisitMode(0);
    EXPECT_TRUE(f().scrHarmonic[0]->isEnabled());
    EXPECT_TRUE(f().chkHarmonic[0]->isEnabled());
    // Slider and box work again in the manual mode.
    Regle(0, -20);
    EXPECT_EQ(etat().Harmonique[60][0], -20.0f);
}

TEST_F(Comportement, ReChoisirUnSignalRetraceLesRangsEncoreValides) {
    ChoisitMode(1);
    ChoisitSignal(0);
    Coche(1);
    Coche(3);
    ChoisitSignal(0);
    // Unticking rank 1 redrew rank 3 alone, with its rebuilt signal; unticking rank 3 left
    // the signal graph as it was.
    EXPECT_TRUE(surfaceHarmonique().Traits().empty());
    EXPECT_EQ(etat().SignalTotal[25], -21);
    const std::vector<int> lignes = Lignes(surfaceSignal().Image(), Colonne(25), RougeClair);
    ASSERT_FALSE(lignes.empty());
    EXPECT_NEAR(lignes.back(), Ligne(-21.22), 3.0);
}

TEST_F(Comportement, RectangleACinquantePourCentAvecLesRangsUnEtTrois) {
    ChoisitMode(1);
    ChoisitSignal(0);
    Coche(1);
    Coche(3);
    const QImage image = surfaceSignal().Image();
    // 63,66 sin x + 21,22 sin 3x: 42,4 at a quarter period, -42,4 at three quarters.
    for (const auto& [k, valeur] : std::vector<std::pair<int, double>>{
             {25, 42.44},
             {75, -42.44},
             {50, 0.0},
             {12, 63.66 * std::sin(0.24 * M_PI) + 21.22 * std::sin(0.72 * M_PI)}}) {
        const std::vector<int> lignes = Lignes(image, Colonne(k), RougeClair);
        ASSERT_FALSE(lignes.empty()) << "k = " << k;
        const bool trouve = std::any_of(lignes.begin(), lignes.end(),
                                        [&](int y) { return std::abs(y - Ligne(valeur)) <= 3.0; });
        EXPECT_TRUE(trouve) << "k = " << k << ", attendu vers la ligne " << Ligne(valeur);
    }
    EXPECT_TRUE(Contient(surfaceHarmonique().Image(), Cyan));
}

} // namespace
