// What screen readers are told of the main window: a short name for every control (its caption
// where it has one, otherwise the rank or the quantity it holds) and, as its description, the
// help panel's text for it. The sliders tell the value they show, the help panel is a window.
#pragma once

#include "ui/FrmOndalisDesign.h"

#include <QString>

class FrmOndalis;
class QWidget;

namespace Calcul_Graphe {

// The short name and the description of a control of the design.
QString NomAccessible(const DessinOndalis::Controle& c);
QString DescriptionAccessible(const DessinOndalis::Controle& c);
// Gives them to its widget.
void DecritControle(QWidget& w, const DessinOndalis::Controle& c);

// Once the signal list is filled: the menu bar and the list's popup are named, each signal
// picture is named after its signal, imgSignal after the signal chosen, and an amplitude box's
// help follows the lock of its slider.
void SuitLesChangements(FrmOndalis& f);

// The interfaces of the program's own widgets; once per run, before the first is made.
void InstalleAccessibiliteFenetres();

} // namespace Calcul_Graphe
