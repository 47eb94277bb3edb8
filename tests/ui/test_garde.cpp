// No exception reaches the event loop from a handler: an amplitude text that no longer reads as
// a number (only the program writes those texts, so this stands for a fault elsewhere) is
// answered by writing the texts again from the sliders; the user's settings stay and the window
// keeps working.
#include "test_comportement_commun.h"
#include "ui/Garde.h"

#include <functional>
#include <stdexcept>

namespace {

// The ways in: a tick (of the mean value in the signal mode too), a ticked rank's slider,
// "Calculer et Tracer", a double click on the text.
enum class Voie { Coche, Curseur, Calculer, CocheMoyenneSignal, DoubleClic };

} // namespace

TEST_F(Comportement, GestionnairesQuiLaissaientPasserUneErreurDeLecture) {
    for (const Voie voie :
         {Voie::Coche, Voie::Curseur, Voie::Calculer, Voie::CocheMoyenneSignal, Voie::DoubleClic}) {
        const int rang = voie == Voie::CocheMoyenneSignal ? 0 : 1;
        for (const QString hostile : {"", "abc", "1e309", "nan", "0.5", "٣", "\x01\x7f"}) {
            SCOPED_TRACE(std::to_string(int(voie)) + " / " + hostile.toStdString());
            ChoisitMode(0);
            QTest::mouseClick(f().cmdRAZ, Qt::LeftButton);
            f().chkNoAuto->setChecked(voie == Voie::Calculer);
            if (voie == Voie::CocheMoyenneSignal) Prepare(0, "50", {});
            Regle(rang, 30);
            if (voie != Voie::Coche && voie != Voie::CocheMoyenneSignal) Coche(rang);
            const float avant = etat().Harmonique[25][rang];
            f().txtHarmonic[rang]->setText(hostile);
            // Any exception leaving the handler would end this test here.
            switch (voie) {
            case Voie::Coche:
            case Voie::CocheMoyenneSignal:
                Coche(rang);
                break;
            case Voie::Curseur:
                QTest::keyClick(f().scrHarmonic[rang], Qt::Key_Up);
                break;
            case Voie::Calculer:
                QTest::mouseClick(f().cmdCalculer, Qt::LeftButton);
                break;
            case Voie::DoubleClic:
                QTest::mouseDClick(f().txtHarmonic[rang], Qt::LeftButton);
                break;
            }
            const int valeur = f().scrHarmonic[rang]->Valeur();
            for (int n = 0; n <= 10; ++n)
                EXPECT_EQ(f().txtHarmonic[n]->text(),
                          QString::number(f().scrHarmonic[n]->Valeur()));
            EXPECT_EQ(etat().Validation[rang], f().chkHarmonic[rang]->isChecked() ? 1 : 0);
            // Nothing was computed from the unreadable text: the column is the old one or the
            // slider's own value.
            const float attendu = rang == 0 ? valeur : valeur * std::sin(0.5 * M_PI);
            EXPECT_TRUE(etat().Harmonique[25][rang] == avant ||
                        std::abs(etat().Harmonique[25][rang] - attendu) < 1e-4)
                << etat().Harmonique[25][rang];
            // The window still computes: ticking again takes the slider's value.
            if (f().chkHarmonic[rang]->isChecked()) Coche(rang);
            Coche(rang);
            if (voie == Voie::Calculer) QTest::mouseClick(f().cmdCalculer, Qt::LeftButton);
            EXPECT_NEAR(etat().Harmonique[25][rang], attendu, 1e-4);
        }
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
