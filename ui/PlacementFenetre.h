// Placing a top-level window by its frame (title bar and borders included), before and after
// the window manager frames it.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>

#include <functional>

class QWidget;

namespace Calcul_Graphe {

// The frame's margins: the window's own once it is framed, otherwise those of a shown window
// of the same program (a window manager frames them alike), otherwise none.
QMargins MargesCadre(const QWidget& fenetre);

// The frame's outer size, from the margins above.
QSize TailleCadre(const QWidget& fenetre);

// Where a frame goes, given its outer size.
using RegleCadre = std::function<QPoint(QSize cadre)>;

// Puts the frame's top-left corner where the rule says. Asked before the window is first
// shown, the place counts as the program's own and the window manager keeps it. Once the real
// frame is known, the rule runs again if the frame's size or place is not the one it gave.
void PlaceCadre(QWidget& fenetre, RegleCadre regle);

// Runs the event loop until the window is on screen (its frame then known), at most delaiMs.
void AttendCadre(QWidget& fenetre, int delaiMs);

} // namespace Calcul_Graphe
