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

// An exponent's digits stop counting here: far beyond the double range, and beyond the length
// of any text, so that the decimal place plus the exponent can neither wrap nor change sign.
constexpr long long ExposantSature = 1'000'000'000'000'000;

// The one scanner of number texts: the length of the longest prefix of s that is
// sign? digits [separator digits] [exponent], with at least one mantissa digit (0 when there is
// none), and its decimal writing. An exponent without digits is not taken.
std::size_t ScanneNombre(std::string_view s, char separateur, EcritureDecimale& ecriture) {
    ecriture = {};
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ecriture.negatif = s[i++] == '-';
    long long chiffres = 0, zerosDeTete = 0;
    const auto litChiffres = [&] {
        for (; i < s.size() && EstChiffre(s[i]); ++i, ++chiffres) {
            if (s[i] != '0' || !ecriture.chiffres.empty())
                ecriture.chiffres.push_back(s[i]);
            else
                ++zerosDeTete;
        }
    };
    litChiffres();
    const long long entiers = chiffres;
    if (i < s.size() && s[i] == separateur) {
        ++i;
        litChiffres();
    }
    if (chiffres == 0) return 0;
    long long exposant = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool negatif = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) negatif = s[j++] == '-';
        if (j < s.size() && EstChiffre(s[j])) {
            for (; j < s.size() && EstChiffre(s[j]); ++j)
                if (exposant < ExposantSature) exposant = exposant * 10 + (s[j] - '0');
            if (negatif) exposant = -exposant;
            i = j;
        }
    }
    if (!ecriture.chiffres.empty()) ecriture.puissance = entiers - zerosDeTete + exposant;
    return i;
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
    // Converting a double beyond the float range is undefined: compare first. Up to half a unit
    // above the largest float, the nearest float is still the largest one.
    constexpr double limite = 0x1.ffffffp127;
    if (!(std::fabs(x) < limite)) Depassement();
    return static_cast<float>(x);
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

EcritureDecimale DecomposeNombre(std::string_view texte, char separateur) {
    while (!texte.empty() && EstBlanc(texte.front()))
        texte.remove_prefix(1);
    while (!texte.empty() && EstBlanc(texte.back()))
        texte.remove_suffix(1);
    EcritureDecimale ecriture;
    const std::size_t longueur = ScanneNombre(texte, separateur, ecriture);
    if (longueur == 0 || longueur != texte.size()) ConversionImpossible();
    return ecriture;
}

double ValeurDecimale(const EcritureDecimale& ecriture) {
    const double zero = ecriture.negatif ? -0.0 : 0.0;
    if (ecriture.chiffres.empty()) return zero;
    // The digits as a whole number times a power of ten: both parts are of sane size, whatever
    // the exponent written, and from_chars rounds the exact value.
    // A writing made by hand is held to the scanner's bounds, so the difference cannot wrap.
    const long long puissance = std::clamp(ecriture.puissance, -ExposantSature, ExposantSature);
    std::string texte = ecriture.chiffres;
    texte += 'e';
    texte += std::to_string(puissance - static_cast<long long>(ecriture.chiffres.size()));
    double valeur = 0.0;
    const auto r = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large from a first digit at or above the units, too small otherwise.
        if (puissance > 0) Depassement();
        return zero;
    }
    if (r.ec != std::errc() || r.ptr != texte.data() + texte.size()) ConversionImpossible();
    return ecriture.negatif ? -valeur : valeur;
}

double LitNombre(std::string_view texte, char separateur) {
    return ValeurDecimale(DecomposeNombre(texte, separateur));
}

double LitNombreEnTete(std::string_view texte) {
    while (!texte.empty() && EstBlanc(texte.front()))
        texte.remove_prefix(1);
    EcritureDecimale ecriture;
    if (ScanneNombre(texte, '.', ecriture) == 0) return 0.0;
    return ValeurDecimale(ecriture);
}

} // namespace Calcul_Graphe
