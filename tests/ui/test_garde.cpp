// No exception reaches the event loop from a handler: an amplitude text that no longer reads as
// a number (only the program writes those texts, so this stands for a fault elsewhere) is
// answered by writing the texts again from the sliders; the user's settings stay and the window
// keeps working.
#include "test_comportement_commun.h"
#include "ui/Garde.h"

#include <functional>
#include <stdexcept>

namespace {

enum class Voie { Coche, Curseur, Calculer, CocheMoyenneSignal, DoubleClic };

struct CasGarde {
    const char* nom;
    Voie voie;
    int rang;
};

const CasGarde CasGardes[] = {
    {"coche", Voie::Coche, 1},
    {"curseur d'un rang coché", Voie::Curseur, 1},
    {"Calculer et Tracer", Voie::Calculer, 1},
    {"valeur moyenne cochée en mode signal", Voie::CocheMoyenneSignal, 0},
    {"double clic", Voie::DoubleClic, 1},
};

const QString TextesHostiles[] = {"",    "abc", "1e309",    "nan", "inf",
                                  "0.5", "٣",   "\x01\x7f", "- 5", QString(10000, '9')};

} // namespace

TEST_F(Comportement, GestionnairesQuiLaissaientPasserUneErreurDeLecture) {
    for (const CasGarde& c : CasGardes) {
        for (const QString& hostile : TextesHostiles) {
            SCOPED_TRACE(std::string(c.nom) + " / " + hostile.left(12).toStdString());
            ChoisitMode(0);
            QTest::mouseClick(f().cmdRAZ, Qt::LeftButton);
            f().chkNoAuto->setChecked(c.voie == Voie::Calculer);
            if (c.voie == Voie::CocheMoyenneSignal) Prepare(0, "50", {});
            Regle(c.rang, 30);
            if (c.voie != Voie::Coche && c.voie != Voie::CocheMoyenneSignal) Coche(c.rang);
            const float avant = etat().Harmonique[25][c.rang];
            f().txtHarmonic[c.rang]->setText(hostile);
            // Any exception leaving the handler would end this test here.
            switch (c.voie) {
            case Voie::Coche:
            case Voie::CocheMoyenneSignal:
                Coche(c.rang);
                break;
            case Voie::Curseur:
                QTest::keyClick(f().scrHarmonic[c.rang], Qt::Key_Up);
                break;
            case Voie::Calculer:
                QTest::mouseClick(f().cmdCalculer, Qt::LeftButton);
                break;
            case Voie::DoubleClic:
                QTest::mouseDClick(f().txtHarmonic[c.rang], Qt::LeftButton);
                break;
            }
            const int valeur = f().scrHarmonic[c.rang]->Valeur();
            for (int n = 0; n <= 10; ++n)
                EXPECT_EQ(f().txtHarmonic[n]->text(),
                          QString::number(f().scrHarmonic[n]->Valeur()));
            EXPECT_EQ(etat().Validation[c.rang], f().chkHarmonic[c.rang]->isChecked() ? 1 : 0);
            // Nothing was computed from the unreadable text: the column is the old one or the
            // slider's own value.
            const float attendu = c.rang == 0 ? valeur : valeur * std::sin(0.5 * M_PI);
            EXPECT_TRUE(etat().Harmonique[25][c.rang] == avant ||
                        std::abs(etat().Harmonique[25][c.rang] - attendu) < 1e-4)
                << etat().Harmonique[25][c.rang];
            // The window still computes: ticking again takes the slider's value.
            if (f().chkHarmonic[c.rang]->isChecked()) Coche(c.rang);
            Coche(c.rang);
            if (c.voie == Voie::Calculer) QTest::mouseClick(f().cmdCalculer, Qt::LeftButton);
            EXPECT_NEAR(etat().Harmonique[25][c.rang], attendu, 1e-4);
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
