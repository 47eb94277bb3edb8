// The baseline of the start-up benchmark: a Qt program that shows one empty window, built
// with the same flags as the program and measured by the same test.
#include "app/MesureDemarrage.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget fenetre;
    fenetre.resize(320, 240);
    fenetre.show();
    Calcul_Graphe::MesureDemarrage::InstalleSiDemande();
    return QApplication::exec();
}
