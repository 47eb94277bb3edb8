#include "calcul/Etat.h"

#include "calcul/Nombres.h"

#include <cmath>

namespace Calcul_Graphe {

void InitialiseConstantes(Etat& etat) {
    etat.Pi = VersSimple(4.0 * std::atan(1.0));
    etat.RangMax = 100;
    etat.OrigineX = 290;
    etat.OrigineY = 2240;
    etat.LargeurPeriode = 6800;
    etat.CalculAutoInhibe = Faux;
    for (int i = 0; i < NombrePoints; ++i)
        etat.Abscisse[i] = VersEntier16(static_cast<double>(etat.LargeurPeriode) / 100.0 * i);
}

} // namespace Calcul_Graphe
