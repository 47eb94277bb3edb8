#include "ui/TextesAide.h"

namespace Calcul_Graphe {

namespace {
const QChar RetourLigne(13);
}

QString TexteSurvol(const QString& nom, int index, bool curseurActif) {
    const QString n = QString::number(index);
    const QString rangSuivant = QString::number(index + 1);
    if (nom == u"optChoix" && index == 0)
        return QStringLiteral(
            "Cliquer ici pour regler les amplitudes des harmoniques individuellement.");
    if (nom == u"optChoix" && index == 1)
        return QStringLiteral("Cliquer ici pour choisir un signal prédéfini.") + RetourLigne +
               QStringLiteral("Choisir le signal ci-dessous.");
    if (nom == u"chkHarmonic")
        return QStringLiteral("Cliquer ici pour valider l'harmonic de rang ") + n;
    if (nom == u"txtHarmonic") {
        const QString debut = QStringLiteral("Amplitude en % de l'harmonique de rang ") + n;
        if (!curseurActif) return debut + QStringLiteral(". Réglage IMPOSSIBLE dans ce cas.");
        return debut + QStringLiteral(". Réglage par curseur.") + RetourLigne +
               QStringLiteral("Un double click remet le curseur à 0");
    }
    if (nom == u"TxtAn") return QStringLiteral("Valeur du coefficient A") + rangSuivant;
    if (nom == u"txtBn") return QStringLiteral("Valeur du coefficient B") + rangSuivant;
    if (nom == u"txtCn") return QStringLiteral("Valeur du coefficient C") + rangSuivant;
    if (nom == u"txtPhin")
        return QStringLiteral("Valeur de la phase à l'origine de l'harmonique de rang ") +
               rangSuivant;
    if (nom == u"cmdRAZ") return QStringLiteral("Cliquer ici pour une remise à zéro.");
    if (nom == u"chkNoAuto")
        return QStringLiteral("Si les performances de votre ordinateur sont en chute libre, "
                              "désactiver le calcul automatique.");
    if (nom == u"chkHarmonicSup")
        return QStringLiteral("Ajoute les Harmoniques dont le rang est compris entre 10 et la "
                              "valeur définie dans le menu options.");
    if (nom == u"txtRapportCyclique")
        return QStringLiteral(
            "Entrer ici le rapport cyclique du signal à décomposer. Valider par Ok.");
    if (nom == u"Label2") return QStringLiteral("Dérouler pour choisir un signal prédéfini.");
    if (nom == u"imgSignal") return QStringLiteral("Représentation du signal choisi.");
    if (nom == u"lblInfo") return TexteLblInfo();
    return {};
}

QString TexteCurseur(int rang) {
    return QStringLiteral("Ce curseur regle la valeur de l'harmonique de rang ") +
           QString::number(rang) +
           QStringLiteral(". Pour etre pris en compte, celui-ci doit être validé.");
}

QString TexteLblInfo() {
    return QStringLiteral("Fenêtre d'informations.") + RetourLigne +
           QStringLiteral("Déplacer le curseur sur l'écran et observer.");
}

QString TexteInitialLblInfo() {
    return QStringLiteral("Fenêtre d'information.");
}

} // namespace Calcul_Graphe
