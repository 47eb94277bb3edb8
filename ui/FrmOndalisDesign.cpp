#include "ui/FrmOndalisDesign.h"

#include "ui/FrmOndalis.h"

#include <QRegularExpression>

namespace Calcul_Graphe::DessinOndalis {

namespace {

using G = Genre;
using C = Conteneur;
using P = Police;

QString Bulle(int rang) {
    if (rang == 0) return QStringLiteral("Valeur moyenne");
    if (rang == 1) return QStringLiteral("Fondamental");
    return QStringLiteral("Harmonique %1").arg(rang);
}

// The design is a table: its rows keep the layout they were typed in.
// clang-format off
std::vector<Controle> ConstruitTable() {
    std::vector<Controle> t;
    const QString vide;
    auto ajoute = [&t](Controle c) { t.push_back(std::move(c)); };

    // Single controls and the two mode buttons.
    ajoute({"optChoix", 0, G::Option, C::Fenetre, "Règler les Harmoniques", 120, 120, 2775, 495,
            0, Coche, P::Choix, {}});
    ajoute({"optChoix", 1, G::Option, C::Fenetre, "Choix d'un signal", 3120, 120, 2175, 495, 36, 0,
            P::Choix, {}});
    ajoute({"LblValidation", -1, G::Etiquette, C::Fenetre, "Validation", 1440, 3000, 855, 255, 35,
            Centre, P::Defaut, {}});
    ajoute({"cmdRAZ", -1, G::Bouton, C::Fenetre, "RAZ", 720, 3480, 615, 375, 43, 0, P::Defaut, {}});
    ajoute({"chkNoAuto", -1, G::Case, C::Fenetre, "Desactive le calcul automatique", 360, 4080,
            1695, 495, 44, Enveloppe, P::Petite, {}});
    ajoute({"cmdCalculer", -1, G::Bouton, C::Fenetre, "Calculer et Tracer", 600, 4800, 1455, 495, 45,
            Cache, P::Petite, {}});
    ajoute({"chkHarmonicSup", -1, G::BoutonBascule, C::Fenetre,
            "Ajouter les harmoniques de rang supérieur", 120, 3960, 1335, 735, 111,
            Cache | Enveloppe, P::Defaut, {}});
    ajoute({"Label1", -1, G::Etiquette, C::Fenetre, "Choisir un signal", 120, 5880, 1575, 735, 112,
            Cache | Centre | TexteRouge | Enveloppe, P::Invite, {}});
    ajoute({"Label2", -1, G::Etiquette, C::Fenetre, vide, 0, 6600, 1695, 495, 113,
            Cache, P::Defaut, {}});
    ajoute({"cboChoixSignal", -1, G::Liste, C::Fenetre, vide, 120, 6720, 1575, 315, 37, Cache,
            P::Defaut, {}});
    ajoute({"lblRapportCyclique", -1, G::Etiquette, C::Fenetre, "Rapport cyclique (%)", 120, 7200,
            855, 495, 40, Cache | Enveloppe, P::Defaut, {}});
    ajoute({"txtRapportCyclique", -1, G::Texte, C::Fenetre, "50", 1080, 7200, 615, 285, 41,
            Cache | Centre, P::Defaut, {}});
    ajoute({"cmdRapportCyclique", -1, G::Bouton, C::Fenetre, "Ok", 1200, 7560, 375, 255, 46, Cache,
            P::Defaut, {}});
    ajoute({"imgSignal", -1, G::Image, C::Fenetre, vide, 1800, 6000, 3375, 2295, -1,
            Cache | Bordure, P::Defaut, {}});
    ajoute({"imgRectangulaire", -1, G::Image, C::Fenetre, vide, 1800, 6000, 3465, 2340, -1,
            Cache | Bordure, P::Defaut, {}});
    ajoute({"imgTriangle", -1, G::Image, C::Fenetre, vide, 1800, 6000, 3465, 2340, -1,
            Cache | Bordure, P::Defaut, {}});
    ajoute({"imgDentsdeScie", -1, G::Image, C::Fenetre, vide, 1800, 6000, 3405, 2280, -1, Cache,
            P::Defaut, {}});
    ajoute({"Frame1", -1, G::Cadre, C::Fenetre, vide, 1680, 720, 3735, 2175, 47, Cache, P::Defaut,
            {}});
    ajoute({"Frame2", -1, G::Cadre, C::Fenetre, vide, 1680, 3240, 3735, 2175, 59, Cache, P::Defaut,
            {}});

    // The adjustment area: rank n at index n; upper row 1 to 5, lower row 6 to 10.
    for (int n = 0; n <= 10; ++n) {
        const int colonne = n == 0 ? 0 : (n - 1) % 5;
        const bool bas = n >= 6;
        const int gaucheTexte = n == 0 ? 960 : 2400 + 600 * colonne;
        ajoute({"txtHarmonic", n, G::TexteAmplitude, C::Fenetre, vide, gaucheTexte,
                bas ? 3360 : 840, 495, 285, n == 0 ? 42 : n,
                Centre | LectureSeule | (n == 0 ? PointeurIcone : 0u), P::Defaut, Bulle(n)});
    }
    for (int n = 0; n <= 10; ++n) {
        const int colonne = n == 0 ? 0 : (n - 1) % 5;
        const bool bas = n >= 6;
        ajoute({"scrHarmonic", n, G::Curseur, C::Fenetre, vide, n == 0 ? 1080 : 2520 + 600 * colonne,
                bas ? 3720 : 1200, 255, 1695, 22 - n, 0, P::Defaut, {}});
    }
    for (int n = 0; n <= 10; ++n) {
        const int colonne = n == 0 ? 0 : (n - 1) % 5;
        const bool bas = n >= 6;
        ajoute({"chkHarmonic", n, G::Case, C::Fenetre, vide, n == 0 ? 1110 : 2550 + 600 * colonne,
                bas ? 5520 : 3000, 255, 255, n == 0 ? 11 : 22 + n, 0, P::Minuscule, Bulle(n)});
    }

    // Scale labels of the sliders.
    const char* echelles[] = {"Max + 50", "Min - 50", "Max +100", "Min -100"};
    const int gauches[] = {240, 240, 1680, 1680};
    const int hauts[] = {1200, 2640, 1200, 2640};
    const int tabs[] = {33, 34, 38, 39};
    for (int i = 0; i < 4; ++i)
        ajoute({"lblHarmonic", i, G::Etiquette, C::Fenetre, echelles[i], gauches[i], hauts[i], 735,
                255, tabs[i], Droite, P::Defaut, {}});

    // The coefficient table: Frame1 holds ranks 1 to 5, Frame2 ranks 6 to 10, same layout.
    for (int j = 0; j < 2; ++j) {
        const C cadre = j == 0 ? C::Frame1 : C::Frame2;
        ajoute({"lblRang", j, G::Etiquette, cadre, "Rang", 120, 240, 495, 255, -1, 0, P::Defaut, {}});
        ajoute({"lblAn", j, G::Etiquette, cadre, "An", 120, 495, 495, 255, -1, Centre, P::Defaut,
                {}});
        ajoute({"lblBn", j, G::Etiquette, cadre, "Bn", 120, 855, 495, 255, -1, Centre, P::Defaut,
                {}});
        ajoute({"lblCn", j, G::Etiquette, cadre, "Cn", 120, 1350, 495, 255, -1, Centre, P::Defaut,
                {}});
        ajoute({"lblPhin", j, G::Etiquette, cadre, QString(QChar(0x03C6)), 135, 1590, 255, 375, -1,
                Centre, P::Phi, {}});
        ajoute({"lblPhin2", j, G::Etiquette, cadre, "n", 315, 1785, 255, 255, -1,
                Centre, P::Defaut, {}});
        struct Ligne {
            const char* nom;
            int haut;
        };
        const Ligne lignes[] = {{"TxtAn", 480}, {"txtBn", 840}, {"txtCn", 1320}, {"txtPhin", 1680}};
        for (int k = 0; k < 5; ++k) {
            const int i = 5 * j + k;
            ajoute({"lblnoRang", i, G::Etiquette, cadre, QString::number(i + 1), 720 + 600 * k, 240,
                    495, 255, -1, Centre | FondBordure, P::Defaut, {}});
        }
        // Inside a frame the boxes take the focus row by row.
        for (int l = 0; l < 4; ++l)
            for (int k = 0; k < 5; ++k)
                ajoute({lignes[l].nom, 5 * j + k, G::Texte, cadre, vide, 720 + 600 * k,
                        lignes[l].haut, 495, 285, 5 * l + k, Centre | LectureSeule, P::Defaut, {}});
    }
    return t;
}
// clang-format on

} // namespace

const std::vector<Controle>& Controles() {
    static const std::vector<Controle> table = ConstruitTable();
    return table;
}

QString NomObjet(const QString& nom, int index) {
    return index < 0 ? nom : QStringLiteral("%1(%2)").arg(nom).arg(index);
}

std::pair<QString, int> DecomposeNom(const QString& nomObjet) {
    static const QRegularExpression tableau(QStringLiteral("^(\\w+)\\((\\d+)\\)$"));
    const QRegularExpressionMatch m = tableau.match(nomObjet);
    if (!m.hasMatch()) return {nomObjet, -1};
    return {m.captured(1), m.captured(2).toInt()};
}

// Object name, member and handler all come from the one name of the row.
#define MENU(nom, texte) {#nom, texte, {}, true, &FrmOndalis::nom, nullptr, nullptr}
#define ENTREE(nom, texte, raccourci, actif) \
    {#nom, texte, raccourci, actif, nullptr, &FrmOndalis::nom, &FrmOndalis::nom##_Click}

const std::vector<EntreeMenu>& Menus() {
    static const std::vector<EntreeMenu> menus = {
        MENU(mnuFichier, "&Fichier"),
        ENTREE(mnuOuvrir, "&Ouvrir", "Ctrl+O", true),
        ENTREE(mnuEnregister, "&Enregistrer", "Ctrl+S", true),
        ENTREE(mnuImprimer, "Imprimer", {}, true),
        ENTREE(mnuExporter, "Exporter les graphes...", {}, true),
        ENTREE(mnuQuitter, "&Quitter", {}, true),
        MENU(mnuEdition, "&Edition"),
        ENTREE(mnuCopierHarmonic, "Copier le graphe des Harmoniques", "Ctrl+C", true),
        ENTREE(mnuCopierSignal, "Copier le graphe du signal", "Ctrl+X", true),
        ENTREE(mnuCopierTableau, "Copier le tableau des coefficients", {}, true),
        MENU(mnuOptions, "&Options"),
        ENTREE(mnuRang, "Rang du dernier harmonique", "Ctrl+R", false),
        MENU(mnuAffichage, "&Affichage"),
        ENTREE(mnuAffichageAide, "Affichage de l'aide", {}, true),
        ENTREE(mnuGrapheSignal, "Affichage des graphes", "F5", true),
        MENU(mnuSon, "&Son"),
        ENTREE(mnuEcouter, "&Écouter le signal", "F6", true),
        ENTREE(mnuFrequence, "Fréquence du fondamental...", {}, true),
        ENTREE(mnuEnregistrerSon, "Enregistrer le son...", {}, true),
        MENU(mnuAide, "&?"),
        ENTREE(mnuApropos, "A propos d'Ondalis", {}, true),
    };
    return menus;
}

#undef MENU
#undef ENTREE

} // namespace Calcul_Graphe::DessinOndalis
