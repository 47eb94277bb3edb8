// The strict reader of the boxes (LitNombre, DecomposeNombre), with either separator, against
// the C library's strtod wherever its grammar and ours coincide.
#include "Verifie.h"

#include <cmath>

using namespace Calcul_Graphe;
using namespace Fuzz;

namespace {

bool EstBlanc(char c) {
    return c == ' ' || c == '\t';
}

// The text with its two separators exchanged.
std::string Echange(std::string texte) {
    for (char& c : texte)
        c = c == ',' ? '.' : c == '.' ? ',' : c;
    return texte;
}

void Verifie(const std::string& texte, char separateur) {
    const auto lu = Essaie([&] { return LitNombre(texte, separateur); });
    VERIFIE(!lu.erreur || *lu.erreur != Nature::DivisionParZero, texte, "nature inattendue");

    // The other separator gives the same reading of the exchanged text.
    const char autre = separateur == ',' ? '.' : ',';
    const auto echange = Essaie([&] { return LitNombre(Echange(texte), autre); });
    VERIFIE(echange.erreur == lu.erreur && Bits(echange.valeur) == Bits(lu.valeur), texte,
            "separateur echange: " + Hex(echange.valeur) + " / " + Hex(lu.valeur));

    // Blanks around are ours to drop; inside, only the grammar's characters may appear.
    std::size_t debut = 0, fin = texte.size();
    while (debut < fin && EstBlanc(texte[debut]))
        ++debut;
    while (fin > debut && EstBlanc(texte[fin - 1]))
        --fin;
    std::string coeur = texte.substr(debut, fin - debut);
    bool grammaire = !coeur.empty();
    for (char& c : coeur) {
        if (c == separateur) {
            c = '.';
        } else if (!(std::strchr("0123456789+-eE", c) && c != '\0')) {
            grammaire = false;
        }
    }
    if (!grammaire) {
        VERIFIE(lu.erreur == Nature::Conversion, texte, "texte hors grammaire accepte");
        return;
    }
    // Same characters, same grammar: strtod takes it all exactly when we accept it.
    const LectureC c = LitAvecStrtod(coeur);
    const bool accepte = c.longueur == coeur.size();
    VERIFIE(accepte == (lu.erreur != Nature::Conversion), texte,
            "acceptation differente de strtod (" + std::to_string(c.longueur) + " caracteres)");
    if (!accepte) return;
    if (c.depassement) {
        VERIFIE(lu.erreur == Nature::Depassement, texte, "strtod deborde, pas nous");
        return;
    }
    VERIFIE(!lu.erreur && Bits(lu.valeur) == Bits(c.valeur), texte,
            "lu " + Hex(lu.valeur) + ", strtod " + Hex(c.valeur));

    // The decomposition writes the same number: 0.<chiffres> x 10^puissance.
    const EcritureDecimale e = DecomposeNombre(texte, separateur);
    VERIFIE(e.chiffres.empty() || (e.chiffres[0] >= '1' && e.chiffres[0] <= '9'), texte,
            "zero de tete: " + e.chiffres);
    VERIFIE(e.chiffres.find_first_not_of("0123456789") == std::string::npos, texte, e.chiffres);
    if (!e.chiffres.empty() && std::llabs(e.puissance) < 100000) {
        const LectureC r = LitAvecStrtod("0." + e.chiffres + "e" + std::to_string(e.puissance));
        VERIFIE(Bits(std::fabs(lu.valeur)) == Bits(r.valeur), texte,
                "ecriture 0." + e.chiffres + "e" + std::to_string(e.puissance));
    }
    VERIFIE(e.negatif == std::signbit(lu.valeur), texte, "signe");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    AvecLesDeuxSeparateurs(donnees, taille, Verifie);
    return 0;
}
