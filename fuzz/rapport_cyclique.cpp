// The two rewritings of a confirmed duty-cycle text (TexteFractionEnPourcent, TextePlancher)
// and its reading (LitRapportCyclique). References: strtod rounding downwards on the text
// scaled by a hundred in its exponent, which keeps floor(100 x) exact; printf for the floor.
#include "Verifie.h"
#include "calcul/Reglage.h"
#include "calcul/Signaux.h"

#include <cfenv>
#include <cfloat>
#include <climits>
#include <cmath>

using namespace Calcul_Graphe;
using namespace Fuzz;

namespace {

// The text with blanks dropped around and the separator as a point, its exponent raised by
// two: the decimal number a hundred times larger. Nothing when the exponent does not fit.
std::optional<std::string> Centuple(const std::string& texte, char separateur) {
    std::string t;
    for (const char c : texte)
        if (c != ' ' && c != '\t') t += c == separateur ? '.' : c;
    const std::size_t e = t.find_first_of("eE");
    if (e == std::string::npos) return t + "e2";
    errno = 0;
    const long long exposant = std::strtoll(t.c_str() + e + 1, nullptr, 10);
    if (errno == ERANGE || exposant > LLONG_MAX - 2) return std::nullopt;
    return t.substr(0, e) + "e" + std::to_string(exposant + 2);
}

// floor of the decimal value of a text: strtod rounding downwards gives the largest double at
// or below it, and every whole number up to 100 is a double, so the floors agree.
double PlancherExact(const std::string& texte) {
    std::fesetround(FE_DOWNWARD);
    const double bas = std::strtod(texte.c_str(), nullptr);
    std::fesetround(FE_TONEAREST);
    return std::floor(bas);
}

void Verifie(const std::string& texte, char separateur) {
    const auto lu = Essaie([&] { return LitNombre(texte, separateur); });
    const auto fraction = Essaie([&] { return TexteFractionEnPourcent(texte, separateur); });
    const auto plancher = Essaie([&] { return TextePlancher(texte, separateur); });
    VERIFIE(fraction.erreur == lu.erreur && plancher.erreur == lu.erreur, texte,
            "les regles echouent comme la lecture");
    if (lu.erreur) return;
    const double x = lu.valeur;

    // The fraction rule: only strictly between 0 and 1, and then floor(100 x) on the decimals.
    VERIFIE(fraction.valeur.has_value() == (x > 0.0 && x < 1.0), texte, "fraction " + Hex(x));
    if (fraction.valeur) {
        const std::string& r = *fraction.valeur;
        VERIFIE(!r.empty() && r.size() <= 2 &&
                    r.find_first_not_of("0123456789") == std::string::npos,
                texte, "pourcent " + r);
        // Only digits, sign, separator, blanks and an exponent here: the text read without error.
        if (const auto centuple = Centuple(texte, separateur)) {
            const double attendu = PlancherExact(*centuple);
            VERIFIE(std::stoi(r) == attendu, texte,
                    "pourcent " + r + ", attendu " + std::to_string(attendu));
        }
    }

    // The floor rule: whole numbers written in full below 10^15, else read back to 15 digits.
    const double p = std::floor(x);
    const std::string& t = plancher.valeur;
    VERIFIE(t.find(separateur == ',' ? '.' : ',') == std::string::npos, texte, t);
    char attendu[400];
    if (std::fabs(p) < 1e15) {
        std::snprintf(attendu, sizeof attendu, "%.0f", p == 0.0 ? 0.0 : p);
        VERIFIE(t == attendu, texte, t + ", attendu " + attendu);
    } else {
        std::snprintf(attendu, sizeof attendu, "%.14e", p);
        const double relu = LitNombre(t, separateur);
        VERIFIE(relu == std::strtod(attendu, nullptr), texte, t + ", attendu " + attendu);
    }

    // The duty cycle of the signals: x / 100 in single precision, or an overflow.
    const auto rapport = Essaie([&] { return LitRapportCyclique(texte, separateur); });
    const double centieme = x / 100.0;
    char hex[64];
    std::snprintf(hex, sizeof hex, "%a", centieme);
    errno = 0;
    const float simple = std::strtof(hex, nullptr);
    const bool deborde = std::isinf(simple);
    VERIFIE(rapport.erreur == (deborde ? std::optional(Nature::Depassement) : std::nullopt), texte,
            "rapport " + Hex(centieme));
    if (!deborde) VERIFIE(rapport.valeur == simple, texte, "rapport " + Hex(rapport.valeur));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    AvecLesDeuxSeparateurs(donnees, taille, Verifie);
    return 0;
}
