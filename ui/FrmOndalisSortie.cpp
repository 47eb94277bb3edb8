// PLACEHOLDER: output menu handlers, to be written.
#include "ui/FrmOndalis.h"

void FrmOndalis::mnuImprimer_Click() {}
void FrmOndalis::mnuCopierHarmonic_Click() {}
void FrmOndalis::mnuCopierSignal_Click() {}
void FrmOndalis::mnuApropos_Click() {}
