#include "calcul/TableauCoefficients.h"

#include "calcul/Coefficients.h"
#include "calcul/Nombres.h"
#include "calcul/Signaux.h"

namespace Calcul_Graphe {

namespace {

std::vector<std::string> Ligne(int rang, const CoefficientsAB& c, char separateur) {
    const TextesCoefficients t = TexteCoefficients(AfficheCoefficients(c), separateur);
    return {std::to_string(rang), t.An, t.Bn, t.Cn, t.Phin};
}

} // namespace

Tableau TableauSignal(const Etat& etat, int indexSignal, int valeurMoyenne, char separateur) {
    Tableau tableau{{"Rang", "An", "Bn", "Cn", "\xCF\x86n"}};
    tableau.push_back({"0", TexteEntier(valeurMoyenne, separateur), "", "", ""});
    const bool choisi = indexSignal >= 0 && indexSignal <= 2;
    const auto signal = static_cast<Signal>(indexSignal);
    const float a = etat.RapportCyclique;
    for (std::int16_t n = 1; n <= 10; ++n)
        tableau.push_back(choisi ? Ligne(n, CalculeCoefficients(signal, a, etat.Pi, n), separateur)
                                 : std::vector<std::string>{std::to_string(n), "", "", "", ""});
    if (choisi && etat.ModeChoixSignal != Faux && etat.RangsSupActifs != Faux)
        for (int k = 11; k <= etat.RangMax; ++k)
            tableau.push_back(Ligne(k, CalculeCoefficientsSup(signal, a, etat.Pi, k), separateur));
    return tableau;
}

Tableau TableauReglage(const std::array<int, NombreRangs>& amplitudes, char separateur) {
    Tableau tableau{{"Rang", "Amplitude (%)"}};
    for (int n = 0; n < NombreRangs; ++n)
        tableau.push_back({std::to_string(n), TexteEntier(amplitudes[n], separateur)});
    return tableau;
}

std::string TexteTabule(const Tableau& tableau) {
    std::string texte;
    for (const auto& ligne : tableau) {
        for (std::size_t i = 0; i < ligne.size(); ++i)
            texte += (i ? "\t" : "") + ligne[i];
        texte += '\n';
    }
    return texte;
}

std::string TexteHtml(const Tableau& tableau) {
    std::string html = "<html><head><meta charset=\"utf-8\"></head><body><table>\n";
    for (std::size_t l = 0; l < tableau.size(); ++l) {
        const char* cellule = l == 0 ? "th" : "td";
        html += "<tr>";
        for (const std::string& texte : tableau[l])
            html += std::string("<") + cellule + ">" + texte + "</" + cellule + ">";
        html += "</tr>\n";
    }
    return html + "</table></body></html>\n";
}

} // namespace Calcul_Graphe
