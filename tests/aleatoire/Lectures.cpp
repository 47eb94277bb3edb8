#include "aleatoire/Lectures.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <stdlib.h>

namespace Lectures {

namespace {

bool Chiffre(char c) {
    return c >= '0' && c <= '9';
}

// The longest text "sign? digits (.digits)? (e sign? digits)?" at the start, with at least
// one digit in the mantissa.
std::string NombreEnTete(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    const std::size_t debut = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool chiffres = false;
    for (; i < s.size() && Chiffre(s[i]); ++i)
        chiffres = true;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && Chiffre(s[i]); ++i)
            chiffres = true;
    if (!chiffres) return {};
    std::size_t fin = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && Chiffre(s[j])) {
            while (j < s.size() && Chiffre(s[j]))
                ++j;
            fin = j;
        }
    }
    return s.substr(debut, fin - debut);
}

std::int16_t Borne16(double x) {
    return static_cast<std::int16_t>(std::clamp(x, -32768.0, 32767.0));
}

} // namespace

int RangMaxAttendu(const std::string& reponse) {
    const std::string nombre = NombreEnTete(reponse);
    if (nombre.empty()) return 0;
    // The C library's reading, in the "C" locale whatever the process uses; an overflow comes
    // back as an infinity, an underflow as a zero.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    const double valeur = std::floor(strtod_l(nombre.c_str(), nullptr, c));
    if (!(valeur >= -32768.0 && valeur <= 32767.0)) return 2000;
    return std::min(static_cast<int>(valeur), 2000);
}

std::array<std::int16_t, Calcul_Graphe::NombrePoints> SignalAttendu(const Calcul_Graphe::Etat& e) {
    std::array<std::int16_t, Calcul_Graphe::NombrePoints> signal{};
    const bool rangsSup = e.ModeChoixSignal != 0 && e.RangsSupActifs != 0;
    for (int i = 0; i < Calcul_Graphe::NombrePoints; ++i) {
        std::int16_t somme = rangsSup ? Borne16(std::nearbyint(e.SommeRangsSup[i])) : 0;
        for (int n = 0; n < Calcul_Graphe::NombreRangs; ++n)
            if (e.Validation[n] == 1)
                somme = Borne16(std::nearbyint(somme + static_cast<double>(e.Harmonique[i][n])));
        signal[i] = somme;
    }
    return signal;
}

} // namespace Lectures
