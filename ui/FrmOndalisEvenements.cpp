// Handlers of the two modes, the signal choice, the duty cycle and the rank options.
#include "ui/FrmOndalis.h"

#include "calcul/Nombres.h"
#include "calcul/Reglage.h"
#include "calcul/SignalTotal.h"
#include "graphe/TraceGraphes.h"
#include "ui/CurseurVertical.h"
#include "ui/TextesCouleurs.h"
#include "ui/RoutinesOndalis.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Calcul_Graphe;

namespace {

// The higher ranks changed: recompute the signal and redraw the rebuilt signal only.
void RecalculeSignalReconstitue(FrmOndalis& f) {
    CalculeOuSignaleErreur(f, [&f] {
        CalculeSignalChoisi(f);
        CalculeSignalTotal(f.etat());
        TraceSignal(f.etat(), f.graphes());
    });
}

} // namespace

void FrmOndalis::optChoix_Click(std::int16_t Index) {
    Etat& etat = etat_;
    if (Index == 0) {
        etat.ModeChoixSignal = Faux;
        for (CurseurVertical* curseur : scrHarmonic)
            curseur->setEnabled(true);
        // The sawtooth locked the mean-value box too: give it back with its slider.
        chkHarmonic[0]->setEnabled(true);
    } else {
        etat.ModeChoixSignal = Vrai;
        RAZComplete(*this);
    }
    AfficheChoixSignal();
}

void FrmOndalis::AfficheChoixSignal() {
    const bool choix = etat_.ModeChoixSignal != Faux;
    cboChoixSignal->setVisible(choix);
    txtRapportCyclique->setVisible(choix);
    Label1->setVisible(choix);
    Label2->setVisible(choix);
    if (choix)
        Timer1->start();
    else
        Timer1->stop();
    cmdRapportCyclique->setVisible(choix);
    lblRapportCyclique->setVisible(choix);
    mnuRang->setEnabled(choix);
    chkHarmonicSup->setVisible(choix);
    chkNoAuto->setVisible(!choix);
    cmdRAZ->setVisible(!choix);
    chkNoAuto->setChecked(false); // its handler turns automatic calculation back on
    Frame1->setVisible(choix);
    Frame2->setVisible(choix);
    imgSignal->setVisible(choix);
    mnuOuvrir->setEnabled(!choix);
    mnuEnregister->setEnabled(!choix);
}

void FrmOndalis::cboChoixSignal_Click() {
    Timer1->stop();
    Label1->setVisible(true);
    RAZHarmoniques(*this);
    const int index = cboChoixSignal->currentIndex();
    const std::array<QLabel*, 3> images = {imgRectangulaire, imgTriangle, imgDentsdeScie};
    if (index >= 0 && index < 3) {
        // The box takes the size of the picture put into it, plus its border.
        const QPixmap image = images[index]->pixmap();
        imgSignal->setPixmap(image);
        imgSignal->resize(image.deviceIndependentSize().toSize() +
                          QSize(2, 2) * imgSignal->frameWidth());
    }
    if (index == 2) txtRapportCyclique->setText(QStringLiteral("90"));
    imgSignal->setVisible(true);
    // A new signal frees the mean value the sawtooth locked; the sawtooth locks it again.
    scrHarmonic[0]->setEnabled(true);
    chkHarmonic[0]->setEnabled(true);
    CalculeOuSignaleErreur(*this, [this] { CalculeSignalChoisi(*this); });
}

void FrmOndalis::cmdRapportCyclique_Click() {
    const char separateur = SeparateurDecimal();
    CalculeOuSignaleErreur(*this, [this, separateur] {
        if (const auto pourcent =
                TexteFractionEnPourcent(txtRapportCyclique->text().toStdString(), separateur))
            txtRapportCyclique->setText(QString::fromStdString(*pourcent));
        txtRapportCyclique->setText(QString::fromStdString(
            TextePlancher(txtRapportCyclique->text().toStdString(), separateur)));
        CalculeSignalChoisi(*this);
        RetraceHarmoniques(etat_, graphes_);
    });
}

void FrmOndalis::Timer1_Timer() {
    Label1->setVisible(Label1->isHidden());
}

void FrmOndalis::chkHarmonicSup_Click() {
    etat_.RangsSupActifs = chkHarmonicSup->isChecked() ? Vrai : Faux;
    RecalculeSignalReconstitue(*this);
}

void FrmOndalis::mnuRang_Click() {
    Etat& etat = etat_;
    bool confirme = false;
    const QString reponse = QInputDialog::getText(
        this, QStringLiteral("Rang supérieur"),
        TexteQt(QStringLiteral("Entrez le rang du dernier harmonique pris en compte.\r"
                               "Plus la valeur est grande plus les performances sont faibles.\r"
                               "LA VALEUR EST LIMITE A 2000 !")),
        QLineEdit::Normal, TexteEntier(etat.RangMax), &confirme);
    if (!confirme) return; // a cancelled box keeps the rank
    etat.RangMax = LitRangMax(reponse.toStdString());
    RecalculeSignalReconstitue(*this);
}
