#include "calcul/Nombres.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace Calcul_Graphe {

namespace {

[[noreturn]] void Depassement() {
    throw ErreurExecution(ErreurExecution::Nature::Depassement, "Dépassement de capacité");
}

[[noreturn]] void ConversionImpossible() {
    throw ErreurExecution(ErreurExecution::Nature::Conversion, "Type incompatible");
}

bool EstBlanc(char c) {
    return c == ' ' || c == '\t';
}
bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

// Reads a plain decimal number written with '.' (sign, digits, point, exponent already
// checked by the caller). A magnitude beyond the double range is an overflow; one below the
// smallest subnormal reads as a zero of the same sign.
double LitDecimalVerifie(std::string_view normalise) {
    double valeur = 0.0;
    const char* debut = normalise.data();
    const char* fin = debut + normalise.size();
    const bool negatif = !normalise.empty() && normalise.front() == '-';
    if (!normalise.empty() && (normalise.front() == '+' || normalise.front() == '-'))
        ++debut; // from_chars takes no '+', and the sign is put back below
    const auto [ptr, ec] = std::from_chars(debut, fin, valeur, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small: find the decimal position of the first non-zero digit.
        long long position = 0; // number of digits before the point, from the first non-zero
        bool apresPoint = false, vu = false;
        long long exposant = 0;
        for (const char* p = debut; p < fin; ++p) {
            const char c = *p;
            if (c == '.') {
                apresPoint = true;
            } else if (c == 'e' || c == 'E') {
                const char* e = p + 1 + (p[1] == '+');
                if (std::from_chars(e, fin, exposant).ec == std::errc::result_out_of_range)
                    exposant = *e == '-' ? -(1LL << 40) : (1LL << 40);
                break;
            } else if (c != '0' || vu) {
                vu = true;
                if (!apresPoint) ++position;
            } else if (apresPoint) {
                --position;
            }
        }
        if (position + exposant > 0) Depassement();
        return negatif ? -0.0 : 0.0;
    }
    if (ec != std::errc() || ptr != fin) ConversionImpossible();
    return negatif ? -valeur : valeur;
}

// Length of the longest prefix of s that is sign? digits [sep digits] [exponent], with at
// least one mantissa digit; 0 when there is none. An exponent without digits is not taken.
std::size_t LongueurNombre(std::string_view s, char separateur) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t chiffres = 0;
    while (i < s.size() && EstChiffre(s[i]))
        ++i, ++chiffres;
    if (i < s.size() && s[i] == separateur) {
        ++i;
        while (i < s.size() && EstChiffre(s[i]))
            ++i, ++chiffres;
    }
    if (chiffres == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && EstChiffre(s[j])) {
            while (j < s.size() && EstChiffre(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

double LitPrefixe(std::string_view nombre, char separateur) {
    std::string normalise(nombre);
    for (char& c : normalise)
        if (c == separateur) c = '.';
    return LitDecimalVerifie(normalise);
}

// x written with `chiffres` significant digits, split into its digits (trailing zeros
// dropped) and decimal exponent: x ~ 0.d1d2d3... x 10^exposant10. `relu` is that text read
// back in the type of x.
template <typename T> struct Decimal {
    std::string chiffres;
    int exposant10 = 0;
    T relu{};
};

template <typename T> Decimal<T> Decompose(T x, int chiffres) {
    std::array<char, 64> tampon{};
    const auto r = std::to_chars(tampon.data(), tampon.data() + tampon.size(), x,
                                 std::chars_format::scientific, chiffres - 1);
    Decimal<T> d;
    std::from_chars(tampon.data(), r.ptr, d.relu);
    const char* p = tampon.data();
    if (*p == '-') ++p;
    for (; p < r.ptr && *p != 'e'; ++p)
        if (*p != '.') d.chiffres.push_back(*p);
    int exposant = 0;
    if (p < r.ptr) std::from_chars(p + 1 + (p[1] == '+'), r.ptr, exposant);
    while (d.chiffres.size() > 1 && d.chiffres.back() == '0')
        d.chiffres.pop_back();
    d.exposant10 = exposant + 1;
    return d;
}

template <typename T> std::string TexteReel(T x, char separateur, int chiffresMax) {
    if (x == 0) return "0"; // both zeros
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Inf" : "Inf";

    // Fewest significant digits that read back to x, or chiffresMax when none do.
    Decimal<T> d;
    for (int chiffres = 1; chiffres <= chiffresMax; ++chiffres) {
        d = Decompose(x, chiffres);
        if (d.relu == x) break;
    }

    std::string texte = x < 0 ? "-" : "";
    const int n = static_cast<int>(d.chiffres.size());
    const int e = d.exposant10;
    if (e > chiffresMax || e < -3) {
        // Out of the ordinary range: mantissa and power of ten, as "1,5E+20".
        texte += d.chiffres[0];
        if (n > 1) texte += separateur + d.chiffres.substr(1);
        const int puissance = e - 1;
        texte += puissance < 0 ? "E-" : "E+";
        const int absolue = std::abs(puissance);
        if (absolue < 10) texte += '0';
        texte += std::to_string(absolue);
    } else if (e <= 0) {
        texte += '0';
        texte += separateur;
        texte.append(static_cast<std::size_t>(-e), '0');
        texte += d.chiffres;
    } else if (e >= n) {
        texte += d.chiffres;
        texte.append(static_cast<std::size_t>(e - n), '0');
    } else {
        texte += d.chiffres.substr(0, static_cast<std::size_t>(e));
        texte += separateur;
        texte += d.chiffres.substr(static_cast<std::size_t>(e));
    }
    return texte;
}

} // namespace

double ArrondiDecimales(double x, int decimales) {
    if (!std::isfinite(x)) return x;
    if (decimales <= 0) return std::nearbyint(x); // default mode: halves to even, exactly
    // to_chars rounds the exact binary value, halves to even; the text reads back to the
    // nearest double of the rounded decimal. 330 characters hold any double in fixed form.
    std::array<char, 360> tampon{};
    const auto r = std::to_chars(tampon.data(), tampon.data() + tampon.size(), x,
                                 std::chars_format::fixed, decimales);
    double resultat = 0.0;
    const char* debut = tampon.data();
    const bool negatif = *debut == '-';
    if (negatif) ++debut;
    std::from_chars(debut, r.ptr, resultat);
    return negatif ? -resultat : resultat;
}

std::int16_t VersEntier16(double x) {
    const double r = std::nearbyint(x);
    if (!(r >= -32768.0 && r <= 32767.0)) Depassement();
    return static_cast<std::int16_t>(r);
}

std::int16_t PlancherEntier16(double x) {
    const double r = std::floor(x);
    if (!(r >= -32768.0 && r <= 32767.0)) Depassement();
    return static_cast<std::int16_t>(r);
}

namespace {

// A whole number clipped to the 16-bit range; NaN gives 0.
std::int16_t Borne16(double entier) {
    if (std::isnan(entier)) return 0;
    return static_cast<std::int16_t>(std::clamp(entier, -32768.0, 32767.0));
}

} // namespace

std::int16_t VersEntier16Borne(double x) {
    return Borne16(std::nearbyint(x));
}

std::int16_t PlancherEntier16Borne(double x) {
    return Borne16(std::floor(x));
}

float VersSimple(double x) {
    const float f = static_cast<float>(x);
    if (!std::isfinite(f)) Depassement();
    return f;
}

double Divise(double a, double b) {
    if (b == 0.0)
        throw ErreurExecution(ErreurExecution::Nature::DivisionParZero, "Division par zéro");
    return a / b;
}

std::string TexteNombre(float x, char separateur) {
    return TexteReel(x, separateur, 7);
}

std::string TexteNombre(double x, char separateur) {
    return TexteReel(x, separateur, 15);
}

double LitNombre(std::string_view texte, char separateur) {
    while (!texte.empty() && EstBlanc(texte.front()))
        texte.remove_prefix(1);
    while (!texte.empty() && EstBlanc(texte.back()))
        texte.remove_suffix(1);
    const std::size_t longueur = LongueurNombre(texte, separateur);
    if (longueur == 0 || longueur != texte.size()) ConversionImpossible();
    return LitPrefixe(texte, separateur);
}

double LitNombreEnTete(std::string_view texte) {
    while (!texte.empty() && EstBlanc(texte.front()))
        texte.remove_prefix(1);
    const std::size_t longueur = LongueurNombre(texte, '.');
    if (longueur == 0) return 0.0;
    return LitPrefixe(texte.substr(0, longueur), '.');
}

} // namespace Calcul_Graphe
