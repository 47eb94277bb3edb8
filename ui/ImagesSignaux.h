// The three pictures of the predefined signals, drawn in code: 227 x 152 pixels, white
// background, black axes and text, red signal. Pixel positions are those of the bitmap at a
// ratio of 1; at a higher device pixel ratio the same picture is drawn sharper.
#pragma once

#include <QImage>

namespace Calcul_Graphe {

enum class FormeSignal { Rectangulaire, Triangle, DentsDeScie };

inline constexpr int LargeurImageSignal = 227;
inline constexpr int HauteurImageSignal = 152;

QImage DessineImageSignal(FormeSignal forme, qreal ratio = 1.0);

} // namespace Calcul_Graphe
