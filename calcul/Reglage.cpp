#include "calcul/Reglage.h"

#include "calcul/Nombres.h"

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
}

namespace {

bool EstBlanc(char c) {
    return c == ' ' || c == '\t';
}
bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

// floor(100 x) for a text already known to read as a number x with 0 < x < 1: the digits of
// the mantissa, with the decimal point moved by the exponent plus two places.
long long PlancherCentuplePositif(std::string_view texte, char separateur) {
    std::size_t i = 0;
    while (i < texte.size() && EstBlanc(texte[i]))
        ++i;
    if (i < texte.size() && texte[i] == '+') ++i;
    std::string chiffres;
    long long entiers = 0;
    bool apresSeparateur = false;
    for (; i < texte.size(); ++i) {
        const char c = texte[i];
        if (EstChiffre(c)) {
            chiffres.push_back(c);
            if (!apresSeparateur) ++entiers;
        } else if (c == separateur && !apresSeparateur) {
            apresSeparateur = true;
        } else {
            break;
        }
    }
    long long exposant = 0;
    if (i < texte.size() && (texte[i] == 'e' || texte[i] == 'E')) {
        ++i;
        bool negatif = false;
        if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
        for (; i < texte.size() && EstChiffre(texte[i]); ++i)
            if (exposant < 1'000'000) exposant = exposant * 10 + (texte[i] - '0');
        if (negatif) exposant = -exposant;
    }
    const long long virgule = entiers + exposant + 2;
    long long resultat = 0;
    for (long long j = 0; j < virgule; ++j) {
        const int chiffre = j < static_cast<long long>(chiffres.size()) ? chiffres[j] - '0' : 0;
        resultat = resultat * 10 + chiffre;
        if (resultat >= 100) return 99; // cannot happen below 1; kept as a bound
    }
    return resultat;
}

} // namespace

std::optional<std::string> TexteFractionEnPourcent(std::string_view texte, char separateur) {
    const double x = LitNombre(texte, separateur);
    if (!(x > 0.0 && x < 1.0)) return std::nullopt;
    return std::to_string(PlancherCentuplePositif(texte, separateur));
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
