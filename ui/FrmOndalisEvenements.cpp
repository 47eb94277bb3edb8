// PLACEHOLDER: handler bodies, to be written.
#include "ui/FrmOndalis.h"

void FrmOndalis::AfficheChoixSignal() {}
void FrmOndalis::optChoix_Click(std::int16_t) {}
void FrmOndalis::cboChoixSignal_Click() {}
void FrmOndalis::cmdRapportCyclique_Click() {}
void FrmOndalis::Timer1_Timer() {}
void FrmOndalis::chkHarmonic_Click(std::int16_t) {}
void FrmOndalis::scrHarmonic_Change(std::int16_t) {}
void FrmOndalis::scrHarmonic_Scroll(std::int16_t) {}
void FrmOndalis::txtHarmonic_Click(std::int16_t) {}
void FrmOndalis::txtHarmonic_DblClick(std::int16_t) {}
void FrmOndalis::chkNoAuto_Click() {}
void FrmOndalis::cmdCalculer_Click() {}
void FrmOndalis::cmdRAZ_Click() {}
void FrmOndalis::chkHarmonicSup_Click() {}
void FrmOndalis::mnuRang_Click() {}
void FrmOndalis::mnuOuvrir_Click() {}
void FrmOndalis::mnuEnregister_Click() {}
