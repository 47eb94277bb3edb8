#include "graphe/FrmGrapheHarmonic.h"

#include "graphe/AccessibiliteGraphes.h"
#include "graphe/FenetreGraphe.h"
#include "graphe/SurfaceGraphe.h"

using namespace Calcul_Graphe;

FrmGrapheHarmonic::FrmGrapheHarmonic(QWidget* parent) : QWidget(parent) {
    InstalleAccessibiliteGraphes(); // before the caption tells readers of this window
    setObjectName(QStringLiteral("frmGrapheHarmonic"));
    setWindowTitle(QStringLiteral("Graphe des Harmoniques sélectionnés"));
    PrepareFenetreGraphe(*this);

    pctGrapheHarmonic = new SurfaceGraphe(this);
    pctGrapheHarmonic->setObjectName(QStringLiteral("pctGrapheHarmonic"));
    PlaceTwips(*pctGrapheHarmonic, 0, 0, 7725, 4545);
    pctGrapheHarmonic->setAccessibleName(NomGrapheHarmonic());
    DefinitDescriptionNue(*pctGrapheHarmonic, TexteRangsValides({}));

    pctRepere = new SurfaceGraphe(pctGrapheHarmonic);
    pctRepere->setObjectName(QStringLiteral("pctRepere"));
    pctRepere->setAccessibleName(QStringLiteral("Repère"));
    PlaceTwips(*pctRepere, 360, 240, 1215, 855);
    pctRepere->DefinitRepere();
    pctRepere->setFocusPolicy(Qt::NoFocus);
    pctRepere->hide();

    connect(pctGrapheHarmonic, &SurfaceGraphe::toucheEnfoncee, this,
            &FrmGrapheHarmonic::pctGrapheHarmonic_KeyDown);
    Form_Load();
}

void FrmGrapheHarmonic::Form_Load() {
    pctRepere->resize(pctRepere->width(), pctGrapheHarmonic->height());
    pctRepere->resize(pctGrapheHarmonic->width(), pctRepere->height());
    pctGrapheHarmonic->DefinitRepere(); // the frame that pctRepere holds
}

void FrmGrapheHarmonic::pctGrapheHarmonic_KeyDown(int touche) {
    if (EstToucheDisposition(touche)) emit toucheF5();
}
