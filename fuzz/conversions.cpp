// Conversions of a double to 16- and 32-bit integers (halves to even, floor, checked or
// clipped) and to single precision, against exact integer arithmetic.
#include "Verifie.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

using namespace Calcul_Graphe;
using namespace Fuzz;

namespace {

// Nearest whole number (halves to even) and floor of a finite x, by splitting x into a whole
// part and a fraction, both exact below 2^52; above, x is whole.
struct Entiers {
    double proche, plancher;
};

Entiers Reference(double x) {
    if (std::fabs(x) >= 0x1p52) return {x, x};
    const auto entier = static_cast<long long>(x); // toward zero
    const double fraction = x - static_cast<double>(entier);
    const long long pas = fraction < 0 ? -1 : 1;
    long long proche = entier;
    if (std::fabs(fraction) > 0.5 || (std::fabs(fraction) == 0.5 && entier % 2 != 0)) proche += pas;
    return {static_cast<double>(proche), static_cast<double>(entier - (fraction < 0))};
}

// The whole number n if it lies within [bas, haut], else the overflow.
Resultat<long long> Borne(double n, double bas, double haut) {
    if (std::isnan(n) || n < bas || n > haut) return {Nature::Depassement, 0};
    return {std::nullopt, static_cast<long long>(n)};
}

template <typename F> Resultat<long long> Appelle(F f) {
    const auto r = Essaie([&] { return static_cast<long long>(f()); });
    return r;
}

void Compare(const char* nom, double x, Resultat<long long> obtenu, Resultat<long long> attendu) {
    VERIFIE(obtenu.erreur == attendu.erreur && (obtenu.erreur || obtenu.valeur == attendu.valeur),
            std::string(nom) + "(" + Hex(x) + ")",
            "obtenu " + std::to_string(obtenu.valeur) + (obtenu.erreur ? " (erreur)" : "") +
                ", attendu " + std::to_string(attendu.valeur) +
                (attendu.erreur ? " (erreur)" : ""));
}

// x rounded to the nearest float (halves to even) by integer arithmetic on its significand;
// nothing when that is beyond the single range. The C library's strtof is no reference here:
// glibc 2.36 rounds some subnormal results down (0x1.000783p-127 gives 0x1.00078p-127).
std::optional<float> SimpleExacte(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (x == 0.0) return static_cast<float>(x);
    int e = 0;
    const double f = std::frexp(std::fabs(x), &e); // |x| = f 2^e, 0.5 <= f < 1
    const auto m = static_cast<std::uint64_t>(std::ldexp(f, 53)); // |x| = m 2^(e - 53)
    // A float is k 2^q: 24 significant bits, and no quantum below 2^-149.
    const int q = std::max(e - 24, -149);
    const int ecartees = q - (e - 53); // at least 29
    std::uint64_t k = 0;
    if (ecartees < 54) {
        k = m >> ecartees;
        const std::uint64_t reste = m & ((std::uint64_t{1} << ecartees) - 1);
        const std::uint64_t moitie = std::uint64_t{1} << (ecartees - 1);
        if (reste > moitie || (reste == moitie && (k & 1) != 0)) ++k;
    }
    const double arrondi = std::ldexp(static_cast<double>(k), q);
    if (arrondi > std::numeric_limits<float>::max()) return std::nullopt;
    return std::copysign(static_cast<float>(arrondi), static_cast<float>(x));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const double x = Valeur<double>(donnees, taille);
    const Entiers e = std::isfinite(x) ? Reference(x) : Entiers{x, x};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double proche = std::isnan(x) ? nan : e.proche,
                 plancher = std::isnan(x) ? nan : e.plancher;

    Compare("VersEntier16", x, Appelle([&] { return VersEntier16(x); }),
            Borne(proche, -32768, 32767));
    Compare("PlancherEntier16", x, Appelle([&] { return PlancherEntier16(x); }),
            Borne(plancher, -32768, 32767));
    Compare("VersEntier32", x, Appelle([&] { return VersEntier32(x); }),
            Borne(proche, -2147483648.0, 2147483647.0));
    // Clipped: the same whole number held within the range, NaN as 0.
    const auto borne = [](double n) {
        return Resultat<long long>{
            std::nullopt,
            std::isnan(n) ? 0 : static_cast<long long>(std::fmax(-32768.0, std::fmin(32767.0, n)))};
    };
    Compare("VersEntier16Borne", x, Appelle([&] { return VersEntier16Borne(x); }), borne(proche));
    Compare("PlancherEntier16Borne", x, Appelle([&] { return PlancherEntier16Borne(x); }),
            borne(plancher));

    // Single precision, against the exact rounding; beyond the range the store overflows.
    const auto simple = Essaie([&] { return VersSimple(x); });
    const std::optional<float> attendu = SimpleExacte(x);
    const bool deborde = !attendu;
    VERIFIE(simple.erreur == (deborde ? std::optional(Nature::Depassement) : std::nullopt),
            "VersSimple(" + Hex(x) + ")", "erreur inattendue ou manquante");
    VERIFIE(deborde || std::memcmp(&simple.valeur, &*attendu, sizeof(float)) == 0,
            "VersSimple(" + Hex(x) + ")",
            "obtenu " + Hex(simple.valeur) + ", attendu " + Hex(deborde ? 0.0f : *attendu));
    return 0;
}
