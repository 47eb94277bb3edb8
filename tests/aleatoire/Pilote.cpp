#include "aleatoire/Pilote.h"

#include "app/Ondalis.h"
#include "graphe/SurfaceGraphe.h"
#include "ui/CurseurVertical.h"
#include "ui/FrmOndalis.h"

#include <QAction>
#include <QApplication>
#include <algorithm>

Pilote::Pilote() {
    Redemarre();
}

Pilote::~Pilote() = default;

void Pilote::Redemarre() {
    app_.reset();
    app_ = std::make_unique<Ondalis>();
    app_->Main();
}

Calcul_Graphe::Etat& Pilote::etat() {
    return app_->etat();
}

QWidget* Pilote::principale() {
    return &app_->frmOndalis();
}

QList<QWidget*> Pilote::fenetresVisibles() {
    QList<QWidget*> fenetres;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty() && w->objectName().startsWith(u"frm"))
            fenetres << w;
    // Qt keeps its windows in a set whose order changes from run to run: a seed must not.
    std::sort(fenetres.begin(), fenetres.end(),
              [](const QWidget* a, const QWidget* b) { return a->objectName() < b->objectName(); });
    return fenetres;
}

QWidget* Pilote::controle(const QString& nom) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == nom) return w;
        if (auto* c = w->findChild<QWidget*>(nom)) return c;
    }
    return nullptr;
}

QAction* Pilote::entree(const QString& nom) {
    return principale()->findChild<QAction*>(nom);
}

int Pilote::valeurCurseur(const QScrollBar* curseur) {
    return static_cast<const CurseurVertical*>(curseur)->Valeur();
}

bool Pilote::signalNu() {
    return app_->graphes().signal->Traits().empty();
}
