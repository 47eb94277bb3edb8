// The menu "&Son": hearing the rebuilt signal, its fundamental's frequency, the WAV file.
#include "calcul/Nombres.h"
#include "calcul/Son.h"
#include "graphe/SurfaceGraphe.h"
#include "output/SortieSon.h"
#include "ui/TextesCouleurs.h"
#include "ui/FrmOndalis.h"
#include "ui/RoutinesOndalis.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QTimer>
#include <cmath>

using namespace Calcul_Graphe;

void FrmOndalis::SuitLeSignal() {
    son_ = std::make_unique<LectureSon>(this);
    mnuEcouter->setCheckable(true);
    connect(son_.get(), &LectureSon::interrompue, this, [this] {
        mnuEcouter->setChecked(false);
        Avertit(*this, QStringLiteral("La sortie audio s'est interrompue : l'écoute du signal "
                                      "s'arrête."));
    });
    // Every change the user makes ends in a redraw of the signal graph, which starts with a
    // clear. The sound is brought up to date once the whole change is done: a handler may
    // redraw many times, and the graph may end bare (a reset), which is silence.
    connect(graphes_.signal, &SurfaceGraphe::effacee, this, [this] {
        if (spectreAttendu_) return;
        spectreAttendu_ = true;
        QTimer::singleShot(0, this, [this] {
            spectreAttendu_ = false;
            son_->DefinitSpectre(graphes_.signal->Nue() ? std::vector<Partiel>{}
                                                        : SpectreSignal(etat_));
        });
    });
}

void FrmOndalis::mnuEcouter_Click() {
    if (!mnuEcouter->isChecked()) {
        son_->Arrete();
        return;
    }
    if (son_->Demarre()) return;
    mnuEcouter->setChecked(false);
    Avertit(*this, QStringLiteral("Aucune sortie audio n'est disponible : le signal ne peut pas "
                                  "être écouté.\rIl peut toujours être enregistré dans un "
                                  "fichier (menu Son, « Enregistrer le son... »)."));
}

void FrmOndalis::mnuFrequence_Click() {
    const char separateur = SeparateurDecimal();
    bool confirme = false;
    const QString reponse = QInputDialog::getText(
        this, QStringLiteral("Fréquence du fondamental"),
        TexteQt(QStringLiteral("Entrez la fréquence du fondamental, en hertz.\r"
                               "LA VALEUR EST COMPRISE ENTRE 20 ET 2000 !")),
        QLineEdit::Normal, QString::fromStdString(TexteNombre(son_->Frequence(), separateur)),
        &confirme);
    if (!confirme) return;
    double frequence = NAN;
    try {
        frequence = LitNombre(reponse.toStdString(), separateur);
    } catch (const ErreurExecution&) {
    }
    if (frequence >= FrequenceFondamentalMin && frequence <= FrequenceFondamentalMax) {
        son_->DefinitFrequence(frequence);
        return;
    }
    Avertit(*this, QStringLiteral("La fréquence du fondamental doit être un nombre compris "
                                  "entre 20 et 2000 Hz.\r") +
                       TexteSeparateurDecimal());
}

void FrmOndalis::mnuEnregistrerSon_Click() {
    QString chemin = QFileDialog::getSaveFileName(
        this, QStringLiteral("Enregistrer le son"),
        QDir::home().filePath(QStringLiteral("signal.wav")), QStringLiteral("Son WAV (*.wav)"));
    if (chemin.isEmpty()) return;
    if (QFileInfo(chemin).suffix().isEmpty()) chemin += QStringLiteral(".wav");
    const std::vector<std::int16_t> son =
        GenereSon(son_->Spectre(), son_->Frequence(), DureeFichierSon);
    if (const auto erreur = EnregistreWav(chemin, son)) Avertit(*this, *erreur);
}
