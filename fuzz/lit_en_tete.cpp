// The reader of the last-rank answer (LitNombreEnTete) and the rank it gives (LitRangMax),
// against strtod's longest leading number wherever strtod reads the same grammar.
#include "Verifie.h"
#include "calcul/Reglage.h"

#include <cctype>
#include <cmath>

using namespace Calcul_Graphe;
using namespace Fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    const auto lu = Essaie([&] { return LitNombreEnTete(texte); });
    const int rang = LitRangMax(texte);
    VERIFIE(rang >= -32768 && rang <= 2000, texte, "rang " + std::to_string(rang));
    VERIFIE(!lu.erreur || *lu.erreur == Nature::Depassement, texte, "seul le depassement echoue");

    // strtod skips every white space, we skip only blanks; strtod also reads hexadecimal,
    // "inf" and "nan", and may stop at a NUL byte: no comparison there.
    std::size_t debut = 0;
    while (debut < texte.size() && (texte[debut] == ' ' || texte[debut] == '\t'))
        ++debut;
    const std::string reste = texte.substr(debut);
    if (!reste.empty() && std::isspace(static_cast<unsigned char>(reste[0]))) return 0;
    const LectureC c = LitAvecStrtod(reste);
    const std::string pris = reste.substr(0, c.longueur);
    if (pris.find_first_of("xXiInN") != std::string::npos) {
        // A hexadecimal "0x..." begins with our "0"; "inf" and "nan" are no number for us.
        VERIFIE(!lu.erreur && lu.valeur == 0.0, texte, "lu " + Hex(lu.valeur));
        return 0;
    }
    if (c.depassement) {
        VERIFIE(lu.erreur == Nature::Depassement && rang == 2000, texte, "depassement attendu");
        return 0;
    }
    VERIFIE(!lu.erreur && Bits(lu.valeur) == Bits(c.longueur ? c.valeur : 0.0), texte,
            "lu " + Hex(lu.valeur) + ", strtod " + Hex(c.valeur));

    // The rank: the floor in 16 bits, at most 2000, and 2000 for anything out of 16 bits.
    const double plancher = std::floor(c.valeur);
    const int attendu = plancher < -32768.0 || plancher > 32767.0 ? 2000
                        : plancher >= 2000.0                      ? 2000
                                                                  : static_cast<int>(plancher);
    VERIFIE(rang == attendu, texte,
            "rang " + std::to_string(rang) + ", attendu " + std::to_string(attendu));
    return 0;
}
