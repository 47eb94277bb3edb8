// Lessons: saved and opened again to the same controls and pixels; bad files refused with their
// reason and nothing changed; a failed save keeps the earlier file; the menus and their dialogs.
#include "output/Lecon.h"
#include "test_comportement_commun.h"

#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("(absent)");
}

void Ecrit(const QString& chemin, const QByteArray& contenu) {
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write(contenu);
}

QString Absolu(const QString& chemin) {
    return QFileInfo(chemin).absoluteFilePath();
}

// A lesson from its amplitudes, ticked ranks and switch.
Lecon FaitLecon(std::array<int, NombreRangs> amplitudes, std::initializer_list<int> coches,
                bool inhibe) {
    Lecon l{amplitudes, {}, inhibe};
    for (const int rang : coches)
        l.validations[rang] = true;
    return l;
}

const Lecon Limites = FaitLecon({100, -100, 100, -100, 100, -100, 100, -100, 100, -100, 100},
                                {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, false);
const Lecon Melangee =
    FaitLecon({-100, 37, 0, -5, 100, 0, 0, 64, 0, -1, -100}, {0, 3, 4, 9, 10}, true);
const Lecon SansRang = FaitLecon({0, 100, 0, 0, 0, 0, 0, 0, 0, 0, -100}, {}, true);

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
    // Everything a lesson puts back, the pixels of both graphs included (the columns of ranks
    // left unvalidated are never shown: they are left out).
    auto Etat() {
        const auto [textes, coches, validation, colonnes, harmonic, signal] = Photographie();
        return std::tuple{textes, coches, validation, harmonic, signal,
                          f().cmdCalculer->isVisible(), etat().CalculAutoInhibe};
    }
    // Answers the message box and returns its text ("" when none came).
    QString Message(const std::function<void()>& action) {
        BoiteModale boite(RepondOk, 2000);
        action();
        return boite.texte();
    }
    QTemporaryDir dossier;
    QString Chemin(const QString& nom) { return dossier.filePath(nom); }
};

} // namespace

TEST_F(Lecons, UneLeconEnregistreeSeRouvreALIdentiqueJusquAuxPixels) {
    const Lecon lecons[] = {Limites, Melangee, SansRang};
    for (const Lecon& l : lecons) {
        SCOPED_TRACE(testing::PrintToString(l.amplitudes));
        Affiche(l);
        ASSERT_TRUE(f().LeconAffichee() == l);
        const auto avant = Etat();
        ASSERT_TRUE(f().EnregistreLecon(Chemin("l.ondalis")));
        // Something else on screen first, so that only the file can bring the lesson back.
        Affiche(l == Limites ? Melangee : Limites);
        ASSERT_TRUE(f().OuvreLecon(Chemin("l.ondalis")));
        EXPECT_TRUE(Etat() == avant);
        EXPECT_EQ(f().txtHarmonic[1]->text(), QString::number(l.amplitudes[1]));
        // Drawn from the file, automatic calculation off or not.
        EXPECT_EQ(harmoniques().Traits().empty(), l == SansRang);
    }
}

