// Handlers of the manual adjustment: sliders, amplitude texts, validation boxes, automatic
// calculation, "Calculer et Tracer" and "RAZ".
#include "ui/FrmOndalis.h"

#include "graphe/TraceGraphes.h"
#include "ui/CurseurVertical.h"
#include "ui/ZonesTexte.h"
#include "ui/FrmAide.h"
#include "ui/ServicesApplication.h"
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
    Etat& etat = etat_;
    const bool coche = EstCochee(chkHarmonic[Index]);
    if (etat.ModeChoixSignal != Faux) {
        if (coche) {
            ValideHarmonique(*this, Index);
            // The mean value comes from its slider; ranks 1 to 10 keep the signal's columns.
            if (Index == 0) CalculeHarmoniqueReglee(*this, 0);
            TraceHarmonique(etat, graphes_, Index);
        } else {
            DevalideHarmonique(*this, Index);
            RetraceHarmoniques(etat, graphes_);
        }
    } else if (etat.CalculAutoInhibe != Faux) {
        if (coche)
            ValideHarmonique(*this, Index);
        else
            DevalideHarmonique(*this, Index);
    } else if (coche) {
        ValideHarmonique(*this, Index);
        CalculeHarmoniqueReglee(*this, Index);
        TraceHarmonique(etat, graphes_, Index);
    } else {
        DevalideHarmonique(*this, Index);
        RetraceHarmoniques(etat, graphes_);
    }
}

void FrmOndalis::scrHarmonic_Change(std::int16_t Index) {
    Etat& etat = etat_;
    EcritAmplitude(static_cast<std::size_t>(Index));
    if (etat.CalculAutoInhibe != Faux || etat.RAZEnCours != Faux) return;
    services_.frmAide().DefinitInfo(TexteCurseur(Index));
    if (EstCochee(chkHarmonic[Index])) {
        CalculeHarmoniqueReglee(*this, Index);
        RetraceHarmoniques(etat, graphes_);
    }
}

void FrmOndalis::scrHarmonic_Scroll(std::int16_t Index) {
    if (etat_.RAZEnCours != Faux) return;
    txtHarmonic[Index]->setText(TexteEntier(scrHarmonic[Index]->ValeurDefilement()));
    services_.frmAide().DefinitInfo(TexteCurseur(Index));
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
    etat_.CalculAutoInhibe = inhibe ? Vrai : Faux;
    cmdCalculer->setVisible(inhibe);
}

void FrmOndalis::cmdCalculer_Click() {
    Etat& etat = etat_;
    for (std::int16_t rang = 0; rang < NombreRangs; ++rang) {
        if (EstCochee(chkHarmonic[rang])) {
            CalculeHarmoniqueReglee(*this, rang);
            TraceHarmonique(etat, graphes_, rang);
        } else {
            RetraceHarmoniques(etat, graphes_);
        }
    }
}

void FrmOndalis::EcritAmplitude(std::size_t n) {
    txtHarmonic[n]->setText(TexteEntier(scrHarmonic[n]->Valeur()));
}

void FrmOndalis::RecopieCurseurs() {
    for (std::size_t n = 0; n < scrHarmonic.size(); ++n)
        EcritAmplitude(n);
}

void FrmOndalis::cmdRAZ_Click() {
    RAZComplete(*this);
}
