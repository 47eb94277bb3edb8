// Modes, signal choice, duty cycle, rank options and the errors of the calculations they start.
#include "test_comportement_commun.h"

TEST_F(Comportement, ChaqueModeMontreSesControlesEtRetablitLeCalculAutomatique) {
    // One letter per control below: 'x' shown, enabled, active or ticked; '.' not.
    const auto Etats = [&] {
        std::string s;
        for (const bool b :
             {f().cboChoixSignal->isVisible(), f().txtRapportCyclique->isVisible(),
              f().Label2->isVisible(), f().cmdRapportCyclique->isVisible(),
              f().lblRapportCyclique->isVisible(), f().chkHarmonicSup->isVisible(),
              f().Frame1->isVisible(), f().Frame2->isVisible(), f().imgSignal->isVisible(),
              f().chkNoAuto->isVisible(), f().cmdRAZ->isVisible(), f().cmdCalculer->isVisible(),
              f().Timer1->isActive(), f().mnuRang->isEnabled(), f().mnuOuvrir->isEnabled(),
              f().mnuEnregister->isEnabled(), f().chkNoAuto->isChecked(),
              etat().CalculAutoInhibe != Faux, etat().ModeChoixSignal != Faux})
            s += b ? 'x' : '.';
        return s;
    };
    for (const bool choix : {true, false, true}) {
        if (!choix) Prepare(0, "50", {1});
        const auto avant = Photographie();
        f().chkNoAuto->click(); // ticked in either mode, the switch unticks it
        ChoisitMode(choix ? 1 : 0);
        EXPECT_EQ(Etats(), choix ? "xxxxxxxxx...xx....x" : ".........xx...xx...");
        // Entering the choice empties sliders and surfaces; leaving it changes nothing.
        EXPECT_TRUE(choix ? harmoniques().Traits().empty() && !f().chkHarmonic[1]->isChecked()
                          : Photographie() == avant);
    }
}

TEST_F(Comportement, LInviteClignoteJusquAuChoixDUnSignalQuiMontreSonImageEtSesCoefficients) {
    ChoisitMode(1);
    for (const bool cachee : {true, false, true})
        EXPECT_TRUE(QTest::qWaitFor([&] { return f().Label1->isHidden() == cachee; }, 2000));
    Prepare(0, "33", {});
    EXPECT_FALSE(f().Label1->isHidden() || f().Timer1->isActive());
    const QStringList rang1 = {f().TxtAn[0]->text(), f().txtBn[0]->text(), f().txtCn[0]->text(),
                               f().txtPhin[0]->text()};
    EXPECT_EQ(rang1, QStringList({"27,89", "47,17", "54,8", "59"}));
    // Each signal shows its picture; the sawtooth sets a duty cycle of 90, which stays.
    const std::array images = {f().imgRectangulaire, f().imgTriangle, f().imgDentsdeScie};
    for (const int signal : {0, 2, 1}) {
        ChoisitSignal(signal);
        EXPECT_EQ(f().imgSignal->pixmap().toImage(), images[signal]->pixmap().toImage()) << signal;
    }
    EXPECT_EQ(f().txtRapportCyclique->text(), "90");
}

TEST_F(Comportement, DentsDeScieVerrouilleLaValeurMoyenneJusquAUnAutreChoix) {
    Prepare(2, "", {});
    EXPECT_TRUE(f().txtHarmonic[0]->text() == "50" && f().chkHarmonic[0]->isChecked());
    EXPECT_FALSE(f().scrHarmonic[0]->isEnabled() || f().chkHarmonic[0]->isEnabled());
    // The mean-value line, at once: up the value axis from the time axis, then across.
    EXPECT_TRUE(Passe(harmoniques().Image(), Noir, 0, 25, 1) &&
                Passe(harmoniques().Image(), Noir, 50, 50, 1));
    QTest::mouseClick(f().txtHarmonic[0], Qt::LeftButton);      // a locked slider sends to the list
    EXPECT_EQ(f().focusWidget(), f().cboChoixSignal);
    // Later calculations find the controls already set: no handler runs, the help stays.
    app.frmAide().DefinitInfo("repère");
    f().txtRapportCyclique->setText("75");
    QTest::mouseClick(f().cmdRapportCyclique, Qt::LeftButton);
    RepondRang(QStringLiteral("150"));
    EXPECT_EQ(app.frmAide().lblInfo->text(), "repère");
    ChoisitSignal(0);
    EXPECT_TRUE(f().scrHarmonic[0]->isEnabled() && f().chkHarmonic[0]->isEnabled() &&
                !f().chkHarmonic[0]->isChecked());
    ChoisitSignal(2);
    ChoisitMode(0);
    EXPECT_TRUE(f().scrHarmonic[0]->isEnabled() && f().chkHarmonic[0]->isEnabled());
}

