// Output menu handlers of the main window: printing, clipboard copy and the About box.
#include "ui/FrmOndalis.h"

#include "output/Sortie.h"
#include "ui/FrmAbout.h"
#include "ui/RoutinesOndalis.h"
#include "ui/ServicesApplication.h"

void FrmOndalis::mnuImprimer_Click() {
    if (!impression_) impression_ = std::make_unique<Calcul_Graphe::Impression>(this);
    if (impression_->Imprime(etat_, graphes_) != Calcul_Graphe::ResultatImpression::Echouee) return;
    // A page that never came out must not pass for printed.
    Calcul_Graphe::Avertit(*this, QStringLiteral("Impossible d'imprimer les graphes."));
}

void FrmOndalis::mnuCopierHarmonic_Click() {
    Calcul_Graphe::CopieGraphe(*graphes_.harmonic);
}

// Ctrl+X copies the signal graph: it cuts nothing.
void FrmOndalis::mnuCopierSignal_Click() {
    Calcul_Graphe::CopieGraphe(*graphes_.signal);
}

void FrmOndalis::mnuApropos_Click() {
    // Loaded on first use, then only brought forward: one window however often it is asked for.
    FrmAbout& apropos = services_.frmAbout();
    apropos.show();
    apropos.raise();
    apropos.activateWindow();
}