TEST_F(Lecons, UnFichierQuiNEstPasUneLeconEstRefuseAvecSaRaisonSansRienChanger) {
    const QString valide = QString::fromUtf8(TexteLecon(Melangee));
    const auto remplace = [&](const QString& de, const QString& par) {
        QString t = valide;
        EXPECT_TRUE(t.contains(de)) << de.toStdString();
        return t.replace(de, par).toUtf8();
    };
    struct Cas {
        const char* nom;
        QByteArray contenu; // written to the file unless the row names another path
        QString chemin;
        QString raison;
    };
    const QString amplitude3 = "\"harmonique3\": { \"amplitude\": -5";
    const QString enTrop = "Le fichier est bien trop gros pour une leçon (plus de 64 Kio).";
    std::vector<Cas> table = {
        {"pas du JSON", "Bonjour", {}, "Ce n'est pas du texte JSON valide (ligne 1)."},
        {"erreur ligne 3", remplace("\"version\": 1,", "\"version\": 1;"), {},
         "Ce n'est pas du texte JSON valide (ligne 3)."},
        {"UTF-8 invalide", remplace("\"version\": 1", "\"version\": \xff"), {},
         "Ce n'est pas du texte JSON valide (ligne 3)."},
        {"autre format", "{\"format\": \"svg\", \"version\": 1}", {},
         "Ce n'est pas une leçon d'Ondalis (format « ondalis-lecon » attendu)."},
        {"tableau", "[1, 2]", {}, "Ce n'est pas une leçon d'Ondalis (format « ondalis-lecon » attendu)."},
        {"version suivante", remplace("\"version\": 1", "\"version\": 2"), {},
         "La leçon vient d'une version plus récente d'Ondalis (format 2 ; celle-ci lit le format 1)."},
        {"version en texte", remplace("\"version\": 1", "\"version\": \"1\""), {},
         "Le champ « version » doit être un nombre entier positif."},
        {"rang manquant", remplace("\"harmonique7\"", "\"harmonique 7\""), {},
         "Le champ « harmonique7 » manque."},
        {"validation manquante", remplace(", \"validation\": true }", " }"), {},
         "Le champ « valeurMoyenne.validation » manque."},
        {"champ en trop", remplace("\"version\": 1,", "\"version\": 1, \"auteur\": \"moi\","), {},
         "Le champ « auteur » est inconnu."},
        {"sous-champ en trop", remplace(amplitude3, amplitude3 + ", \"phase\": 0"), {},
         "Le champ « harmonique3.phase » est inconnu."},
        {"amplitude en texte", remplace(amplitude3, "\"harmonique3\": { \"amplitude\": \"-5\""), {},
         "Le champ « harmonique3.amplitude » doit être un nombre entier."},
        {"amplitude décimale", remplace(amplitude3, "\"harmonique3\": { \"amplitude\": -5.5"), {},
         "Le champ « harmonique3.amplitude » doit être un nombre entier."},
        {"amplitude au-delà", remplace(amplitude3, "\"harmonique3\": { \"amplitude\": 101"), {},
         "Le champ « harmonique3.amplitude » vaut 101 : il doit être compris entre -100 et 100."},
        {"amplitude en deçà", remplace(amplitude3, "\"harmonique3\": { \"amplitude\": -1e9"), {},
         "Le champ « harmonique3.amplitude » vaut -1000000000 : il doit être compris entre -100 "
         "et 100."},
        {"validation en nombre", remplace("\"validation\": true }", "\"validation\": 1 }"), {},
         "Le champ « valeurMoyenne.validation » doit valoir true ou false."},
        {"rang en nombre", remplace("\"fondamental\": {", "\"fondamental\": 4, \"x\": {"), {},
         "Le champ « fondamental » doit être un objet { \"amplitude\": …, \"validation\": … }."},
        {"interrupteur absent", remplace(",\n    \"calculAutomatiqueDesactive\": true", ""), {},
         "Le champ « calculAutomatiqueDesactive » manque."},
        {"tronqué", valide.left(valide.size() / 2).toUtf8(), {},
         "Le fichier s'arrête avant la fin de la leçon : il est tronqué."},
        {"vide", "", {}, "Le fichier est vide."},
        {"blancs", " \n\t\n", {}, "Le fichier est vide."},
        {"énorme", QByteArray(TailleLeconMax, ' ') + valide.toUtf8(), {}, enTrop},
        {"dossier", {}, dossier.path(), "C'est un dossier, pas un fichier."},
        {"absent", {}, Chemin("absent.ondalis"), "Le fichier n'existe pas."},
        {"périphérique", {}, "/dev/zero", "Ce n'est pas un fichier ordinaire."},
    };
    // Root reads any file: a refused reading exists for other users only.
    if (geteuid() != 0) table.push_back({"illisible", valide.toUtf8(), {}, "La lecture du fichier n'est pas permise."});
    Affiche(Melangee);
    const auto avant = Etat();
    for (const Cas& c : table) {
        SCOPED_TRACE(c.nom);
        QString chemin = c.chemin;
        if (chemin.isEmpty()) {
            chemin = Chemin(QString("%1.ondalis").arg(&c - table.data()));
            Ecrit(chemin, c.contenu);
            if (c.raison.startsWith("La lecture")) QFile::setPermissions(chemin, {});
        }
        bool ouverte = true;
        const QString texte = Message([&] { ouverte = f().OuvreLecon(chemin); });
        EXPECT_FALSE(ouverte);
        EXPECT_EQ(texte, "Impossible d'ouvrir la leçon « " + Absolu(chemin) + " ».\n" + c.raison);
        EXPECT_TRUE(Etat() == avant);
    }
}

