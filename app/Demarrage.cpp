#include "app/Demarrage.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>

namespace Calcul_Graphe {

namespace {

QStringList ArgumentsDonnes;
// Messages Qt writes while it opens the display, as it would print them, held back: if the
// display cannot be opened, the user reads one French sentence instead of Qt's English lines.
QStringList MessagesRetenus;
// The same, bare: the reason the plugins give when none could be loaded.
QStringList RaisonsPlateforme;
bool XMuet = false;
QtMessageHandler GestionnaireHabituel = nullptr;

[[noreturn]] void Abandonne(const QString& texte) {
    std::fputs(texte.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    // Qt would abort right after its fatal message; the process ends here with a plain failure.
    std::_Exit(EXIT_FAILURE);
}

QString AffichageInaccessible() {
    const QString affichage = qEnvironmentVariable("DISPLAY");
    return QStringLiteral("ondalis : aucun affichage graphique accessible (%1).\n"
                          "Lancer le programme dans une session graphique, ou sous Xvfb :\n"
                          "  xvfb-run -a ondalis\n")
        .arg(affichage.isEmpty()
                 ? QStringLiteral("DISPLAY n'est pas défini")
                 : QStringLiteral("l'affichage « %1 » ne répond pas").arg(affichage));
}

QString PlateformeChoisie() {
    const qsizetype i = std::max(ArgumentsDonnes.lastIndexOf(QStringLiteral("-platform")),
                                 ArgumentsDonnes.lastIndexOf(QStringLiteral("--platform")));
    if (i > 0 && i + 1 < ArgumentsDonnes.size()) return ArgumentsDonnes.at(i + 1);
    return qEnvironmentVariable("QT_QPA_PLATFORM");
}

QString ModuleIntrouvable(const QString& fatal) {
    const QString choix = PlateformeChoisie();
    QString texte =
        QStringLiteral("ondalis : le module d'affichage %1de Qt n'a pas pu être chargé.\n")
            .arg(choix.isEmpty() ? QString() : "« " + choix + " » ");
    // Qt's own words, plugin by plugin, then its list of the plugins it found.
    QStringList raisons = RaisonsPlateforme;
    const QString disponibles = fatal.trimmed().section(u'\n', -1).trimmed();
    if (!disponibles.isEmpty()) raisons << disponibles;
    if (!raisons.isEmpty()) texte += "Raison donnée par Qt :\n  " + raisons.join("\n  ") + "\n";
    return texte + QStringLiteral("Choisir un autre module avec -platform NOM, ou lancer le "
                                  "programme sans choisir de module.\n");
}

void GardeOuverture(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (type == QtFatalMsg) {
        // The command line is read before the display is blamed: a mistyped option is the
        // first thing to mend. Qt's own options are known here too, since Qt has not taken them.
        QCommandLineParser analyseur;
        analyseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const char* nom :
             {"h", "help", "v", "version", "reverse", "widgetcount", "nograb", "dograb", "sync"})
            analyseur.addOption(QCommandLineOption(QString::fromLatin1(nom)));
        for (const char* nom :
             {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
              "qwindowicon", "qwindowtitle", "session", "display", "geometry", "title", "name",
              "visual", "style", "stylesheet", "qmljsdebugger"})
            analyseur.addOption(
                QCommandLineOption(QString::fromLatin1(nom), {}, QStringLiteral("x")));
        analyseur.parse(ArgumentsDonnes);
        if (RefuseArgumentInconnu(analyseur, false)) std::_Exit(EXIT_FAILURE);
        Abandonne(XMuet ? AffichageInaccessible() : ModuleIntrouvable(message));
    }
    RaisonsPlateforme << message;
    // The X plugin's only complaint before a failure: the server is missing or silent.
    if (contexte.category && std::strcmp(contexte.category, "qt.qpa.xcb") == 0) XMuet = true;
    MessagesRetenus << qFormatLogMessage(type, contexte, message);
}

} // namespace

void ProtegeDescripteurs() {
    for (int descripteur = 0; descripteur <= 2; ++descripteur)
        if (fcntl(descripteur, F_GETFD) == -1 && errno == EBADF)
            // The lowest free descriptor is this one: the ones below it are open by now.
            open("/dev/null", O_RDWR);
}

std::vector<char*> ArgumentsAvecPlateforme(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    const bool choisie =
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        std::any_of(arguments.begin(), arguments.end(), [](const char* a) {
            return std::strcmp(a, "-platform") == 0 || std::strcmp(a, "--platform") == 0;
        });
    static char option[] = "-platform";
    static char xPuisWayland[] = "xcb;wayland";
    static char wayland[] = "wayland";
    // Qt itself looks for Wayland only where XDG_SESSION_TYPE says so, which a compositor
    // started from a console does not.
    char* plateformes = qEnvironmentVariableIsEmpty("DISPLAY") ? nullptr : xPuisWayland;
    if (!plateformes && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) plateformes = wayland;
    if (!choisie && plateformes)
        arguments.insert(arguments.begin() + std::min(argc, 1), {option, plateformes});
    arguments.push_back(nullptr);
    return arguments;
}

void SurveilleOuverture(const QStringList& arguments) {
    ArgumentsDonnes = arguments;
    GestionnaireHabituel = qInstallMessageHandler(GardeOuverture);
}

void TermineOuverture() {
    qInstallMessageHandler(GestionnaireHabituel);
    for (const QString& message : std::as_const(MessagesRetenus))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    MessagesRetenus.clear();
}

bool RefuseArgumentInconnu(const QCommandLineParser& analyseur, bool positionnels) {
    const QStringList options = analyseur.unknownOptionNames();
    QString refus;
    if (!options.isEmpty())
        refus = (options.constFirst().size() == 1 ? "-" : "--") + options.constFirst();
    else if (positionnels && analyseur.positionalArguments().size() > 1)
        refus = analyseur.positionalArguments().at(1);
    else
        return false;
    std::fprintf(stderr, "ondalis : argument %s « %s ».\nVoir « ondalis --help ».\n",
                 options.isEmpty() ? "en trop" : "inconnu", qPrintable(refus));
    return true;
}

} // namespace Calcul_Graphe
