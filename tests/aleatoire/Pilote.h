// The one place where the random-use test reaches the program: it starts a run, finds the
// controls by their object names, and reads the shared state and the signal surface. The rest
// of the test knows only Qt widgets and these few readings.
#pragma once

#include "calcul/Etat.h"

#include <QList>
#include <QString>
#include <memory>

class Ondalis;
class QAction;
class QScrollBar;
class QWidget;

class Pilote {
public:
    Pilote();
    ~Pilote();
    Pilote(const Pilote&) = delete;
    Pilote& operator=(const Pilote&) = delete;

    // A new run, as when the program is started again after it ended.
    void Redemarre();

    Calcul_Graphe::Etat& etat();
    QWidget* principale();
    // The program's windows that are shown now.
    QList<QWidget*> fenetresVisibles();
    // A control or menu entry of any of the program's windows, by its object name.
    QWidget* controle(const QString& nom);
    QAction* entree(const QString& nom);
    // The value a slider shows (its top end is the greater value).
    static int valeurCurseur(const QScrollBar* curseur);
    // Whether the rebuilt-signal surface shows no curve.
    bool signalNu();

private:
    std::unique_ptr<Ondalis> app_;
};
