// Manual adjustment: sliders, amplitude texts, validation, automatic calculation and RAZ.
#include "test_comportement_commun.h"


TEST_F(Comportement, RangTroisFaitTroisPeriodesCyanEtSansCalculAutoAttendCalculer) {
    for (const auto& [automatique, a] : {std::pair{false, -50}, {true, 50}}) {
        f().chkNoAuto->click(); // off, then on again
        EXPECT_EQ(f().cmdCalculer->isHidden(), automatique);
        Regle(3, a);
        Coche(3);
        Regle(10, 30);
        EXPECT_EQ(etat().Validation[3], 1);
        EXPECT_EQ(Nus() && etat().Harmonique[25][3] == 0.0f, !automatique);
        if (!automatique) QTest::mouseClick(f().cmdCalculer, Qt::LeftButton);
        for (int k = 0; k <= 100; k += 4) // three periods of amplitude a
            EXPECT_TRUE(Passe(harmoniques().Image(), Cyan, k, a * std::sin(0.06 * M_PI * k))) << k;
        EXPECT_TRUE(Passe(signal().Image(), RougeClair, 25, -a)); // a sin(3π/2)
        if (automatique) break;
        const QImage avant = harmoniques().Image(); // unticking is only recorded too
        Coche(3);
        EXPECT_TRUE(etat().Validation[3] == 0 && harmoniques().Image() == avant);
        QTest::mouseClick(f().cmdRAZ, Qt::LeftButton);
        for (int n = 0; n <= 10; ++n)
            EXPECT_TRUE(f().scrHarmonic[n]->Valeur() == 0 && f().txtHarmonic[n]->text() == "0" &&
                        !f().chkHarmonic[n]->isChecked());
        EXPECT_TRUE(Nus() && etat().Validation == decltype(etat().Validation){});
    }
}

TEST_F(Comportement, LeTexteSuitLeCurseurQuiNeCalculeQueValideEtRelache) {
    const QString phrase = "Ce curseur regle la valeur de l'harmonique de rang 3. Pour etre pris "
                           "en compte, celui-ci doit être validé.";
    CurseurVertical* curseur = f().scrHarmonic[3];
    QTest::mouseClick(f().cmdRAZ, Qt::LeftButton); // the sliders answer after a reset
    Regle(3, -35);
    EXPECT_TRUE(f().txtHarmonic[3]->text() == "-35" && app.frmAide().lblInfo->text() == phrase);
    EXPECT_EQ(etat().Harmonique[25][3], 0.0f); // not validated: its text only
    Coche(3);
    // Dragging: the text follows the thumb, the calculation waits for the release.
    const QImage avant = harmoniques().Image();
    app.frmAide().DefinitInfo("repère");
    curseur->setSliderDown(true);
    for (const int valeur : {10, 25, 40}) {
        curseur->setSliderPosition(-valeur); // the shown value is the negated position
        EXPECT_EQ(f().txtHarmonic[3]->text(), QString::number(valeur));
    }
    EXPECT_TRUE(app.frmAide().lblInfo->text() == phrase && harmoniques().Image() == avant);
    curseur->setSliderDown(false);
    EXPECT_TRUE(std::abs(etat().Harmonique[25][3] + 40) < 1e-4 && harmoniques().Image() != avant);
    // A double click on the text sets it back to 0.
    QTest::mouseDClick(f().txtHarmonic[3], Qt::LeftButton);
    EXPECT_TRUE(curseur->Valeur() == 0 && f().txtHarmonic[3]->text() == "0" &&
                etat().Harmonique[25][3] == 0.0f);
}
