// The program's command line, run as a separate process: help and version without a display,
// a missing or silent display or a platform plugin that cannot load refused with a French
// sentence and exit code 1 (never an abort), an unknown option refused first, Qt's own options
// and QT_QPA_PLATFORM let through to Qt.
#include "OndalisVersion.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// A display number nothing listens on.
QString AffichageMuet() {
    int n = 4242;
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
           QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
        ++n;
    return QStringLiteral(":%1").arg(n);
}

QProcessEnvironment Environnement(const QString& affichage, const QString& plateforme) {
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"})
        environnement.remove(QString::fromLatin1(variable));
    if (!affichage.isEmpty()) environnement.insert(QStringLiteral("DISPLAY"), affichage);
    if (!plateforme.isEmpty()) environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), plateforme);
    // Qt's own start-up chatter is not the program's output.
    environnement.insert(QStringLiteral("XDG_RUNTIME_DIR"), QDir::tempPath());
    return environnement;
}

const QString Version = QStringLiteral("Ondalis " ONDALIS_VERSION "\n");
const QString SansAffichage =
    QStringLiteral("ondalis : aucun affichage graphique accessible (DISPLAY n'est pas défini).\n"
                   "Lancer le programme dans une session graphique, ou sous Xvfb :\n"
                   "  xvfb-run -a ondalis\n");
const QString Aide = QStringLiteral("Usage : ondalis [options] [leçon.ondalis]\n");
const QString Module =
    QStringLiteral("ondalis : le module d'affichage « %1 » de Qt n'a pas pu être chargé.\n"
                   "Raison donnée par Qt :\n  ");

} // namespace

TEST(LigneDeCommande, ChaqueLancementDonneSaSortieEtSonCode) {
    const QString muet = AffichageMuet();
    const QString inconnu = "argument inconnu « %1 »";
    // DISPLAY and QT_QPA_PLATFORM ("": none), exit code, the start of standard output and a
    // part of standard error ("": nothing at all on that channel).
    // clang-format off
    const struct { const char* nom; QStringList arguments; QString affichage, plateforme; int code;
                   QString sortie, erreur; } lancements[] = {
        {"aide", {"--help"}, "", "", 0, Aide, ""},
        {"aide avec un affichage muet", {"-h"}, muet, "", 0, Aide, ""},
        {"version", {"-v"}, "", "", 0, Version, ""},
        // A Qt option whose letters include h must not be read as -h.
        {"version après -stylesheet", {"-stylesheet", "x.qss", "--version"}, "", "", 0, Version, ""},
        {"sans affichage", {}, "", "", 1, "", SansAffichage},
        {"affichage muet", {}, muet, "", 1, "", "(l'affichage « " + muet + " » ne répond pas).\n"},
        // The command line first: the display is not blamed for a mistyped option.
        {"argument inconnu sans affichage", {"--bogus"}, "", "", 1, "", inconnu.arg("--bogus")},
        {"argument inconnu, affichage muet", {"-bogus"}, muet, "", 1, "", inconnu.arg("--bogus")},
        // A plugin missing, or one that cannot reach its server, is named with Qt's reason.
        {"module introuvable", {"-platform", "bogus"}, "", "", 1, "", Module.arg("bogus")},
        {"module wayland sans serveur", {}, muet, "wayland", 1, "", Module.arg("wayland")},
        // Refused once Qt has taken its own arguments: -platform and QT_QPA_PLATFORM got through.
        {"-platform sans affichage", {"-platform", "offscreen", "--inconnue"}, "", "", 1, "", inconnu.arg("--inconnue")},
        {"QT_QPA_PLATFORM sans affichage", {"-x"}, "", "offscreen", 1, "", inconnu.arg("-x")},
        // One lesson opens at start; a second is refused before any window opens.
        {"deux leçons", {"a.ondalis", "b.ondalis"}, "", "offscreen", 1, "", "argument en trop « b.ondalis »"},
    };
    // clang-format on
    for (const auto& l : lancements) {
        SCOPED_TRACE(l.nom);
        QProcess p;
        p.setProcessEnvironment(Environnement(l.affichage, l.plateforme));
        p.start(QStringLiteral(ONDALIS_BINAIRE), l.arguments);
        p.waitForFinished(60000);
        const QString sortie = p.readAllStandardOutput(), erreur = p.readAllStandardError();
        EXPECT_TRUE(p.exitStatus() == QProcess::NormalExit && p.exitCode() == l.code);
        EXPECT_TRUE(l.sortie.isEmpty() ? sortie.isEmpty() : sortie.startsWith(l.sortie))
            << sortie.toStdString();
        // Qt's English lines never reach the user in place of the French sentence.
        EXPECT_TRUE(l.erreur.isEmpty() ? erreur.isEmpty()
                                       : erreur.contains(l.erreur) && !erreur.contains("qt.qpa"))
            << erreur.toStdString();
    }
}

// Qt's messages are held back only while the display opens: a warning once the windows show
// (the offscreen platform warns when a window is raised) reaches standard error.
TEST(LigneDeCommande, LesMessagesDeQtApresLeDemarrageSontEcrits) {
    QProcess processus;
    processus.setProcessEnvironment(Environnement("", "offscreen"));
    processus.start(QStringLiteral(ONDALIS_BINAIRE));
    QByteArray erreur;
    for (int i = 0; i < 100 && !erreur.contains("This plugin does not support"); ++i) {
        processus.waitForReadyRead(100);
        erreur += processus.readAllStandardError();
    }
    processus.kill();
    processus.waitForFinished();
    EXPECT_TRUE(erreur.contains("This plugin does not support")) << erreur.toStdString();
}
