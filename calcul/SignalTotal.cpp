#include "calcul/SignalTotal.h"

#include "calcul/Nombres.h"

#include <cstdlib>

namespace Calcul_Graphe {

void CalculeSignalTotal(Etat& etat) {
    etat.ValeurMax = 0;
    const bool rangsSup = etat.ModeChoixSignal != 0 && etat.RangsSupActifs != 0;
    for (int i = 0; i < NombrePoints; ++i) {
        std::int16_t somme = 0;
        if (rangsSup) somme = VersEntier16Borne(etat.SommeRangsSup[i]);
        for (int n = 0; n < NombreRangs; ++n) {
            const double terme = static_cast<double>(etat.Validation[n]) * etat.Harmonique[i][n];
            somme = VersEntier16Borne(terme + somme);
            if (std::abs(static_cast<int>(somme)) > std::abs(static_cast<int>(etat.ValeurMax)))
                etat.ValeurMax = somme;
        }
        etat.SignalTotal[i] = somme;
    }
}

} // namespace Calcul_Graphe
