// The main window's load, its hover texts, the display menu and the end of the run.
#include "ui/FrmOndalis.h"

#include "app/Ondalis.h"
#include "calcul/Twips.h"
#include "ui/Adaptateurs.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalisDesign.h"
#include "ui/Garde.h"
#include "ui/TextesAide.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

using namespace Calcul_Graphe;

void FrmOndalis::Form_Load() {
    app_.etat().ModeChoixSignal = Faux;
    cboChoixSignal->addItem(QStringLiteral("Signal rectangulaire"));
    cboChoixSignal->addItem(QStringLiteral("Signal triangulaire"));
    cboChoixSignal->addItem(QStringLiteral("Signal dents de scie"));
    cboChoixSignal->setCurrentIndex(-1); // nothing chosen yet
    // The box is narrower than its items: the open list shows them whole.
    cboChoixSignal->view()->setMinimumWidth(cboChoixSignal->view()->sizeHintForColumn(0) + 10);

    PlaceEnHautADroite();

    for (std::size_t n = 0; n < scrHarmonic.size(); ++n) {
        scrHarmonic[n]->DefinitBornes(100, -100);
        scrHarmonic[n]->DefinitValeur(0);
        txtHarmonic[n]->setText(QStringLiteral("0"));
    }
    app_.frmAide().show();
}

void FrmOndalis::PlaceEnHautADroite() {
    // The platform window gives the frame's size, so the outer width is the real one.
    winId();
    const QRect ecran = Ondalis::EcranTwips();
    const int largeur = PixelsVersTwips(frameGeometry().width());
    move(TwipsVersPixels(ecran.left() + ecran.width() - largeur), TwipsVersPixels(ecran.top()));
    largeurPlacee_ = frameGeometry().width();
}

void FrmOndalis::showEvent(QShowEvent* evenement) {
    QMainWindow::showEvent(evenement);
    // Some window managers tell the frame only once the window is mapped.
    if (frameGeometry().width() != largeurPlacee_) PlaceEnHautADroite();
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
    } else if (evenement->type() == QEvent::MouseMove) {
        Garde([&] {
            const auto [nom, index] = DessinOndalis::DecomposeNom(objet->objectName());
            const bool curseurActif = nom != u"txtHarmonic" || index < 0 ||
                                      index >= static_cast<int>(scrHarmonic.size()) ||
                                      scrHarmonic[static_cast<std::size_t>(index)]->isEnabled();
            const QString texte = TexteSurvol(nom, index, curseurActif);
            if (!texte.isEmpty()) app_.frmAide().DefinitInfo(texte);
        });
    }
    return QMainWindow::eventFilter(objet, evenement);
}

void FrmOndalis::closeEvent(QCloseEvent* evenement) {
    evenement->accept();
    Garde([this] { app_.Quitte(); });
}

void FrmOndalis::mnuAffichageAide_Click() {
    app_.frmAide().show();
}

void FrmOndalis::mnuGrapheSignal_Click() {
    app_.AfficheGraphes();
}

void FrmOndalis::mnuQuitter_Click() {
    app_.Quitte();
}
