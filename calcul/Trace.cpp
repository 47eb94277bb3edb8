#include "calcul/Trace.h"

#include "calcul/Nombres.h"

#include <cmath>
#include <cstdlib>

namespace Calcul_Graphe {

Rvb CouleurRang(std::int16_t n) {
    if (n < 0 || n > 10) return Palette[0];
    return Palette[n <= 6 ? n : n + 1];
}

std::int16_t FacteurHarmonique(std::int16_t origineY) {
    return VersEntier16Borne((50.0 - origineY) / 100.0);
}

std::int16_t FacteurSignal(std::int16_t valeurMax, std::int16_t origineY) {
    const int ampleur = std::abs(static_cast<int>(valeurMax));
    const double diviseur = ampleur > 100 ? ampleur : 100;
    return VersEntier16Borne((50.0 - origineY) / diviseur);
}

std::int16_t OrdonneeHarmonique(std::int16_t k, float valeur, std::int16_t origineY) {
    // The product of two singles is exact in double; floor, then the origin, then the clip.
    const double produit = static_cast<double>(static_cast<float>(k)) * valeur;
    if (std::isnan(produit)) return origineY;
    return PlancherEntier16Borne(std::floor(produit) + origineY);
}

std::int16_t OrdonneeSignal(std::int16_t k, std::int16_t valeur, std::int16_t origineY) {
    return VersEntier16Borne(static_cast<double>(valeur) * k + origineY);
}

std::int16_t AbscisseTrace(const Etat& etat, int i) {
    return VersEntier16Borne(static_cast<double>(etat.Abscisse[i]) + etat.OrigineX);
}

Polyligne PolyligneHarmonique(const Etat& etat, std::int16_t n) {
    Polyligne points{};
    points[0] = {etat.OrigineX, etat.OrigineY};
    const std::int16_t k = FacteurHarmonique(etat.OrigineY);
    for (int i = 0; i < NombrePoints; ++i)
        points[i + 1] = {AbscisseTrace(etat, i),
                         OrdonneeHarmonique(k, etat.Harmonique[i][n], etat.OrigineY)};
    return points;
}

Polyligne PolyligneSignal(const Etat& etat) {
    Polyligne points{};
    points[0] = {etat.OrigineX, etat.OrigineY};
    const std::int16_t k = FacteurSignal(etat.ValeurMax, etat.OrigineY);
    for (int i = 0; i < NombrePoints; ++i)
        points[i + 1] = {AbscisseTrace(etat, i),
                         OrdonneeSignal(k, etat.SignalTotal[i], etat.OrigineY)};
    return points;
}

} // namespace Calcul_Graphe
