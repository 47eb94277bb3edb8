// Handlers of the manual adjustment: sliders, amplitude texts, validation boxes, automatic
// calculation, "Calculer et Tracer" and "RAZ".
#include "ui/FrmOndalis.h"

#include "app/Ondalis.h"
#include "graphe/TraceGraphes.h"
#include "ui/Adaptateurs.h"
#include "ui/FrmAide.h"
#include "ui/RoutinesOndalis.h"
#include "ui/TextesAide.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

using namespace Calcul_Graphe;

namespace {
bool EstCochee(const QCheckBox* boite) {
    return boite->checkState() == Qt::Checked;
}
} // namespace

void FrmOndalis::chkHarmonic_Click(std::int16_t Index) {
    Etat& etat = app_.etat();
    const bool coche = EstCochee(chkHarmonic[Index]);
    if (etat.ModeChoixSignal != Faux) {
        if (coche) {
            ValideHarmonique(app_, Index);
            // The mean value comes from its slider; ranks 1 to 10 keep the signal's columns.
            if (Index == 0) CalculeHarmoniqueReglee(app_, 0);
            TraceHarmonique(etat, app_.graphes(), Index);
        } else {
            DevalideHarmonique(app_, Index);
            RetraceHarmoniques(etat, app_.graphes());
        }
    } else if (etat.CalculAutoInhibe != Faux) {
        if (coche)
            ValideHarmonique(app_, Index);
        else
            DevalideHarmonique(app_, Index);
    } else if (coche) {
        ValideHarmonique(app_, Index);
        CalculeHarmoniqueReglee(app_, Index);
        TraceHarmonique(etat, app_.graphes(), Index);
    } else {
        DevalideHarmonique(app_, Index);
        RetraceHarmoniques(etat, app_.graphes());
    }
}

void FrmOndalis::scrHarmonic_Change(std::int16_t Index) {
    Etat& etat = app_.etat();
    txtHarmonic[Index]->setText(TexteEntier(scrHarmonic[Index]->Valeur()));
    if (etat.CalculAutoInhibe != Faux || etat.RAZEnCours != Faux) return;
    app_.frmAide().DefinitInfo(TexteCurseur(Index));
    if (EstCochee(chkHarmonic[Index])) {
        CalculeHarmoniqueReglee(app_, Index);
        RetraceHarmoniques(etat, app_.graphes());
    }
}

void FrmOndalis::scrHarmonic_Scroll(std::int16_t Index) {
    if (app_.etat().RAZEnCours != Faux) return;
    txtHarmonic[Index]->setText(TexteEntier(scrHarmonic[Index]->ValeurDefilement()));
    app_.frmAide().DefinitInfo(TexteCurseur(Index));
}

void FrmOndalis::txtHarmonic_Click(std::int16_t Index) {
    // The arrow keys then move the slider; a locked slider sends the user to the signal list.
    if (scrHarmonic[Index]->isEnabled())
        scrHarmonic[Index]->setFocus();
    else
        cboChoixSignal->setFocus();
}

void FrmOndalis::txtHarmonic_DblClick(std::int16_t Index) {
    scrHarmonic[Index]->DefinitValeur(0);
    txtHarmonic[Index]->setText(QStringLiteral("0"));
}

void FrmOndalis::chkNoAuto_Click() {
    const bool inhibe = EstCochee(chkNoAuto);
    app_.etat().CalculAutoInhibe = inhibe ? Vrai : Faux;
    cmdCalculer->setVisible(inhibe);
}

void FrmOndalis::cmdCalculer_Click() {
    Etat& etat = app_.etat();
    // A counter of its own: the routines below use the shared one.
    for (std::int16_t rang = 0; rang < NombreRangs; ++rang) {
        if (EstCochee(chkHarmonic[rang])) {
            CalculeHarmoniqueReglee(app_, rang);
            TraceHarmonique(etat, app_.graphes(), rang);
        } else {
            RetraceHarmoniques(etat, app_.graphes());
        }
    }
}

void FrmOndalis::RecopieCurseurs() {
    for (std::size_t n = 0; n < scrHarmonic.size(); ++n)
        txtHarmonic[n]->setText(TexteEntier(scrHarmonic[n]->Valeur()));
}

void FrmOndalis::cmdRAZ_Click() {
    RAZComplete(app_);
}
