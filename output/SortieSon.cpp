#include "output/SortieSon.h"

#include "output/SortieAudio.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace Calcul_Graphe {

namespace {

// What the output holds ahead. A change is heard after it at most; below 250 ms, a machine
// running ten busy processes on two cores starved the output a few times a minute.
constexpr int LatenceMs = 250;

} // namespace

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
    {
        const std::lock_guard verrou(verrou_);
        generateur_.DefinitSpectre(spectre_);
    }
    if (!sortie_) {
        // Beside the program in the build, in its library folder once installed.
        const QString ici = QCoreApplication::applicationDirPath();
        for (const QString& dossier : {ici + "/" ONDALIS_MODULES, ici, ici + "/.."}) {
            module_.setFileName(dossier + "/ondalis-audio");
            if (module_.load()) break;
        }
        const auto fabrique =
            reinterpret_cast<FabriqueSortieAudio>(module_.resolve(NomFabriqueSortieAudio));
        if (!fabrique) return false;
        sortie_.reset(fabrique());
        const bool ouverte = sortie_->Ouvre(
            [this](std::int16_t* echantillons, std::size_t nombre) {
                const std::lock_guard verrou(verrou_);
                generateur_.Produit({echantillons, nombre});
            },
            FrequenceEchantillonnage, LatenceMs,
            [this] {
                const bool jouait = enCours_;
                enCours_ = false;
                // Not from inside the output's own notice.
                QTimer::singleShot(0, this, [this] { LibereSortie(); });
                if (jouait) emit interrompue();
            });
        if (!ouverte) {
            LibereSortie();
            return false;
        }
    }
    enCours_ = true;
    return true;
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

void LectureSon::LibereSortie() {
    sortie_.reset();
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
