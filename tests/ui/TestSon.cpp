// The menu "Son" in the window: the sound follows every redraw of the signal graph, and the
// frequency box keeps the frequency on any answer that is not a number from 20 to 2000.
#include "calcul/Nombres.h"
#include "output/SortieSon.h"
#include "test_comportement_commun.h"

namespace {

// What is heard once the current change is done.
const std::vector<Partiel>& Spectre(FrmOndalis& f) {
    QCoreApplication::processEvents();
    return f.son().Spectre();
}
// Its ranks up to 11.
QString Rangs(FrmOndalis& f) {
    QStringList rangs;
    for (const Partiel& p : Spectre(f))
        if (p.rang <= 11) rangs << QString::number(p.rang);
    return rangs.join(' ') + (Spectre(f).size() > 11 ? " ..." : "");
}

} // namespace

TEST_F(Comportement, LeSonSuitLeGrapheDuSignal) {
    // The manual mode is heard in tests/xvfb/son.sh.
    Prepare(0, "50", {1, 3, 5});
    EXPECT_EQ(Rangs(f()), "1 3 5");
    f().chkHarmonicSup->click();
    EXPECT_EQ(Rangs(f()), "1 3 5 11 ...");
    Coche(3);
    EXPECT_EQ(Rangs(f()), "1 5 11 ...");
    ChoisitMode(0);
    ChoisitMode(1);
    EXPECT_EQ(Rangs(f()), "");
}

TEST_F(Comportement, FrequenceDuFondamentalLueOuGardee) {
    const QString refus = "La fréquence du fondamental doit être un nombre compris entre 20 et "
                          "2000 Hz.\nAttention le séparateur décimal est la virgule.";
    const struct {
        const char* reponse; // nullptr: the box is cancelled
        double frequence;    // after the answer
        bool message;
    } cas[] = {
        {"440", 440, false},    {"abc", 440, true},    {"19,99", 440, true},
        {"2000,5", 440, true},  {"27,5", 27.5, false}, {"27.5", 27.5, true},
        {nullptr, 27.5, false}, {"20", 20, false},     {"1e999", 20, true},
    };
    EXPECT_EQ(f().son().Frequence(), 220.0);
    for (const auto& c : cas) {
        SCOPED_TRACE(c.reponse ? c.reponse : "annulée");
        QString defaut;
        std::unique_ptr<BoiteModale> message; // watched for once the answer is given
        BoiteModale saisie([&](QWidget* boite) {
            auto* d = qobject_cast<QInputDialog*>(boite);
            ASSERT_NE(d, nullptr);
            defaut = d->textValue();
            if (!c.reponse) return d->reject();
            d->setTextValue(c.reponse);
            d->accept();
            if (c.message) message = std::make_unique<BoiteModale>(RepondOk);
        });
        const double avant = f().son().Frequence();
        f().mnuFrequence->trigger();
        EXPECT_EQ(LitNombre(defaut.toStdString(), ','), avant); // the box shows the frequency
        EXPECT_EQ(f().son().Frequence(), c.frequence);
        EXPECT_EQ(message ? message->texte() : "", c.message ? refus : "");
    }
}
