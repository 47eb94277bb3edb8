// The coordinate frame shown under both graphs: a 514 x 295 pixel picture (white, blue axes
// with arrowheads and ticks, black labels 0, T/2, T and t), drawn in code so that it renders
// sharply at any scale. At scale 1 every element lies on the pixels the graph coordinates rely
// on: the axis crossing is pixel (19, 149), i.e. twips (290, 2240).
#pragma once

class QPainter;

namespace Calcul_Graphe {

// Paints the frame (without its white background) in the painter's current coordinates, one
// unit per pixel of the picture: scale the painter to draw it larger.
void DessineRepere(QPainter& peintre);

} // namespace Calcul_Graphe
