// Routines of Calcul_Graphe that read and write the main window's controls: the coefficient
// table of the chosen signal, the resets, the manual-mode validation of a rank, and the
// messages the window shows. They reach the state and the surfaces through the window.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class FrmOndalis;

namespace Calcul_Graphe {

// The decimal separator of the user's locale, used to write and read every number text.
char SeparateurDecimal();
// A whole number as the program writes it in its texts.
QString TexteEntier(int valeur);

// RapportCyclique from the duty-cycle text, then the coefficients of the chosen signal into
// TxtAn, txtBn, txtCn, txtPhin, Harmonique and SommeRangsSup. The sawtooth first sets, ticks
// and locks the mean-value controls. Errors (unreadable text, a formula that fails) go up.
void CalculeSignalChoisi(FrmOndalis& f);

// Every slider to 0, every validation and tick cleared, under RAZEnCours. Surfaces untouched.
void RAZHarmoniques(FrmOndalis& f);
// Both graph surfaces bare; the tables stay.
void EffaceGraphes(FrmOndalis& f);
void RAZComplete(FrmOndalis& f);

// Column n of Harmonique from the amplitude text of rank n. Nothing is drawn.
void CalculeHarmoniqueReglee(FrmOndalis& f, std::int16_t n);
void ValideHarmonique(FrmOndalis& f, std::int16_t n);
void DevalideHarmonique(FrmOndalis& f, std::int16_t n);

// A message box of the program: its title, the OK button alone, no icon.
void Avertit(FrmOndalis& f, const QString& texte);
// The line that names the decimal separator a number text must use.
QString TexteSeparateurDecimal();

// Runs `calcul`; a calculation error ends it with the duty-cycle message: the calculations
// started from the signal list, the duty-cycle button and the higher ranks report alike.
void CalculeOuSignaleErreur(FrmOndalis& f, const std::function<void()>& calcul);
// The duty-cycle message, then the focus back into the duty-cycle box: the one reaction to
// an error of a calculation started from the main window.
void SignaleErreurRapportCyclique(FrmOndalis& f);

} // namespace Calcul_Graphe