TEST_F(Lecons, UnEnregistrementQuiEchoueLaisseLeFichierPrecedentIntact) {
    const QString chemin = Chemin("cours.ondalis");
    Affiche(Limites);
    ASSERT_TRUE(f().EnregistreLecon(chemin));
    const QByteArray ancien = Contenu(chemin);
    Affiche(Melangee);
    // A disk that fills up: the system refuses to grow any file beyond a few bytes.
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    const rlimit petite{64, limite.rlim_max};
    const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &petite);
    bool ecrite = true;
    const QString texte = Message([&] { ecrite = f().EnregistreLecon(chemin); });
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, ancienSignal);
    EXPECT_FALSE(ecrite);
    EXPECT_EQ(texte, "Impossible d'enregistrer la leçon « " + chemin +
                         " ».\nL'écriture a échoué (disque plein ?).");
    EXPECT_EQ(Contenu(chemin), ancien);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"cours.ondalis"});
    // Places that take no file.
    const std::pair<QString, QString> lieux[] = {
        {dossier.path(), "C'est un dossier, pas un fichier."},
        {Chemin("absent/cours.ondalis"), "Le fichier ne peut pas être créé à cet endroit."}};
    for (const auto& [lieu, raison] : lieux)
        EXPECT_EQ(Message([&] { f().EnregistreLecon(lieu); }),
                  "Impossible d'enregistrer la leçon « " + lieu + " ».\n" + raison);
}

TEST_F(Lecons, LesMenusOuvrentEtEnregistrentParLeursDialoguesEnModeManuelSeulement) {
    // The file dialog answered with a name; `suite` answers the box that may follow.
    const auto Dialogue = [&](QAction* entree, const QString& nom,
                              std::function<void(QWidget*)> suite = nullptr) {
        std::unique_ptr<BoiteModale> suivante;
        BoiteModale boite([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            if (!d) return RefuseTouteBoite(w);
            if (suite) suivante = std::make_unique<BoiteModale>(suite);
            d->selectFile(nom);
            static_cast<QDialog*>(d)->accept(); // through the dialog's own checks
        });
        entree->trigger();
        EXPECT_TRUE(boite.vue());
        QTest::qWait(50);
    };
    Affiche(Melangee);
    // Saved under the name typed, with the lesson's extension added.
    Dialogue(f().mnuEnregister, Chemin("cours"));
    EXPECT_EQ(LitLecon(Contenu(Chemin("cours.ondalis"))).lecon, Melangee);
    // That name again: the user is asked before the file is replaced; "No" keeps it.
    Affiche(Limites);
    Dialogue(f().mnuEnregister, Chemin("cours"), [](QWidget* w) {
        qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(LitLecon(Contenu(Chemin("cours.ondalis"))).lecon, Melangee);
    Dialogue(f().mnuOuvrir, Chemin("cours.ondalis"));
    EXPECT_EQ(f().LeconAffichee(), Melangee);
    // The signal mode offers neither entry, nor their shortcuts.
    ChoisitMode(1);
    EXPECT_FALSE(f().mnuOuvrir->isEnabled() || f().mnuEnregister->isEnabled());
    QTest::keyClick(&f(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&f(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ChoisitMode(0);
    EXPECT_TRUE(f().mnuOuvrir->isEnabled() && f().mnuEnregister->isEnabled());
}

TEST(LeconAuDemarrage, LaLeconNommeeSOuvreDesLeDemarrage) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("cours.ondalis");
    ASSERT_TRUE(EcritFichierLecon(chemin, Melangee).isEmpty());
    Ondalis app;
    app.Main(chemin);
    EXPECT_EQ(app.frmOndalis().LeconAffichee(), Melangee);
    EXPECT_TRUE(app.frmOndalis().isVisible() && app.etat().Validation[3] == 1);
}
