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

// What the output holds ahead. A change is heard after it at most; below 250 ms, a machine
// running ten busy processes on two cores starved the output a few times a minute.
constexpr int LatenceMs = 250;

} // namespace

// The endless stream the audio output pulls from, on the sound's own thread.
class LectureSon::Source : public QIODevice {
public:
    Source(GenerateurSon& generateur, std::mutex& verrou)
        : generateur_(generateur), verrou_(verrou) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return (1 << 20) + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* donnees, qint64 taille) override {
        const auto n = static_cast<std::size_t>(taille / 2);
        const std::lock_guard verrou(verrou_);
        generateur_.Produit({reinterpret_cast<std::int16_t*>(donnees), n});
        return static_cast<qint64>(n * 2);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    GenerateurSon& generateur_;
    std::mutex& verrou_;
};

LectureSon::LectureSon(QObject* parent) : QObject(parent), contexte_(std::make_unique<QObject>()) {
    arret_.setSingleShot(true);
    arret_.setInterval(LatenceMs + 2 * static_cast<int>(1000 * DureeGlissementSon) + 20);
    connect(&arret_, &QTimer::timeout, this, [this] { LibereSortie(); });
    // The samples are drawn on a thread of their own, so that a busy window never starves
    // the output; it starts with the first sound.
    contexte_->moveToThread(&fil_);
}

LectureSon::~LectureSon() {
    LibereSortie();
    fil_.quit();
    fil_.wait();
}

bool LectureSon::Demarre() {
    arret_.stop();
    {
        const std::lock_guard verrou(verrou_);
        generateur_.DefinitSpectre(spectre_);
    }
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

    if (!fil_.isRunning()) fil_.start();
    QMetaObject::invokeMethod(
        contexte_.get(),
        [&] {
            source_ = new Source(generateur_, verrou_);
            sortie_ = new QAudioSink(peripherique, format);
            sortie_->setBufferSize(FrequenceEchantillonnage * 2 * LatenceMs / 1000);
            sortie_->start(source_);
            if (sortie_->error() != QAudio::NoError || sortie_->state() == QAudio::StoppedState) {
                Detruit();
                return;
            }
            connect(sortie_, &QAudioSink::stateChanged, contexte_.get(), [this](QAudio::State e) {
                // The server went away, or the device with it.
                if (e == QAudio::StoppedState && sortie_->error() != QAudio::NoError)
                    QMetaObject::invokeMethod(this, [this] { SortiePerdue(); });
            });
        },
        Qt::BlockingQueuedConnection);
    enCours_ = sortie_ != nullptr;
    return enCours_;
}

void LectureSon::SortiePerdue() {
    const bool jouait = enCours_;
    enCours_ = false;
    LibereSortie();
    if (jouait) emit interrompue();
}

void LectureSon::Arrete() {
    if (!enCours_) return;
    enCours_ = false;
    {
        const std::lock_guard verrou(verrou_);
        generateur_.DefinitSpectre({});
    }
    arret_.start();
}

void LectureSon::Detruit() {
    delete sortie_;
    delete source_;
    sortie_ = nullptr;
    source_ = nullptr;
}

void LectureSon::LibereSortie() {
    if (sortie_)
        QMetaObject::invokeMethod(
            contexte_.get(),
            [this] {
                sortie_->stop();
                Detruit();
            },
            Qt::BlockingQueuedConnection);
    // A later start glides in from silence.
    const std::lock_guard verrou(verrou_);
    generateur_.DefinitSpectre({});
}

void LectureSon::DefinitSpectre(std::vector<Partiel> spectre) {
    spectre_ = std::move(spectre);
    if (!enCours_) return;
    const std::lock_guard verrou(verrou_);
    generateur_.DefinitSpectre(spectre_);
}

void LectureSon::DefinitFrequence(double frequence) {
    const std::lock_guard verrou(verrou_);
    generateur_.DefinitFrequence(frequence);
}

double LectureSon::Frequence() const {
    const std::lock_guard verrou(verrou_);
    return generateur_.Frequence();
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
