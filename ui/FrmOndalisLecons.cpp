// "Ouvrir" and "Enregistrer": a lesson taken off the manual mode's controls into a file, and
// put back from one.
#include "ui/FrmOndalis.h"

#include "OndalisVersion.h"
#include "graphe/TraceGraphes.h"
#include "output/Lecon.h"
#include "ui/CurseurVertical.h"
#include "ui/TextesCouleurs.h"
#include "ui/RoutinesOndalis.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

using namespace Calcul_Graphe;

namespace {

const QString Extension = QStringLiteral(".ondalis");
const QString Filtres = QStringLiteral("Leçons Ondalis (*.ondalis);;Tous les fichiers (*)");

// The file as the messages name it: whole, as the user's system writes paths.
QString NomFichier(const QString& chemin) {
    return QStringLiteral("« ") + QDir::toNativeSeparators(QFileInfo(chemin).absoluteFilePath()) +
           QStringLiteral(" »");
}

// Where the dialogs start: the last lesson, else a name in the home folder.
QString Depart(const QString& derniere) {
    return derniere.isEmpty() ? QDir::home().filePath(QStringLiteral("leçon.ondalis")) : derniere;
}

} // namespace

void FrmOndalis::mnuOuvrir_Click() {
    const QString chemin = QFileDialog::getOpenFileName(this, QStringLiteral("Ouvrir une leçon"),
                                                        Depart(derniereLecon_), Filtres);
    if (!chemin.isEmpty()) OuvreLecon(chemin);
}

void FrmOndalis::mnuEnregister_Click() {
    QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Enregistrer la leçon"),
                                                  Depart(derniereLecon_), Filtres);
    if (chemin.isEmpty()) return;
    if (!chemin.endsWith(Extension, Qt::CaseInsensitive)) {
        chemin += Extension;
        // The dialog asked about the name typed, not about this one.
        if (QFileInfo::exists(chemin)) {
            QMessageBox question(
                QMessageBox::NoIcon, QStringLiteral(ONDALIS_TITRE),
                TexteQt(QStringLiteral("Le fichier %1 existe déjà.\rLe remplacer ?")
                            .arg(NomFichier(chemin))),
                QMessageBox::Yes | QMessageBox::No, this);
            question.setDefaultButton(QMessageBox::No);
            if (question.exec() != QMessageBox::Yes) return;
        }
    }
    EnregistreLecon(chemin);
}

bool FrmOndalis::OuvreLecon(const QString& chemin) {
    const LectureLecon lecture = LitFichierLecon(chemin);
    if (!lecture.lecon) {
        Avertit(*this,
                QStringLiteral("Impossible d'ouvrir la leçon %1.\r").arg(NomFichier(chemin)) +
                    lecture.erreur);
        return false;
    }
    MetLecon(*lecture.lecon);
    derniereLecon_ = chemin;
    return true;
}

bool FrmOndalis::EnregistreLecon(const QString& chemin) {
    const QString raison = EcritFichierLecon(chemin, LeconAffichee());
    if (!raison.isEmpty()) {
        Avertit(*this,
                QStringLiteral("Impossible d'enregistrer la leçon %1.\r").arg(NomFichier(chemin)) +
                    raison);
        return false;
    }
    derniereLecon_ = chemin;
    return true;
}

Lecon FrmOndalis::LeconAffichee() const {
    Lecon lecon;
    for (std::size_t n = 0; n < lecon.amplitudes.size(); ++n) {
        lecon.amplitudes[n] = scrHarmonic[n]->Valeur();
        lecon.validations[n] = chkHarmonic[n]->checkState() == Qt::Checked;
    }
    lecon.calculAutoInhibe = chkNoAuto->checkState() == Qt::Checked;
    return lecon;
}

void FrmOndalis::MetLecon(const Lecon& lecon) {
    // Automatic calculation off while the controls change, so that none of them draws; then the
    // graphs are drawn once, from the whole lesson, whatever its own switch says.
    chkNoAuto->setChecked(true);
    for (std::size_t n = 0; n < lecon.amplitudes.size(); ++n) {
        scrHarmonic[n]->DefinitValeur(lecon.amplitudes[n]);
        chkHarmonic[n]->setChecked(lecon.validations[n]);
    }
    EffaceGraphes(*this);
    for (std::int16_t rang = 0; rang < NombreRangs; ++rang)
        if (lecon.validations[rang]) CalculeHarmoniqueReglee(*this, rang);
    RetraceHarmoniques(etat_, graphes_);
    chkNoAuto->setChecked(lecon.calculAutoInhibe);
}
