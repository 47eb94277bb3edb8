// A lesson: what the manual mode shows (the eleven sliders, the eleven validation boxes and
// "Desactive le calcul automatique"), kept in a small UTF-8 JSON file a person can read. Read
// and written here without any widget; the main window puts a lesson on screen or takes it off.
#pragma once

#include "calcul/Etat.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace Calcul_Graphe {

// Amplitudes in percent, whole numbers, as the sliders hold them.
inline constexpr int AmplitudeLeconMax = 100;
// A lesson is under a kilobyte; a file beyond this is no lesson, and is not read further.
inline constexpr qint64 TailleLeconMax = 64 * 1024;

struct Lecon {
    std::array<int, NombreRangs> amplitudes{}; // rank 0 (mean value) to rank 10
    std::array<bool, NombreRangs> validations{};
    bool calculAutoInhibe = false;
    friend bool operator==(const Lecon&, const Lecon&) = default;
};

// A lesson read, or the reason it could not be (a French sentence, without the file's name).
struct LectureLecon {
    std::optional<Lecon> lecon;
    QString erreur;
};

// The file's text: one field per value, one line per rank.
QByteArray TexteLecon(const Lecon& lecon);
// Reads a lesson from the text of a file. Every value is checked: nothing is guessed.
LectureLecon LitLecon(const QByteArray& texte);
// Reads the file at `chemin`, at most TailleLeconMax bytes of it.
LectureLecon LitFichierLecon(const QString& chemin);
// Writes the lesson atomically: a failed write leaves any earlier file as it was. Empty on
// success, else the reason (a French sentence).
QString EcritFichierLecon(const QString& chemin, const Lecon& lecon);

} // namespace Calcul_Graphe
