// Ondalis: rebuilds a periodic signal from its mean value and harmonics.
#include "app/MesureDemarrage.h"
#include "app/Ondalis.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    // Without a display Qt would abort with a cryptic message: say what is missing instead.
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!x11 && !wayland && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "ondalis : aucun affichage graphique (DISPLAY n'est pas défini).\n"
                             "Lancer le programme dans une session graphique, ou sous Xvfb :\n"
                             "  xvfb-run -a ./build/ondalis\n");
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral(ONDALIS_TITRE));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(ONDALIS_VERSION_MAJEURE)
                                            .arg(ONDALIS_VERSION_MINEURE)
                                            .arg(ONDALIS_REVISION));

    // Qt's own dialog buttons in French ("Annuler"), like the program's texts.
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

    Ondalis ondalis;
    ondalis.Main();
    Calcul_Graphe::MesureDemarrage::InstalleSiDemande();
    return QApplication::exec();
}
