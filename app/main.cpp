// Ondalis: rebuilds a periodic signal from its mean value and harmonics.
#include "OndalisVersion.h"
#include "app/Demarrage.h"
#include "app/Ondalis.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const char* const TexteAide =
    "Usage : ondalis [options] [leçon.ondalis]\n"
    "Recomposition harmonique : reconstitue un signal périodique à partir de sa valeur\n"
    "moyenne et de ses harmoniques de rang 1 à 10 (séries de Fourier).\n"
    "Une leçon nommée (fichier enregistré par « Fichier > Enregistrer ») s'ouvre au démarrage.\n"
    "\n"
    "Options :\n"
    "  -h, --help       Affiche cette aide et quitte.\n"
    "  -v, --version    Affiche la version et quitte.\n"
    "\n"
    "Les options de Qt sont aussi acceptées, par exemple :\n"
    "  -platform NOM    Système de fenêtrage (xcb, wayland, offscreen).\n"
    "  -style NOM       Style des fenêtres (Fusion, Windows).\n";

} // namespace

#ifdef ONDALIS_MESURE_DEMARRAGE
void InstalleMesureDemarrage(); // bench/demarrage/MesureDemarrage.cpp
#endif

int main(int argc, char** argv) {
    Calcul_Graphe::ProtegeDescripteurs();

    // --help and --version are answered before anything touches the display. Qt's own options
    // are still in argv here: read single-dash words whole so "-stylesheet" is no "-h".
    QCommandLineParser analyseur;
    analyseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption aide(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    analyseur.addOptions({aide, version});
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    analyseur.parse(arguments);
    if (analyseur.isSet(aide)) {
        std::fputs(TexteAide, stdout);
        return EXIT_SUCCESS;
    }
    if (analyseur.isSet(version)) {
        std::puts(ONDALIS_TITRE " " ONDALIS_VERSION);
        return EXIT_SUCCESS;
    }

    // Opening the display: no display, a silent one or a platform that cannot load ends with a
    // clear message and exit code 1 instead of Qt's abort; -platform and QT_QPA_PLATFORM are
    // honoured as usual.
    std::vector<char*> argumentsQt = Calcul_Graphe::ArgumentsAvecPlateforme(argc, argv);
    int nombreQt = static_cast<int>(argumentsQt.size()) - 1;
    Calcul_Graphe::SurveilleOuverture(arguments);
    QApplication application(nombreQt, argumentsQt.data());
    Calcul_Graphe::TermineOuverture();

    // Qt has taken its own options out of the arguments: whatever is left must be ours, and
    // one lesson at most.
    analyseur.parse(QApplication::arguments());
    if (Calcul_Graphe::RefuseArgumentInconnu(analyseur, true)) return EXIT_FAILURE;
    const QStringList lecons = analyseur.positionalArguments();

    QApplication::setApplicationName(QStringLiteral(ONDALIS_TITRE));
    QApplication::setApplicationVersion(QStringLiteral(ONDALIS_VERSION));
    // The window icon on Wayland, and the menu entry the desktop groups the windows under.
    QGuiApplication::setDesktopFileName(QStringLiteral(ONDALIS_ID));

    // Qt's own dialog buttons in French ("Annuler"), like the program's texts.
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

    Ondalis ondalis;
    ondalis.Main(lecons.value(0));
#ifdef ONDALIS_MESURE_DEMARRAGE
    InstalleMesureDemarrage(); // the benchmark build's start-up timing
#endif
    return QApplication::exec();
}
