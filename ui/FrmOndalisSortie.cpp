// Output menu handlers of the main window: printing, clipboard copy and the About box.
#include "ui/FrmOndalis.h"

#include "app/Ondalis.h"
#include "ui/FrmAbout.h"

// PLACEHOLDER: printing and copying, until the graph surfaces can render.
void FrmOndalis::mnuImprimer_Click() {}
void FrmOndalis::mnuCopierHarmonic_Click() {}
void FrmOndalis::mnuCopierSignal_Click() {}

void FrmOndalis::mnuApropos_Click() {
    // Loaded on first use, then only brought forward: one window however often it is asked for.
    FrmAbout& apropos = app_.frmAbout();
    apropos.show();
    apropos.raise();
    apropos.activateWindow();
}
