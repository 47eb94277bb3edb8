// No exception reaches the event loop from a handler: an amplitude text that no longer reads as
// a number (only the program writes those texts, so this stands for a fault elsewhere) is
// answered by writing the texts again from the sliders; the user's settings stay and the window
// keeps working.
#include "test_comportement_commun.h"
#include "ui/Garde.h"

#include <functional>
#include <stdexcept>

TEST_F(Comportement, GestionnairesQuiLaissaientPasserUneErreurDeLecture) {
    // The ways in: a tick, a ticked rank's slider, "Calculer et Tracer", a double click.
    const std::function<void()> voies[] = {
        [&] { Coche(1); }, [&] { QTest::keyClick(f().scrHarmonic[1], Qt::Key_Up); },
        [&] { QTest::mouseClick(f().cmdCalculer, Qt::LeftButton); },
        [&] { QTest::mouseDClick(f().txtHarmonic[1], Qt::LeftButton); }};
    for (std::size_t voie = 0; voie < std::size(voies); ++voie)
        for (const QString hostile : {"", "abc", "1e309", "nan", "٣", "\x01\x7f"}) {
            SCOPED_TRACE(std::to_string(voie) + " / " + hostile.toStdString());
            QTest::mouseClick(f().cmdRAZ, Qt::LeftButton);
            f().chkNoAuto->setChecked(voie == 2);
            Regle(1, 30);
            if (voie != 0) Coche(1);
            f().txtHarmonic[1]->setText(hostile);
            voies[voie](); // any exception leaving the handler would end this test here
            for (int n = 0; n <= 10; ++n)
                EXPECT_EQ(f().txtHarmonic[n]->text(), QString::number(f().scrHarmonic[n]->Valeur()));
            EXPECT_EQ(etat().Validation[1], f().chkHarmonic[1]->isChecked() ? 1 : 0);
            // The window still computes: ticking again takes the slider's value.
            if (f().chkHarmonic[1]->isChecked()) Coche(1);
            Coche(1);
            if (voie == 2) QTest::mouseClick(f().cmdCalculer, Qt::LeftButton);
            EXPECT_NEAR(etat().Harmonique[25][1], f().scrHarmonic[1]->Valeur(), 1e-4);
        }
}

namespace {
QStringList Avertissements;
void Recueille(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg) Avertissements << message;
}
} // namespace

// What the guard stops is said on Qt's log with the handler's name; an error its reaction
// answers is not; the caller goes on either way.
TEST(Garde, CeQuiEstArreteEstSignaleAvecLeNomDuGestionnaire) {
    const ErreurExecution calcul(ErreurExecution::Nature::Depassement, "Dépassement de capacité");
    const struct {
        std::function<void()> travail;
        bool reactionLance;
        const char* attendu; // empty: no warning
    } cas[] = {
        {[] { throw std::runtime_error("fichier absent"); }, false, "fichier absent"},
        {[] { throw 42; }, false, "inconnue"},
        {[&] { throw calcul; }, false, ""},
        {[&] { throw calcul; }, true, "réaction"},
        {[] {}, false, ""},
    };
    for (const auto& c : cas) {
        Avertissements.clear();
        const QtMessageHandler avant = qInstallMessageHandler(Recueille);
        Garde("cmdEssai_Click", c.travail, [&](const ErreurExecution&) {
            if (c.reactionLance) throw std::logic_error("réaction");
        });
        qInstallMessageHandler(avant);
        if (*c.attendu == '\0') {
            EXPECT_TRUE(Avertissements.isEmpty()) << qPrintable(Avertissements.join('|'));
            continue;
        }
        ASSERT_EQ(Avertissements.size(), 1) << c.attendu;
        EXPECT_TRUE(Avertissements[0].contains("cmdEssai_Click")) << qPrintable(Avertissements[0]);
        EXPECT_TRUE(Avertissements[0].contains(QString::fromUtf8(c.attendu)))
            << qPrintable(Avertissements[0]);
    }
}
