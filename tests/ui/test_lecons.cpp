// Lessons: saved and opened again to the same controls and pixels; bad files refused with their
// reason and nothing changed; a failed save keeps the earlier file; the lesson named at start.
#include "output/Lecon.h"
#include "test_comportement_commun.h"

#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("(absent)");
}

const Lecon Limites{{100, -100, 100, -100, 100, -100, 100, -100, 100, -100, 100},
                    {true, true, true, true, true, true, true, true, true, true, true},
                    false};
const Lecon Melangee{{-100, 37, 0, -5, 100, 0, 0, 64, 0, -1, -100},
                     {true, false, false, true, true, false, false, false, false, true, true},
                     true};
const Lecon SansRang{{0, 100, 0, 0, 0, 0, 0, 0, 0, 0, -100}, {}, true};

class Lecons : public Comportement {
protected:
    // The lesson built by hand: sliders set, then ranks ticked in order, then the switch.
    void Affiche(const Lecon& l) {
        f().cmdRAZ->click();
        if (f().chkNoAuto->isChecked()) f().chkNoAuto->click();
        for (int rang = 0; rang < NombreRangs; ++rang)
            Regle(rang, l.amplitudes[rang]);
        for (int rang = 0; rang < NombreRangs; ++rang)
            if (l.validations[rang]) Coche(rang);
        if (l.calculAutoInhibe) f().chkNoAuto->click();
    }
    // What a lesson puts back, pixels included; columns of unvalidated ranks never show.
    auto Etat() {
        const auto [textes, coches, validation, colonnes, harmonic, signal] = Photographie();
        return std::tuple{textes, coches, validation, harmonic, signal, etat().CalculAutoInhibe};
    }
    QTemporaryDir dossier;
    QString Chemin(const QString& nom) { return dossier.filePath(nom); }
};

} // namespace

TEST_F(Lecons, UneLeconEnregistreeSeRouvreALIdentiqueJusquAuxPixels) {
    for (const Lecon& l : {Limites, Melangee, SansRang}) {
        SCOPED_TRACE(testing::PrintToString(l.amplitudes));
        Affiche(l);
        const auto avant = Etat();
        ASSERT_TRUE(f().EnregistreLecon(Chemin("l.ondalis")));
        Affiche(l == Limites ? Melangee : Limites); // only the file can bring the lesson back
        ASSERT_TRUE(f().OuvreLecon(Chemin("l.ondalis")));
        EXPECT_TRUE(Etat() == avant && f().LeconAffichee() == l);
        EXPECT_EQ(harmoniques().Traits().empty(), l == SansRang); // drawn, auto off or not
    }
}

TEST_F(Lecons, UnFichierQuiNEstPasUneLeconEstRefuseAvecSaRaisonSansRienChanger) {
    const QByteArray valide = TexteLecon(Melangee);
    const auto remplace = [&](const char* de, const char* par) {
        return QByteArray(valide).replace(de, par);
    };
    const std::tuple<QByteArray, QString, const char*> table[] = {
        {remplace("\"version\": 1,", "\"version\": 1;"), {}, "pas du texte JSON valide (ligne 3)."},
        {"{\"format\": \"svg\", \"version\": 1}", {}, "pas une leçon d'Ondalis"},
        {remplace("\"version\": 1", "\"version\": 2"), {}, "version plus récente d'Ondalis"},
        {remplace("\"harmonique7\"", "\"harmonique 7\""), {}, "« harmonique7 » manque."},
        {remplace("\"version\": 1,", "\"version\": 1, \"x\": 0,"), {}, "« x » est inconnu"},
        {remplace("-5,", "\"-5\","), {}, "« harmonique3.amplitude » doit être un nombre entier"},
        {remplace("-5,", "101,"), {}, "vaut 101 : il doit être compris entre -100 et 100."},
        {valide.left(valide.size() / 2), {}, "Le fichier s'arrête avant la fin de la leçon"},
        {" \n", {}, "Le fichier est vide."},
        {QByteArray(TailleLeconMax, ' ') + valide, {}, "trop gros pour une leçon"},
        {{}, dossier.path(), "C'est un dossier, pas un fichier."},
        {{}, Chemin("absent.ondalis"), "Le fichier n'existe pas."},
        {{}, "/dev/zero", "Ce n'est pas un fichier ordinaire."},
    };
    Affiche(Melangee);
    const auto avant = Etat();
    for (const auto& [contenu, lieu, raison] : table) {
        SCOPED_TRACE(raison);
        const QString chemin = lieu.isEmpty() ? Chemin("mauvaise.ondalis") : lieu;
        if (lieu.isEmpty()) {
            QFile fichier(chemin);
            ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
            fichier.write(contenu);
        }
        BoiteModale boite(RepondOk);
        EXPECT_FALSE(f().OuvreLecon(chemin));
        const QString texte = boite.texte();
        EXPECT_TRUE(texte.startsWith("Impossible d'ouvrir la leçon « " + chemin + " ».\n") &&
                    texte.contains(QString::fromUtf8(raison)))
            << texte.toStdString();
        EXPECT_TRUE(Etat() == avant);
    }
}

TEST_F(Lecons, UnEnregistrementQuiEchoueLaisseLeFichierPrecedentIntact) {
    const QString chemin = Chemin("cours.ondalis");
    ASSERT_TRUE(f().EnregistreLecon(chemin));
    const QByteArray ancien = Contenu(chemin);
    Affiche(Melangee);
    // A disk that fills up: the system lets no file grow beyond a few bytes.
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    const rlimit petite{64, limite.rlim_max};
    const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &petite);
    AttendMessage([&] { EXPECT_FALSE(f().EnregistreLecon(chemin)); },
                  "Impossible d'enregistrer la leçon « " + chemin +
                      " ».\nL'écriture a échoué (disque plein ?).");
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, ancienSignal);
    EXPECT_EQ(Contenu(chemin), ancien);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"cours.ondalis"});
}

TEST(LeconAuDemarrage, LaLeconNommeeSOuvreDesLeDemarrage) {
    QTemporaryDir dossier;
    ASSERT_TRUE(EcritFichierLecon(dossier.filePath("c.ondalis"), Melangee).isEmpty());
    Ondalis app;
    app.Main(dossier.filePath("c.ondalis"));
    EXPECT_EQ(app.frmOndalis().LeconAffichee(), Melangee);
    EXPECT_TRUE(app.frmOndalis().isVisible() && app.etat().Validation[3] == 1);
}
