"""Reads Ondalis through AT-SPI as a screen reader does: every control has a short name and
its help text, the graph windows are windows and their surfaces named charts whose sentence
follows what they show, and readers are told when it changes; the signal list keeps its name
once a signal is chosen. Acts through AT-SPI too (a slider's value, a check box's and a button's
action, the list's popup and keys). Prints what it saw; exit 1 on a fault."""

import sys
import time

import pyatspi
from gi.repository import GLib

LONGUEUR_NOM_MAX = 45  # the longest caption of the window, far below a help sentence
CONTROLES = {"push button", "check box", "radio button", "combo box", "text", "slider",
             "image", "chart", "toggle button"}
CURSEUR = ("Ce curseur regle la valeur de l'harmonique de rang {}. "
           "Pour etre pris en compte, celui-ci doit être validé.")

fautes = []


def faute(message):
    fautes.append(message)
    print("ECHEC : " + message, file=sys.stderr)


def application(delai=20.0):
    """The program on the bus, once its four windows are there."""
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        bureau = pyatspi.Registry.getDesktop(0)
        for i in range(bureau.childCount):
            app = bureau.getChildAtIndex(i)
            if app is not None and app.name == "Ondalis" and app.childCount >= 4:
                return app
        time.sleep(0.1)
    print("ECHEC : l'application Ondalis n'apparaît pas sur le bus d'accessibilité",
          file=sys.stderr)
    sys.exit(1)


def noeuds(racine):
    pile, tous = [racine], []
    while pile:
        n = pile.pop()
        tous.append(n)
        pile.extend(c for c in (n.getChildAtIndex(i) for i in range(n.childCount))
                    if c is not None)
    return tous


def un(tous, role, nom):
    trouves = [n for n in tous if n.getRoleName() == role and n.name == nom]
    if len(trouves) != 1:
        print(f"ECHEC : {len(trouves)} nœud(s) {role} « {nom} »", file=sys.stderr)
        sys.exit(1)
    return trouves[0]


def attend(condition, delai=5.0):
    """Lets AT-SPI deliver its events (they refresh its cache) until the condition holds."""
    contexte = GLib.MainContext.default()
    fin = time.monotonic() + delai
    while True:
        while contexte.pending():
            contexte.iteration(False)
        if condition():
            return True
        if time.monotonic() > fin:
            return False
        time.sleep(0.02)


def agit(noeud, actions):
    action = noeud.queryAction()
    noms = [action.getName(i) for i in range(action.nActions)]
    for nom in actions:
        if nom in noms:
            action.doAction(noms.index(nom))
            return
    faute(f"{noeud.name} : aucune action parmi {actions} ({noms})")


