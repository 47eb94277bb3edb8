// The module ondalis-audio: the audio output on Qt Multimedia, its samples pulled on a thread
// of its own, so that a busy window never starves it.
#include "output/SortieAudio.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QThread>
#include <memory>

namespace {

// The endless stream the output pulls from.
class Flux : public QIODevice {
public:
    explicit Flux(SortieAudio::Source source) : source_(std::move(source)) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return (1 << 20) + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* donnees, qint64 taille) override {
        const auto n = static_cast<std::size_t>(taille / 2);
        source_(reinterpret_cast<std::int16_t*>(donnees), n);
        return static_cast<qint64>(n * 2);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    SortieAudio::Source source_;
};

class SortieQt : public SortieAudio {
public:
    SortieQt() { contexte_.moveToThread(&fil_); }
    ~SortieQt() override {
        if (fil_.isRunning()) {
            // Made on the output's thread, destroyed there.
            QMetaObject::invokeMethod(
                &contexte_,
                [this] {
                    if (sortie_) sortie_->stop();
                    sortie_.reset();
                    flux_.reset();
                },
                Qt::BlockingQueuedConnection);
            fil_.quit();
            fil_.wait();
        }
    }

    bool Ouvre(Source source, int echantillonnage, int latenceMs,
               std::function<void()> perdue) override {
        const QAudioDevice peripherique = QMediaDevices::defaultAudioOutput();
        if (peripherique.isNull()) return false;
        QAudioFormat format;
        format.setSampleRate(echantillonnage);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!peripherique.isFormatSupported(format)) return false;

        fil_.start();
        bool ouverte = false;
        QMetaObject::invokeMethod(
            &contexte_,
            [&] {
                flux_ = std::make_unique<Flux>(std::move(source));
                sortie_ = std::make_unique<QAudioSink>(peripherique, format);
                sortie_->setBufferSize(echantillonnage * 2 * latenceMs / 1000);
                sortie_->start(flux_.get());
                ouverte =
                    sortie_->error() == QAudio::NoError && sortie_->state() != QAudio::StoppedState;
                QObject::connect(sortie_.get(), &QAudioSink::stateChanged, &contexte_,
                                 [this, perdue](QAudio::State etat) {
                                     if (etat == QAudio::StoppedState &&
                                         sortie_->error() != QAudio::NoError)
                                         QMetaObject::invokeMethod(&retour_, perdue);
                                 });
            },
            Qt::BlockingQueuedConnection);
        return ouverte;
    }

private:
    QThread fil_;
    QObject contexte_; // lives on fil_: the output and its stream are made there
    QObject retour_;   // lives on the caller's thread: `perdue` runs there
    std::unique_ptr<Flux> flux_;
    std::unique_ptr<QAudioSink> sortie_;
};

} // namespace

extern "C" Q_DECL_EXPORT SortieAudio* OndalisSortieAudio() {
    return new SortieQt;
}
