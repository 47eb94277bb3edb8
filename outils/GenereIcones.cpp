// Writes the program icon into a hicolor theme tree: one PNG per size and the scalable SVG,
// all from the drawing the running program uses.
#include "graphe/Icone.h"

#include <QDir>
#include <QFile>
#include <cstdio>

using namespace Calcul_Graphe;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage : %s DOSSIER IDENTIFIANT\n", argv[0]);
        return 2;
    }
    const QString racine = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor/");
    const QString nom = QString::fromLocal8Bit(argv[2]);
    for (int taille : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dossier = racine + QStringLiteral("%1x%1/apps/").arg(taille);
        if (!QDir().mkpath(dossier) || !DessinIcone(taille).save(dossier + nom + ".png")) {
            std::fprintf(stderr, "impossible d'écrire %s\n", qPrintable(dossier + nom + ".png"));
            return 1;
        }
    }
    const QString dossier = racine + QStringLiteral("scalable/apps/");
    QFile svg(dossier + nom + ".svg");
    if (!QDir().mkpath(dossier) || !svg.open(QIODevice::WriteOnly) || svg.write(IconeSvg()) < 0) {
        std::fprintf(stderr, "impossible d'écrire %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
