// The text of a number (TexteNombre) for singles and doubles: its digits are the fewest that
// read back to the value (at most 7 or 15), as printf finds them; it reads back through our
// own reader; its shape follows the magnitude.
#include "Verifie.h"

#include <cmath>
#include <cstdlib>

using namespace Calcul_Graphe;
using namespace Fuzz;

namespace {

// Significant digits (no trailing zeros) and decimal exponent e, value 0.d1d2... x 10^e.
struct Chiffres {
    std::string chiffres;
    int exposant10 = 0;
    bool relu = false; // these digits read back to the value
};

Chiffres DepuisPrintf(double x, int precision) {
    char t[64];
    std::snprintf(t, sizeof t, "%.*e", precision - 1, std::fabs(x));
    Chiffres c;
    const char* p = t;
    for (; *p != 'e'; ++p)
        if (*p != '.') c.chiffres += *p;
    c.exposant10 = std::atoi(p + 1) + 1;
    while (c.chiffres.size() > 1 && c.chiffres.back() == '0')
        c.chiffres.pop_back();
    return c;
}

// Whether x written by printf with p significant digits reads back to x in its own type.
template <typename T> bool Relu(T x, int p) {
    char t[64];
    std::snprintf(t, sizeof t, "%.*e", p - 1, static_cast<double>(x));
    if constexpr (sizeof(T) == sizeof(float))
        return std::strtof(t, nullptr) == x;
    else
        return std::strtod(t, nullptr) == x;
}

// The fewest digits whose text reads back to x in its own type (the most allowed otherwise).
template <typename T> Chiffres Reference(T x, int chiffresMax) {
    int p = 1;
    while (p < chiffresMax && !Relu(x, p))
        ++p;
    Chiffres c = DepuisPrintf(x, p);
    c.relu = Relu(x, p);
    return c;
}

// Our text taken apart the other way round: sign, digits, exponent.
Chiffres Analyse(std::string t, char separateur, bool& puissance) {
    if (!t.empty() && t[0] == '-') t.erase(0, 1);
    int exposant = 0;
    const std::size_t e = t.find('E');
    puissance = e != std::string::npos;
    if (puissance) {
        exposant = std::atoi(t.c_str() + e + 1);
        t.resize(e);
    }
    const std::size_t sep = t.find(separateur);
    const int entiers = static_cast<int>(sep == std::string::npos ? t.size() : sep);
    if (sep != std::string::npos) t.erase(sep, 1);
    Chiffres c;
    std::size_t premier = t.find_first_not_of('0');
    if (premier == std::string::npos) premier = t.size();
    c.chiffres = t.substr(premier);
    c.exposant10 = entiers - static_cast<int>(premier) + exposant;
    while (c.chiffres.size() > 1 && c.chiffres.back() == '0')
        c.chiffres.pop_back();
    return c;
}

template <typename T> void Verifie(T x, char separateur, int chiffresMax) {
    const std::string t = TexteNombre(x, separateur);
    const std::string entree = Hex(static_cast<double>(x)) + (sizeof(T) == 4 ? "f" : "");
    if (std::isnan(x)) {
        VERIFIE(t == "NaN", entree, t);
        return;
    }
    if (std::isinf(x)) {
        VERIFIE(t == (x < 0 ? "-Inf" : "Inf"), entree, t);
        return;
    }
    if (x == 0) {
        VERIFIE(t == "0", entree, t);
        return;
    }
    const char autre = separateur == ',' ? '.' : ',';
    VERIFIE(t.find(autre) == std::string::npos &&
                t.find_first_not_of("0123456789-+E,.") == std::string::npos,
            entree, t);
    VERIFIE((t[0] == '-') == (x < 0), entree, t);

    bool puissance = false;
    const Chiffres nous = Analyse(t, separateur, puissance);
    const Chiffres ref = Reference(x, chiffresMax);
    VERIFIE(nous.chiffres == ref.chiffres && nous.exposant10 == ref.exposant10, entree,
            t + " ; printf: 0." + ref.chiffres + "e" + std::to_string(ref.exposant10));

    // A power of ten from chiffresMax + 1 digits before the point, or below 10^-4.
    VERIFIE(puissance == (ref.exposant10 > chiffresMax || ref.exposant10 < -3), entree, t);
    if (puissance) {
        const std::size_t e = t.find('E');
        VERIFIE(e + 4 <= t.size() && (t[e + 1] == '+' || t[e + 1] == '-'), entree, t);
        VERIFIE(t.back() != separateur && t[x < 0] >= '1' && t[x < 0] <= '9', entree, t);
    } else {
        const std::size_t sep = t.find(separateur);
        if (sep != std::string::npos) VERIFIE(t.back() != '0' && t.back() != separateur, entree, t);
        const std::string entiers = t.substr(x < 0, sep == std::string::npos ? sep : sep - (x < 0));
        VERIFIE(entiers == "0" || entiers[0] != '0', entree, t);
    }

    // Read back by our reader: the double strtod gives for printf's digits (15 digits of a
    // double next to the largest may round beyond the range: an overflow both ways), and so
    // the value itself whenever those digits suffice.
    const auto relu = Essaie([&] { return LitNombre(t, separateur); });
    const LectureC c =
        LitAvecStrtod((x < 0 ? "-0." : "0.") + ref.chiffres + "e" + std::to_string(ref.exposant10));
    VERIFIE(relu.erreur == (c.depassement ? std::optional(Nature::Depassement) : std::nullopt),
            entree, t + " relu avec erreur");
    VERIFIE(c.depassement || Bits(relu.valeur) == Bits(c.valeur), entree,
            t + " relu " + Hex(relu.valeur) + ", strtod " + Hex(c.valeur));
    if (ref.relu)
        VERIFIE(static_cast<T>(relu.valeur) == x, entree, t + " relu " + Hex(relu.valeur));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const char separateur = taille > 8 && (donnees[8] & 1) ? '.' : ',';
    Verifie(Valeur<double>(donnees, taille), separateur, 15);
    Verifie(Valeur<float>(donnees, taille), separateur, 7);
    if (taille >= 12) Verifie(Valeur<float>(donnees + 4, taille - 4), separateur, 7);
    return 0;
}
