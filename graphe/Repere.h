// The coordinate frame shown under both graphs: a 514 x 295 pixel picture (white, blue axes
// with arrowheads and ticks, black labels 0, T/2, T and t), drawn in code so that it renders
// sharply at any scale. At scale 1 every element lies on the pixels the graph coordinates rely
// on: the axis crossing is pixel (19, 149), i.e. twips (290, 2240).
#pragma once

#include <QImage>
#include <QSize>

class QPainter;

namespace Calcul_Graphe {

inline constexpr int LargeurRepere = 514;
inline constexpr int HauteurRepere = 295;

// Paints the frame (without its white background) in the painter's current coordinates, one
// unit per pixel of the picture: scale the painter to draw it larger.
void DessineRepere(QPainter& peintre);

// The frame on white, `taille` pixels (cropped or padded with white) at the device pixel
// ratio given: taille x ratio device pixels.
QImage ImageRepere(QSize taille = QSize(LargeurRepere, HauteurRepere), qreal ratio = 1.0);

} // namespace Calcul_Graphe
