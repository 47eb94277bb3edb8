#include "calcul/Reglage.h"

#include "calcul/Nombres.h"

#include <algorithm>
#include <cmath>

namespace Calcul_Graphe {

void RemplitColonneReglee(Etat& etat, std::int16_t n, double amplitude) {
    if (n == 0) {
        const float valeur = VersSimple(amplitude);
        for (auto& echantillon : etat.Harmonique)
            echantillon[0] = valeur;
        return;
    }
    // 2 n is a 16-bit product; Pi, the abscissa and the width enter as single values.
    const auto deuxN = static_cast<std::int16_t>(2 * n);
    const double facteur =
        static_cast<double>(static_cast<float>(deuxN)) * static_cast<double>(etat.Pi);
    const auto largeur = static_cast<double>(static_cast<float>(etat.LargeurPeriode));
    for (int k = 0; k < NombrePoints; ++k) {
        const double x =
            facteur * static_cast<double>(static_cast<float>(etat.Abscisse[k])) / largeur;
        etat.Harmonique[k][n] = VersSimple(amplitude * std::sin(x));
    }
    etat.CoefficientsColonne[n] = {0.0f, static_cast<float>(amplitude)};
}

namespace {

// floor(100 x) for a decimal writing of a number x with 0 < x < 1: its first digits, as many
// as the point moved two places to the right leaves before it (at most two).
long long PlancherCentuplePositif(const EcritureDecimale& ecriture) {
    long long resultat = 0;
    for (long long j = 0; j < std::min(ecriture.puissance + 2, 2LL); ++j) {
        const auto k = static_cast<std::size_t>(j);
        resultat = resultat * 10 + (k < ecriture.chiffres.size() ? ecriture.chiffres[k] - '0' : 0);
    }
    return resultat;
}

} // namespace

std::optional<std::string> TexteFractionEnPourcent(std::string_view texte, char separateur) {
    const EcritureDecimale ecriture = DecomposeNombre(texte, separateur);
    const double x = ValeurDecimale(ecriture);
    if (!(x > 0.0 && x < 1.0)) return std::nullopt;
    return std::to_string(PlancherCentuplePositif(ecriture));
}

std::string TextePlancher(std::string_view texte, char separateur) {
    return TexteNombre(std::floor(LitNombre(texte, separateur)), separateur);
}

std::int16_t LitRangMax(std::string_view reponse) {
    try {
        const std::int16_t rang = PlancherEntier16(LitNombreEnTete(reponse));
        return rang >= RangMaxLimite ? RangMaxLimite : rang;
    } catch (const ErreurExecution&) {
        return RangMaxLimite;
    }
}

} // namespace Calcul_Graphe
