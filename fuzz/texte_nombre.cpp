// The text of a number (TexteNombre) for singles and doubles, against the same text built from
// printf's digits: the fewest that read back to the value (at most 7 or 15), a power of ten from
// one digit more before the point or below 1e-4; and our own reader gives the value back.
#include "calcul/Nombres.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace Calcul_Graphe;

namespace {

template <typename T> bool Relu(const char* texte, T x) {
    if constexpr (sizeof(T) == sizeof(float))
        return std::strtof(texte, nullptr) == x;
    else
        return std::strtod(texte, nullptr) == x;
}

template <typename T> std::string Attendu(T x, char separateur, int chiffresMax, bool& relu) {
    relu = false;
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Inf" : "Inf";
    if (x == 0) return "0";
    char t[400];
    int p = 1;
    while (std::snprintf(t, sizeof t, "%.*e", p - 1, double(x)), !(relu = Relu(t, x)))
        if (++p > chiffresMax) {
            --p;
            break;
        }
    const int e = std::atoi(std::strchr(t, 'e') + 1);
    const bool puissance = e >= chiffresMax || e < -4;
    if (puissance)
        std::snprintf(t, sizeof t, "%.*E", p - 1, double(x));
    else
        std::snprintf(t, sizeof t, "%.*f", p - 1 - e > 0 ? p - 1 - e : 0, double(x));
    std::string s = t, exposant;
    if (puissance) exposant = s.substr(s.find('E')), s.resize(s.find('E'));
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    std::ranges::replace(s, '.', separateur);
    return s + exposant;
}

template <typename T> void Verifie(T x, char separateur, int chiffresMax) {
    bool relu = false;
    const std::string texte = TexteNombre(x, separateur);
    const std::string attendu = Attendu(x, separateur, chiffresMax, relu);
    if (texte != attendu || (relu && static_cast<T>(LitNombre(texte, separateur)) != x)) {
        std::fprintf(stderr, "\n%a (%d chiffres) : « %s » au lieu de « %s »\n", double(x),
                     chiffresMax, texte.c_str(), attendu.c_str());
        std::abort();
    }
}

template <typename T> T Valeur(const std::uint8_t* donnees, std::size_t taille) {
    unsigned char octets[sizeof(T)] = {};
    std::memcpy(octets, donnees, taille < sizeof(T) ? taille : sizeof(T));
    T x;
    std::memcpy(&x, octets, sizeof x);
    return x;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const char separateur = taille > 8 && (donnees[8] & 1) ? '.' : ',';
    Verifie(Valeur<double>(donnees, taille), separateur, 15);
    Verifie(Valeur<float>(donnees, taille), separateur, 7);
    if (taille >= 12) Verifie(Valeur<float>(donnees + 4, taille - 4), separateur, 7);
    return 0;
}
