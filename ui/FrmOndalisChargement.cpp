// The main window's load, its hover texts, the display menu and the end of the run.
#include "ui/FrmOndalis.h"

#include "calcul/Twips.h"
#include "graphe/Ecran.h"
#include "ui/Accessibilite.h"
#include "ui/CurseurVertical.h"
#include "ui/ZonesTexte.h"
#include "ui/ContenuDefilant.h"
#include "ui/FrmAide.h"
#include "ui/ServicesApplication.h"
#include "ui/FrmOndalisDesign.h"
#include "ui/PlacementFenetre.h"
#include "ui/Garde.h"
#include "ui/TextesAide.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>

using namespace Calcul_Graphe;

void FrmOndalis::Form_Load() {
    etat_.ModeChoixSignal = Faux;
    cboChoixSignal->addItem(QStringLiteral("Signal rectangulaire"));
    cboChoixSignal->addItem(QStringLiteral("Signal triangulaire"));
    cboChoixSignal->addItem(QStringLiteral("Signal dents de scie"));
    cboChoixSignal->setCurrentIndex(-1); // nothing chosen yet
    // The box is narrower than its items: the open list shows them whole.
    cboChoixSignal->view()->setMinimumWidth(cboChoixSignal->view()->sizeHintForColumn(0) + 10);
    SuitLesChangements(*this);

    PlaceEnHautADroite();

    for (std::size_t n = 0; n < scrHarmonic.size(); ++n) {
        scrHarmonic[n]->DefinitBornes(100, -100);
        scrHarmonic[n]->DefinitValeur(0);
        txtHarmonic[n]->setText(QStringLiteral("0"));
    }
    services_.frmAide().show();
}

void FrmOndalis::PlaceEnHautADroite() {
    PlaceCadre(*this, [this](QSize) {
        const QRect ecran = EcranTwips();
        // On a screen too small for the window, its controls scroll.
        const QMargins marges = MargesCadre(*this);
        AjusteALaPlace(*this, TailleDessin(),
                       QSize(TwipsVersPixels(ecran.width()), TwipsVersPixels(ecran.height()))
                           .shrunkBy(marges));
        const int largeur = PixelsVersTwips(TailleCadre(*this).width());
        return QPoint(TwipsVersPixels(ecran.left() + ecran.width() - largeur),
                      TwipsVersPixels(ecran.top()));
    });
}

bool FrmOndalis::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::ShortcutOverride) {
        // Ctrl+C and Ctrl+X copy graphs, not text: leave such keys to the window's menus.
        const QKeySequence touche(static_cast<QKeyEvent*>(evenement)->keyCombination());
        const auto actions = findChildren<QAction*>();
        for (const QAction* action : actions)
            if (action->isEnabled() && !action->shortcut().isEmpty() &&
                action->shortcut() == touche)
                return true;
    } else if (evenement->type() == QEvent::MouseMove && objet->isWidgetType() &&
               static_cast<QWidget*>(objet)->isEnabled()) {
        // A disabled control cannot be used: its text would invite a click that does nothing.
        Garde("survol", [&] {
            const auto [nom, index] = DessinOndalis::DecomposeNom(objet->objectName());
            const bool curseurActif = nom != u"txtHarmonic" || index < 0 ||
                                      index >= static_cast<int>(scrHarmonic.size()) ||
                                      scrHarmonic[static_cast<std::size_t>(index)]->isEnabled();
            const QString texte = TexteSurvol(nom, index, curseurActif);
            if (!texte.isEmpty()) services_.frmAide().DefinitInfo(texte);
        });
    }
    return QMainWindow::eventFilter(objet, evenement);
}

void FrmOndalis::closeEvent(QCloseEvent* evenement) {
    evenement->accept();
    Garde("closeEvent", [this] { services_.Quitte(); });
}

void FrmOndalis::mnuAffichageAide_Click() {
    services_.frmAide().show();
}

void FrmOndalis::mnuGrapheSignal_Click() {
    services_.AfficheGraphes();
}

void FrmOndalis::mnuQuitter_Click() {
    services_.Quitte();
}
