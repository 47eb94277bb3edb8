#include "output/SortieSon.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFileInfo>
#include <QIODevice>
#include <QMediaDevices>
#include <QSaveFile>

namespace Calcul_Graphe {

namespace {

// Enough for a busy window not to starve the output, little enough to hear a change at once.
constexpr int LatenceMs = 80;

} // namespace

// The endless stream the audio output pulls from.
class LectureSon::Source : public QIODevice {
public:
    explicit Source(GenerateurSon& generateur) : generateur_(generateur) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return (1 << 20) + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* donnees, qint64 taille) override {
        const auto n = static_cast<std::size_t>(taille / 2);
        generateur_.Produit({reinterpret_cast<std::int16_t*>(donnees), n});
        return static_cast<qint64>(n * 2);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    GenerateurSon& generateur_;
};

LectureSon::LectureSon(QObject* parent) : QObject(parent) {
    arret_.setSingleShot(true);
    arret_.setInterval(LatenceMs + 2 * static_cast<int>(1000 * DureeGlissementSon) + 20);
    connect(&arret_, &QTimer::timeout, this, [this] { LibereSortie(); });
}

LectureSon::~LectureSon() {
    LibereSortie();
}

bool LectureSon::Demarre() {
    arret_.stop();
    generateur_.DefinitSpectre(spectre_);
    if (sortie_) {
        enCours_ = true;
        return true;
    }
    const QAudioDevice peripherique = QMediaDevices::defaultAudioOutput();
    if (peripherique.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(FrequenceEchantillonnage);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!peripherique.isFormatSupported(format)) return false;

    source_ = std::make_unique<Source>(generateur_);
    sortie_ = std::make_unique<QAudioSink>(peripherique, format);
    sortie_->setBufferSize(FrequenceEchantillonnage * 2 * LatenceMs / 1000);
    sortie_->start(source_.get());
    if (sortie_->error() != QAudio::NoError || sortie_->state() == QAudio::StoppedState) {
        LibereSortie();
        return false;
    }
    connect(sortie_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State etat) {
        if (etat != QAudio::StoppedState || !sortie_ || sortie_->error() == QAudio::NoError)
            return;
        // The server went away, or the device with it.
        const bool jouait = enCours_;
        enCours_ = false;
        QTimer::singleShot(0, this, [this] { LibereSortie(); });
        if (jouait) emit interrompue();
    });
    enCours_ = true;
    return true;
}

void LectureSon::Arrete() {
    if (!enCours_) return;
    enCours_ = false;
    generateur_.DefinitSpectre({});
    arret_.start();
}

void LectureSon::LibereSortie() {
    if (sortie_) {
        sortie_->disconnect(this);
        sortie_->stop();
    }
    sortie_.reset();
    source_.reset();
    // A later start glides in from silence.
    generateur_.DefinitSpectre({});
}

void LectureSon::DefinitSpectre(std::vector<Partiel> spectre) {
    spectre_ = std::move(spectre);
    if (enCours_) generateur_.DefinitSpectre(spectre_);
}

void LectureSon::DefinitFrequence(double frequence) {
    generateur_.DefinitFrequence(frequence);
}

std::optional<QString> EnregistreWav(const QString& chemin,
                                     std::span<const std::int16_t> echantillons) {
    const std::string octets = FichierWav(echantillons);
    QSaveFile fichier(chemin);
    if (fichier.open(QIODevice::WriteOnly) &&
        fichier.write(octets.data(), static_cast<qint64>(octets.size())) ==
            static_cast<qint64>(octets.size()) &&
        fichier.commit())
        return std::nullopt;
    return QStringLiteral("Le son n'a pas pu être enregistré dans le fichier « %1 ».\r%2")
        .arg(QFileInfo(chemin).fileName(), fichier.errorString());
}

} // namespace Calcul_Graphe
