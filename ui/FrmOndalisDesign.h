// The main window's design as data: one row per control, positions in twips in the control's
// container, as the design gives them. FrmOndalis turns the rows into widgets in one loop.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <vector>

class FrmOndalis;
class QAction;
class QMenu;

namespace Calcul_Graphe::DessinOndalis {

enum class Genre {
    Option,        // option button drawn as a push button that stays pressed
    BoutonBascule, // check box drawn as a push button that stays pressed
    Bouton,
    Case,           // check box
    Etiquette,      // label
    Liste,          // drop-down list
    Texte,          // text box
    TexteAmplitude, // text box reporting clicks (amplitude texts)
    Curseur,        // vertical slider
    Image,
    Cadre, // frame without title
};

enum class Conteneur { Fenetre, Frame1, Frame2 };

enum class Police { Defaut, Choix, Invite, Petite, Minuscule, Phi };

enum Drapeau : unsigned {
    Cache = 1u << 0,
    Centre = 1u << 1,
    Droite = 1u << 2,
    LectureSeule = 1u << 3,
    Bordure = 1u << 4,
    Enveloppe = 1u << 5, // the caption wraps over several lines
    Coche = 1u << 6,     // selected / ticked at creation
    TexteRouge = 1u << 7,
    FondBordure = 1u << 8, // background in the colour of active window borders
    PointeurIcone = 1u << 9,
};

struct Controle {
    QString nom; // design name
    int index;   // index in its array, -1 for a single control
    Genre genre;
    Conteneur conteneur;
    QString texte;                      // caption or text
    int gauche, haut, largeur, hauteur; // twips
    int tabulation;                     // tab index, -1 when the control has none
    unsigned drapeaux;
    Police police;
    QString bulle; // hover tip
};

// The whole window: client area, then every control, in the order the design lists them.
inline constexpr int LargeurClient = 5475;
inline constexpr int HauteurClient = 8340;

const std::vector<Controle>& Controles();

// Design name of a control as Qt's objectName: "nom" or "nom(index)".
QString NomObjet(const QString& nom, int index);
// The reverse: "TxtAn(3)" -> {"TxtAn", 3}; a single control gets -1.
std::pair<QString, int> DecomposeNom(const QString& nomObjet);

// The widget made for the design row nom(index), as a T. A name the design does not have, or
// a control of another kind, throws std::logic_error in every build, so a misspelt binding
// fails the first test that makes the window.
template <class T>
T* ControleLie(const QHash<QString, QWidget*>& widgets, const QString& nom, int index = -1) {
    const QString nomObjet = NomObjet(nom, index);
    auto* controle = qobject_cast<T*>(widgets.value(nomObjet));
    if (!controle) throw std::logic_error("pas de tel contrôle : " + nomObjet.toStdString());
    return controle;
}

// Menus: each top-level menu, then its entries, with caption, shortcut and state, and the
// window's member each is bound to (an entry also to its handler, under the guard). An entry
// is one row here, its QAction member and its handler "nom_Click".
struct EntreeMenu {
    const char* nom;
    QString texte;
    QString raccourci; // portable text of the key sequence, empty if none
    bool actif;
    QMenu* FrmOndalis::*menu;           // a top-level menu; null for an entry
    QAction* FrmOndalis::*entree;       // an entry of the menu above it; null for a menu
    void (FrmOndalis::*gestionnaire)(); // the entry's handler
};
const std::vector<EntreeMenu>& Menus();

} // namespace Calcul_Graphe::DessinOndalis