def main():
    app = application()
    tous = noeuds(app)
    print(f"{len(tous)} nœuds")

    # Windows: every one a frame named by its caption, none a bare filler.
    fenetres = {app.getChildAtIndex(i).name: app.getChildAtIndex(i).getRoleName()
                for i in range(app.childCount)}
    print("fenêtres :", fenetres)
    for titre in ("Signal reconstitué", "Graphe des Harmoniques sélectionnés",
                  "Ondalis - Version Béta", "Aide"):
        if fenetres.get(titre) != "frame":
            faute(f"fenêtre « {titre} » : rôle {fenetres.get(titre)} au lieu de frame")

    # Every control: a short one-line name; a focusable one also its help text.
    for n in tous:
        role = n.getRoleName()
        if role not in CONTROLES:
            continue
        if not n.name or len(n.name) > LONGUEUR_NOM_MAX or "\n" in n.name:
            faute(f"{role} au nom vide ou long : « {n.name} »")
        if n.getState().contains(pyatspi.STATE_FOCUSABLE) and role != "image":
            if not n.description or n.description == n.name:
                faute(f"{role} « {n.name} » sans texte d'aide")

    # Exact names and texts, and the place of each surface.
    attendus = [
        ("combo box", "Signal prédéfini", "Dérouler pour choisir un signal prédéfini."),
        ("slider", "Curseur Harmonique 10", CURSEUR.format(10)),
        ("image", "Signal dents de scie", ""),
        ("chart", "Graphe du signal", "Aucun signal tracé"),
        ("chart", "Graphe des Harmoniques", "Aucun rang validé"),
        ("menu bar", "Barre de menus", ""),
        ("list", "Liste des signaux prédéfinis", ""),
    ]
    for role, nom, description in attendus:
        n = un(tous, role, nom)
        if n.description != description:
            faute(f"{role} « {nom} » : « {n.description} » au lieu de « {description} »")
    curseurs = [n for n in tous if n.getRoleName() == "slider"]
    if len(curseurs) != 11:
        faute(f"{len(curseurs)} curseurs au lieu de 11")
    signal = un(tous, "chart", "Graphe du signal")
    harmoniques = un(tous, "chart", "Graphe des Harmoniques")
    for surface, fenetre in ((signal, "Signal reconstitué"),
                             (harmoniques, "Graphe des Harmoniques sélectionnés")):
        if surface.parent.name != fenetre:
            faute(f"« {surface.name} » dans « {surface.parent.name} » au lieu de « {fenetre} »")

    # Readers are told when a surface's sentence changes.
    annonces = []
    pyatspi.Registry.registerEventListener(
        lambda e: annonces.append((e.source.name, e.source.description)),
        "object:property-change:accessible-description")

    def apres(etape, action, textes):
        del annonces[:]
        action()
        vus = lambda: (harmoniques.description, signal.description)
        annonces_vues = lambda: {s for s, _ in annonces} >= {harmoniques.name, signal.name}
        if not attend(lambda: vus() == textes and annonces_vues()):
            if vus() != textes:
                faute(f"{etape} : {vus()} au lieu de {textes}")
            else:
                faute(f"{etape} : changement non annoncé aux lecteurs ({annonces})")
        else:
            print(f"{etape} : {vus()}, {len(annonces)} annonce(s)")

    moyenne = un(tous, "slider", "Curseur Valeur moyenne")
    apres("valeur moyenne à 50 et validée",
          lambda: (setattr(moyenne.queryValue(), "currentValue", 50.0),
                   agit(un(tous, "check box", "Validation Valeur moyenne"), ("Toggle", "Press"))),
          ("Rang validé : 0", "Valeur extrême : 50"))
    if moyenne.queryValue().currentValue != 50.0:
        faute(f"le curseur dit {moyenne.queryValue().currentValue} au lieu de 50")
    amplitude = un(tous, "text", "Valeur moyenne").queryText()
    if amplitude.getText(0, -1) != "50":
        faute(f"amplitude de la valeur moyenne : « {amplitude.getText(0, -1)} »")
    apres("RAZ", lambda: agit(un(tous, "push button", "RAZ"), ("Press",)),
          ("Aucun rang validé", "Aucun signal tracé"))

    # A signal chosen as a keyboard user does: the list keeps its name, its popup's item is the
    # choice.
    agit(un(tous, "radio button", "Choix d'un signal"), ("Toggle",))
    liste = un(tous, "combo box", "Signal prédéfini")
    attend(lambda: liste.getState().contains(pyatspi.STATE_SHOWING))
    agit(liste, ("ShowMenu",))
    attend(lambda: liste.getState().contains(pyatspi.STATE_EXPANDED))
    for touche in (0xFF54, 0xFF0D):  # Down, Return
        pyatspi.Registry.generateKeyboardEvent(touche, None, pyatspi.KEY_SYM)
    elements = liste.getChildAtIndex(0)
    choisi = lambda: [elements.getChildAtIndex(i).name for i in range(elements.childCount)
                      if elements.getChildAtIndex(i).getState().contains(pyatspi.STATE_SELECTED)]
    if not attend(lambda: choisi() == ["Signal triangulaire"]):
        faute(f"choix au clavier : {choisi()} au lieu de ['Signal triangulaire']")
    attend(lambda: liste.name != "Signal prédéfini", 1.0)  # a renaming would have come by now
    if liste.name != "Signal prédéfini":
        faute(f"la liste s'appelle « {liste.name} » après le choix")
    else:
        print(f"choix au clavier : {choisi()}, la liste garde son nom")

    return 1 if fautes else 0


if __name__ == "__main__":
    sys.exit(main())
