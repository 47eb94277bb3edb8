#include "graphe/FrmGrapheSignal.h"

#include "graphe/AccessibiliteGraphes.h"
#include "graphe/FenetreGraphe.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/Icone.h"
#include "graphe/SurfaceGraphe.h"

using namespace Calcul_Graphe;

FrmGrapheSignal::FrmGrapheSignal(FrmGrapheHarmonic& harmonic, QWidget* parent) : QWidget(parent) {
    InstalleAccessibiliteGraphes(); // before the caption tells readers of this window
    setObjectName(QStringLiteral("frmGrapheSignal"));
    setWindowTitle(QStringLiteral("Signal reconstitué"));
    setWindowIcon(IconeProgramme());
    PrepareFenetreGraphe(*this);

    pctGrapheSignal = new SurfaceGraphe(this);
    pctGrapheSignal->setObjectName(QStringLiteral("pctGrapheSignal"));
    PlaceTwips(*pctGrapheSignal, 0, 0, 7695, 4575);
    pctGrapheSignal->setAccessibleName(NomGrapheSignal());
    DefinitDescriptionNue(*pctGrapheSignal, TexteSignalNonTrace());

    connect(pctGrapheSignal, &SurfaceGraphe::toucheEnfoncee, this,
            &FrmGrapheSignal::pctGrapheSignal_KeyDown);
    Form_Load(harmonic);
}

void FrmGrapheSignal::Form_Load(FrmGrapheHarmonic& harmonic) {
    // Same place and size as the harmonic surface, whatever the design said, and its frame.
    const SurfaceGraphe& modele = *harmonic.pctGrapheHarmonic;
    pctGrapheSignal->move(modele.x(), pctGrapheSignal->y());
    pctGrapheSignal->move(pctGrapheSignal->x(), modele.y());
    pctGrapheSignal->resize(pctGrapheSignal->width(), modele.height());
    pctGrapheSignal->resize(modele.width(), pctGrapheSignal->height());
    pctGrapheSignal->DefinitRepere(); // the frame of harmonic.pctRepere
}

void FrmGrapheSignal::pctGrapheSignal_KeyDown(int touche) {
    if (EstToucheDisposition(touche)) emit toucheF5();
}
