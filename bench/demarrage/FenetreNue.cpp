// The baseline of the start-up benchmark: a Qt program that shows one window with a label and
// a button (so that, like the program, it loads a font), built with the same flags as the
// program and measured by the same test.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

void InstalleMesureDemarrage(); // MesureDemarrage.cpp

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget fenetre;
    auto* disposition = new QVBoxLayout(&fenetre);
    disposition->addWidget(new QLabel(QStringLiteral("Recomposition harmonique")));
    disposition->addWidget(new QPushButton(QStringLiteral("Ok")));
    fenetre.resize(320, 240);
    fenetre.show();
    InstalleMesureDemarrage();
    return QApplication::exec();
}
