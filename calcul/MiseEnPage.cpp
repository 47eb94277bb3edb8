#include "calcul/MiseEnPage.h"

#include "calcul/Nombres.h"

#include <cmath>

namespace Calcul_Graphe {

std::optional<MiseEnPage> CalculeMiseEnPage(double largeurPage, double hauteurPage,
                                            int largeurDessin, int hauteurDessin) {
    if (largeurDessin <= 0 || hauteurDessin <= 0) return std::nullopt;
    MiseEnPage p;
    try {
        // Read as numbers, stored in single precision, then rounded.
        p.PH = VersEntier32(VersSimple(hauteurPage));
        p.PW = VersEntier32(VersSimple(largeurPage));
    } catch (const ErreurExecution&) {
        return std::nullopt;
    }
    if (p.PW < 1 || p.PH < 1) return std::nullopt;

    p.Wd = static_cast<std::int32_t>(std::floor(static_cast<double>(p.PW) * 0.9));
    p.Hd = static_cast<std::int32_t>(std::floor(static_cast<double>(p.PH) * 0.9));
    p.X = VersEntier32(static_cast<double>(p.PW - p.Wd) / 2.0);
    p.Y1 = VersEntier32(static_cast<double>(p.PH - p.Hd) / 2.0);
    p.R = static_cast<float>(static_cast<double>(p.PW) / largeurDessin);
    // A very tall drawing area on a very wide page would leave 32 bits.
    try {
        p.Hp = VersEntier32(static_cast<double>(hauteurDessin) * static_cast<double>(p.R));
    } catch (const ErreurExecution&) {
        return std::nullopt;
    }
    p.Y2 = VersEntier32(static_cast<double>(p.PH) / 2.0);
    return p;
}

} // namespace Calcul_Graphe