TEST_F(Comportement, RectangleACinquantePourCentAvecLesRangsUnEtTroisPuisDAutresRapports) {
    Prepare(0, "50", {1, 3});
    for (int k = 0; k <= 100; k += 4) // 63,66 sin x + 21,22 sin 3x
        EXPECT_TRUE(Passe(signal().Image(), RougeClair, k,
                          63.66 * std::sin(0.02 * M_PI * k) + 21.22 * std::sin(0.06 * M_PI * k)))
            << k;
    // Chosen again: unticking rank 1 redrew rank 3 alone, unticking rank 3 left the signal.
    ChoisitSignal(0);
    EXPECT_TRUE(harmoniques().Traits().empty() && etat().SignalTotal[25] == -21);
    EXPECT_TRUE(Passe(signal().Image(), RougeClair, 25, -21.22));
    // Confirmed duty cycles, pasted over the box's text, rank 1 validated: the text rewritten,
    // rank 1 redrawn. A pasted line break is not kept.
    Coche(1);
    BoiteModale garde(RefuseTouteBoite);
    const std::tuple<QString, QString, float> cas[] = {
        {"0,25", "25", 0.25f},  {"1", "1", 0.01f},    {"0,004", "0", 0.0f},  {"12,9", "12", 0.12f},
        {"-3,2", "-4", -0.04f}, {"150", "150", 1.5f}, {"0,29", "29", 0.29f}, {"50\n", "50", 0.5f}};
    for (const auto& [saisi, ecrit, rapport] : cas) {
        harmoniques().Efface();
        QGuiApplication::clipboard()->setText(saisi);
        f().txtRapportCyclique->selectAll();
        f().txtRapportCyclique->paste();
        QTest::mouseClick(f().cmdRapportCyclique, Qt::LeftButton);
        EXPECT_EQ(f().txtRapportCyclique->text(), ecrit) << saisi.toStdString();
        EXPECT_FLOAT_EQ(etat().RapportCyclique, rapport) << saisi.toStdString();
        EXPECT_TRUE(Passe(harmoniques().Image(), Bleu, 25)) << saisi.toStdString();
    }
}

TEST_F(Comportement, UnRapportIllisibleAfficheLeMessageSurChaqueChemin) {
    const std::pair<QString, int> cas[] = {{"", 0},      {"abc", 0}, {"0.5", 0}, {"50 %", 0},
                                           {"1e309", 0}, {"nan", 0}, {"inf", 0}, {"0", 1},
                                           {"100", 1}}; // the triangle at 0 and 100
    for (const auto& [texte, signal] : cas) {
        SCOPED_TRACE(texte.toStdString());
        Prepare(signal, "50", {0, 1, 3});
        f().txtRapportCyclique->setText(texte);
        const auto avant = Photographie();
        AttendMessage([&] { QTest::mouseClick(f().cmdRapportCyclique, Qt::LeftButton); });
        EXPECT_TRUE(Photographie() == avant); // the typed text included
        // The higher ranks and the last rank keep what they wrote before the error.
        AttendMessage([&] { f().chkHarmonicSup->click(); });
        VerifieMessage(*RepondRang(QStringLiteral("500"), RepondOk));
        EXPECT_TRUE(etat().RangMax == 500 && Photographie() == avant);
        // The list resets the ranks before the calculation; the texts stay.
        AttendMessage([&] { ChoisitSignal(signal); });
        EXPECT_EQ(std::get<0>(Photographie()), std::get<0>(avant));
        EXPECT_EQ(etat().Validation, decltype(etat().Validation){});
    }
}

TEST_F(Comportement, LeDernierRangEtLesRangsSuperieursSAjoutentAuSeulSignalReconstruit) {
    Prepare(0, "50", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const std::pair<QString, int> cas[] = {
        {"2500", 2000}, {"2000", 2000}, {"1999", 1999}, {"100000", 2000}, {"-100000", 2000},
        {"15.7", 15},   {"15,7", 15},   {"12abc", 12},  {"abc", 0},       {"", 0}};
    for (const auto& [reponse, attendu] : cas) {
        RepondRang(reponse);
        EXPECT_EQ(etat().RangMax, attendu) << reponse.toStdString();
    }
    // Ranks 1 to 10 of a square wave ripple up to 54; the higher ranks pull it towards 50.
    EXPECT_EQ(etat().SignalTotal[25], 54);
    const QImage image = harmoniques().Image();
    RepondRang(QStringLiteral("2000"));
    f().chkHarmonicSup->click();
    EXPECT_TRUE(etat().RangsSupActifs == Vrai && std::abs(etat().SignalTotal[25] - 50) <= 2);
    EXPECT_TRUE(Passe(signal().Image(), RougeClair, 25, 50, 4)); // 54 is 6 pixels higher
    EXPECT_EQ(harmoniques().Image(), image);
    // Cancelled: a recomputation would now fail with a message, and none may come.
    f().txtRapportCyclique->setText("abc");
    const auto garde = RepondRang(std::nullopt, RefuseTouteBoite);
    QTest::qWait(50);
    EXPECT_EQ(etat().RangMax, 2000);
}
