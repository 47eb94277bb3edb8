// Manual adjustment: sliders, amplitude texts, validation, automatic calculation and RAZ.
#include "test_comportement_commun.h"

#include <QApplication>
#include <cmath>

using namespace Calcul_Graphe;

namespace {

const QString Phrase3 = QStringLiteral(
    "Ce curseur regle la valeur de l'harmonique de rang 3. Pour etre pris en compte, celui-ci "
    "doit être validé.");

TEST_F(Comportement, RangTroisACinquanteFaitTroisPeriodesCyan) {
    Regle(3, 50);
    Coche(3);
    EXPECT_EQ(etat().Validation[3], 1);
    for (int k = 0; k <= 100; ++k)
        ASSERT_NEAR(etat().Harmonique[k][3], 50.0 * std::sin(6.0 * M_PI * k / 100.0), 1e-3) << k;
    const QImage image = surfaceHarmonique().Image();
    // Crests near k = 8, 42, 75 and troughs near k = 25, 58, 92, 50 % from the axis.
    for (const int k : {8, 42, 75}) {
        const std::vector<int> lignes = Lignes(image, Colonne(k), Cyan);
        ASSERT_FALSE(lignes.empty()) << k;
        EXPECT_NEAR(lignes.front(), Ligne(50), 3.0) << "crête " << k;
    }
    for (const int k : {25, 58, 92}) {
        const std::vector<int> lignes = Lignes(image, Colonne(k), Cyan);
        ASSERT_FALSE(lignes.empty()) << k;
        EXPECT_NEAR(lignes.back(), Ligne(-50), 3.0) << "creux " << k;
    }
    EXPECT_TRUE(Contient(surfaceSignal().Image(), RougeClair));
}

TEST_F(Comportement, UnCurseurValideRecalculeEtRetrace) {
    Coche(3);
    f().scrHarmonic[3]->setFocus();
    QTest::keyClick(f().scrHarmonic[3], Qt::Key_PageUp); // +10: the top end is +100
    EXPECT_EQ(f().txtHarmonic[3]->text(), "10");
    EXPECT_EQ(app.frmAide().lblInfo->text(), Phrase3);
    EXPECT_NEAR(etat().Harmonique[25][3], -10.0f, 1e-4);
    QTest::keyClick(f().scrHarmonic[3], Qt::Key_Down);
    EXPECT_EQ(f().txtHarmonic[3]->text(), "9");
    EXPECT_NEAR(etat().Harmonique[25][3], -9.0f, 1e-4);
}

TEST_F(Comportement, UnCurseurNonValideNeMontreQueSaValeur) {
    Regle(4, -35);
    EXPECT_EQ(f().txtHarmonic[4]->text(), "-35");
    EXPECT_EQ(etat().Harmonique[10][4], 0.0f);
    EXPECT_TRUE(surfaceHarmonique().Traits().empty());
    Coche(4);
    EXPECT_NEAR(etat().Harmonique[10][4], -35.0 * std::sin(8.0 * M_PI * 10 / 100.0), 1e-3);
}

TEST_F(Comportement, PendantLeGlissementLeTexteSuitSansCalcul) {
    CurseurVertical* curseur = f().scrHarmonic[3];
    Coche(3);
    const QImage avant = surfaceHarmonique().Image();
    curseur->setSliderDown(true);
    for (const int valeur : {10, 25, 40}) {
        curseur->setSliderPosition(-valeur); // the shown value is the negated position
        EXPECT_EQ(f().txtHarmonic[3]->text(), QString::number(valeur));
        EXPECT_EQ(etat().Harmonique[25][3], 0.0f);
    }
    EXPECT_EQ(app.frmAide().lblInfo->text(), Phrase3);
    EXPECT_EQ(surfaceHarmonique().Image(), avant);
    curseur->setSliderDown(false); // release: one completed change
    EXPECT_EQ(curseur->Valeur(), 40);
    EXPECT_NEAR(etat().Harmonique[25][3], -40.0f, 1e-4);
    EXPECT_NE(surfaceHarmonique().Image(), avant);
}

TEST_F(Comportement, ValeurMoyenneNegativeAbaisseLeSignal) {
    Regle(1, 30);
    Coche(1);
    const auto sansMoyenne = etat().SignalTotal;
    Regle(0, -20);
    Coche(0);
    for (int k = 0; k <= 100; ++k) {
        EXPECT_EQ(etat().Harmonique[k][0], -20.0f);
        EXPECT_EQ(etat().SignalTotal[k], sansMoyenne[k] - 20) << k;
    }
}

TEST_F(Comportement, LeDoubleClicRemetLeCurseurAZero) {
    Regle(2, 40);
    Coche(2);
    QTest::mouseDClick(f().txtHarmonic[2], Qt::LeftButton);
    EXPECT_EQ(f().scrHarmonic[2]->Valeur(), 0);
    EXPECT_EQ(f().txtHarmonic[2]->text(), "0");
    EXPECT_EQ(etat().Harmonique[30][2], 0.0f);
    // Already at 0: nothing computed, nothing drawn.
    const QImage avant = surfaceHarmonique().Image();
    QTest::mouseDClick(f().txtHarmonic[2], Qt::LeftButton);
    EXPECT_EQ(f().txtHarmonic[2]->text(), "0");
    EXPECT_EQ(surfaceHarmonique().Image(), avant);
}

TEST_F(Comportement, CliquerLeTexteDonneLeFocusAuCurseurOuALaListe) {
    QTest::mouseClick(f().txtHarmonic[5], Qt::LeftButton);
    EXPECT_EQ(f().focusWidget(), f().scrHarmonic[5]);
    ChoisitMode(1);
    ChoisitSignal(2);
    QTest::mouseClick(f().txtHarmonic[0], Qt::LeftButton);
    EXPECT_EQ(f().focusWidget(), f().cboChoixSignal);
    ChoisitMode(0);
    QTest::mouseClick(f().txtHarmonic[0], Qt::LeftButton);
    EXPECT_EQ(f().focusWidget(), f().scrHarmonic[0]);
}

TEST_F(Comportement, SansCalculAutomatiqueRienNeSeTraceAvantCalculer) {
    f().chkNoAuto->click();
    EXPECT_EQ(etat().CalculAutoInhibe, Vrai);
    EXPECT_FALSE(f().cmdCalculer->isHidden());
    Regle(3, 50);
    Coche(3);
    Regle(0, 10);
    Coche(0);
    EXPECT_EQ(etat().Validation[3], 1);
    EXPECT_EQ(f().txtHarmonic[3]->text(), "50");
    EXPECT_TRUE(surfaceHarmonique().Traits().empty());
    EXPECT_TRUE(surfaceSignal().Traits().empty());
    EXPECT_EQ(etat().Harmonique[25][3], 0.0f);
    QTest::mouseClick(f().cmdCalculer, Qt::LeftButton);
    EXPECT_TRUE(Contient(surfaceHarmonique().Image(), Cyan));
    EXPECT_TRUE(Contient(surfaceSignal().Image(), RougeClair));
    EXPECT_NEAR(etat().Harmonique[25][3], -50.0f, 1e-4);
    EXPECT_EQ(etat().Harmonique[25][0], 10.0f);
    // Unticking is only recorded too.
    const QImage avant = surfaceHarmonique().Image();
    Coche(3, false);
    EXPECT_EQ(etat().Validation[3], 0);
    EXPECT_EQ(surfaceHarmonique().Image(), avant);
    // Back to automatic: nothing is drawn until the next change.
    f().chkNoAuto->click();
    EXPECT_TRUE(f().cmdCalculer->isHidden());
    EXPECT_EQ(surfaceHarmonique().Image(), avant);
}

TEST_F(Comportement, RAZRemetToutAZeroEtLaisseLesGraphesNus) {
    for (int n = 0; n <= 10; ++n) {
        Regle(n, 10 * n - 50);
        if (n % 2 == 0) Coche(n);
    }
    ASSERT_FALSE(surfaceSignal().Traits().empty());
    QTest::mouseClick(f().cmdRAZ, Qt::LeftButton);
    for (int n = 0; n <= 10; ++n) {
        EXPECT_EQ(f().scrHarmonic[n]->Valeur(), 0) << n;
        EXPECT_EQ(f().txtHarmonic[n]->text(), "0") << n;
        EXPECT_FALSE(f().chkHarmonic[n]->isChecked()) << n;
        EXPECT_EQ(etat().Validation[n], 0) << n;
    }
    EXPECT_EQ(etat().RAZEnCours, Faux);
    EXPECT_TRUE(surfaceHarmonique().Traits().empty());
    EXPECT_TRUE(surfaceSignal().Traits().empty());
    // The sliders answer again after the reset.
    Coche(1);
    Regle(1, 20);
    EXPECT_NEAR(etat().Harmonique[25][1], 20.0f, 1e-4);
}

} // namespace
