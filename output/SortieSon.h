// The sound on the system's audio output and in a WAV file.
#pragma once

#include "calcul/Son.h"

#include <QLibrary>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

class SortieAudio;

namespace Calcul_Graphe {

// Plays the sound endlessly while started. The audio output is opened at the first start
// only (SortieAudio.h): a program that never plays never loads the audio libraries nor talks
// to the audio server.
class LectureSon : public QObject {
    Q_OBJECT
public:
    explicit LectureSon(QObject* parent = nullptr);
    ~LectureSon() override;

    // Starts playing, gliding in; false when no audio output can be opened.
    bool Demarre();
    // Glides out, then lets the audio output go.
    void Arrete();
    bool EnCours() const { return enCours_; }

    // What is heard, now or at the next start.
    void DefinitSpectre(std::vector<Partiel> spectre);
    void DefinitFrequence(double frequence);
    const std::vector<Partiel>& Spectre() const { return spectre_; }
    double Frequence() const;

signals:
    // The audio output failed while playing: the sound has stopped.
    void interrompue();

private:
    void LibereSortie();

    mutable std::mutex verrou_; // the generator, shared with the output's thread
    GenerateurSon generateur_;
    std::vector<Partiel> spectre_;
    bool enCours_ = false;
    QLibrary module_;
    std::unique_ptr<SortieAudio> sortie_;
    QTimer arret_; // lets the output go once the glide out has been heard
};

// Writes the samples to `chemin` as a WAV file, atomically: the file is replaced only once all
// of it is written. The reason, in French, when it could not be written.
std::optional<QString> EnregistreWav(const QString& chemin,
                                     std::span<const std::int16_t> echantillons);

} // namespace Calcul_Graphe
