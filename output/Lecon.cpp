#include "output/Lecon.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringList>
#include <cmath>

namespace Calcul_Graphe {

namespace {

const QString Format = QStringLiteral("ondalis-lecon");
constexpr int Version = 1;
const QString ChampFormat = QStringLiteral("format");
const QString ChampVersion = QStringLiteral("version");
const QString ChampAuto = QStringLiteral("calculAutomatiqueDesactive");
const QString ChampAmplitude = QStringLiteral("amplitude");
const QString ChampValidation = QStringLiteral("validation");

// The ranks under the names the window gives them.
QString NomRang(int rang) {
    if (rang == 0) return QStringLiteral("valeurMoyenne");
    if (rang == 1) return QStringLiteral("fondamental");
    return QStringLiteral("harmonique%1").arg(rang);
}

QString Guillemets(const QString& nom) {
    return QStringLiteral("« ") + nom + QStringLiteral(" »");
}

LectureLecon Refus(const QString& raison) {
    return {std::nullopt, raison};
}

// A JSON number that is a whole number, or nothing.
std::optional<double> Entier(const QJsonValue& valeur) {
    if (!valeur.isDouble()) return std::nullopt;
    const double x = valeur.toDouble();
    if (!std::isfinite(x) || std::trunc(x) != x) return std::nullopt;
    return x;
}

// The first field of `objet` that `attendus` lacks, if any.
std::optional<QString> ChampInconnu(const QJsonObject& objet, const QStringList& attendus) {
    for (auto it = objet.begin(); it != objet.end(); ++it)
        if (!attendus.contains(it.key())) return it.key();
    return std::nullopt;
}

// Why the parser stopped, with the line where it did; text cut short is told apart.
QString RaisonJson(const QByteArray& texte, const QJsonParseError& erreur) {
    const qsizetype position = std::min<qsizetype>(erreur.offset, texte.size());
    if (texte.mid(position).trimmed().isEmpty())
        return QStringLiteral("Le fichier s'arrête avant la fin de la leçon : il est tronqué.");
    const qsizetype ligne = texte.left(position).count('\n') + 1;
    return QStringLiteral("Ce n'est pas du texte JSON valide (ligne %1).").arg(ligne);
}

} // namespace

QByteArray TexteLecon(const Lecon& lecon) {
    const auto booleen = [](bool b) {
        return b ? QStringLiteral("true") : QStringLiteral("false");
    };
    QString texte = QStringLiteral("{\n    \"%1\": \"%2\",\n    \"%3\": %4,\n")
                        .arg(ChampFormat, Format, ChampVersion)
                        .arg(Version);
    for (int rang = 0; rang < NombreRangs; ++rang)
        texte += QStringLiteral("    \"%1\": { \"%2\": %3, \"%4\": %5 },\n")
                     .arg(NomRang(rang), ChampAmplitude)
                     .arg(lecon.amplitudes[rang])
                     .arg(ChampValidation, booleen(lecon.validations[rang]));
    texte += QStringLiteral("    \"%1\": %2\n}\n").arg(ChampAuto, booleen(lecon.calculAutoInhibe));
    return texte.toUtf8();
}

LectureLecon LitLecon(const QByteArray& brut) {
    // A byte-order mark, as some editors write, is no part of the text.
    const QByteArray texte = brut.startsWith("\xEF\xBB\xBF") ? brut.mid(3) : brut;
    if (texte.trimmed().isEmpty()) return Refus(QStringLiteral("Le fichier est vide."));
    QJsonParseError erreur;
    const QJsonDocument document = QJsonDocument::fromJson(texte, &erreur);
    if (erreur.error != QJsonParseError::NoError) return Refus(RaisonJson(texte, erreur));
    const QJsonObject objet = document.object();
    const QJsonValue format = objet.value(ChampFormat);
    if (!document.isObject() || format.toString() != Format)
        return Refus(QStringLiteral("Ce n'est pas une leçon d'Ondalis (format %1 attendu).")
                         .arg(Guillemets(Format)));

    const std::optional<double> version = Entier(objet.value(ChampVersion));
    if (!version || *version < 1)
        return Refus(QStringLiteral("Le champ %1 doit être un nombre entier positif.")
                         .arg(Guillemets(ChampVersion)));
    if (*version > Version)
        return Refus(QStringLiteral("La leçon vient d'une version plus récente d'Ondalis (format "
                                    "%1 ; celle-ci lit le format %2).")
                         .arg(QString::number(*version, 'f', 0))
                         .arg(Version));

    QStringList attendus = {ChampFormat, ChampVersion, ChampAuto};
    Lecon lecon;
    for (int rang = 0; rang < NombreRangs; ++rang) {
        const QString nom = NomRang(rang);
        attendus << nom;
        const QJsonValue valeur = objet.value(nom);
        if (valeur.isUndefined())
            return Refus(QStringLiteral("Le champ %1 manque.").arg(Guillemets(nom)));
        if (!valeur.isObject())
            return Refus(QStringLiteral("Le champ %1 doit être un objet { \"%2\": …, \"%3\": … }.")
                             .arg(Guillemets(nom), ChampAmplitude, ChampValidation));
        const QJsonObject champs = valeur.toObject();
        for (const QString& champ : {ChampAmplitude, ChampValidation})
            if (!champs.contains(champ))
                return Refus(
                    QStringLiteral("Le champ %1 manque.").arg(Guillemets(nom + '.' + champ)));
        if (const auto inconnu = ChampInconnu(champs, {ChampAmplitude, ChampValidation}))
            return Refus(
                QStringLiteral("Le champ %1 est inconnu.").arg(Guillemets(nom + '.' + *inconnu)));
        const QString nomAmplitude = Guillemets(nom + '.' + ChampAmplitude);
        const std::optional<double> amplitude = Entier(champs.value(ChampAmplitude));
        if (!amplitude)
            return Refus(
                QStringLiteral("Le champ %1 doit être un nombre entier.").arg(nomAmplitude));
        if (std::abs(*amplitude) > AmplitudeLeconMax)
            return Refus(
                QStringLiteral("Le champ %1 vaut %2 : il doit être compris entre -%3 et %3.")
                    .arg(nomAmplitude, QString::number(*amplitude, 'g', 17))
                    .arg(AmplitudeLeconMax));
        const QJsonValue validation = champs.value(ChampValidation);
        if (!validation.isBool())
            return Refus(QStringLiteral("Le champ %1 doit valoir true ou false.")
                             .arg(Guillemets(nom + '.' + ChampValidation)));
        lecon.amplitudes[rang] = static_cast<int>(*amplitude);
        lecon.validations[rang] = validation.toBool();
    }
    const QJsonValue automatique = objet.value(ChampAuto);
    if (automatique.isUndefined())
        return Refus(QStringLiteral("Le champ %1 manque.").arg(Guillemets(ChampAuto)));
    if (!automatique.isBool())
        return Refus(
            QStringLiteral("Le champ %1 doit valoir true ou false.").arg(Guillemets(ChampAuto)));
    lecon.calculAutoInhibe = automatique.toBool();
    if (const auto inconnu = ChampInconnu(objet, attendus))
        return Refus(QStringLiteral("Le champ %1 est inconnu.").arg(Guillemets(*inconnu)));
    return {lecon, {}};
}

LectureLecon LitFichierLecon(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.exists()) return Refus(QStringLiteral("Le fichier n'existe pas."));
    if (info.isDir()) return Refus(QStringLiteral("C'est un dossier, pas un fichier."));
    // A device or a pipe could be endless or never answer.
    if (!info.isFile()) return Refus(QStringLiteral("Ce n'est pas un fichier ordinaire."));
    if (!info.isReadable())
        return Refus(QStringLiteral("La lecture du fichier n'est pas permise."));
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return Refus(QStringLiteral("Le fichier ne peut pas être lu."));
    const QByteArray texte = fichier.read(TailleLeconMax + 1);
    if (fichier.error() != QFileDevice::NoError)
        return Refus(QStringLiteral("Le fichier ne peut pas être lu."));
    if (texte.size() > TailleLeconMax)
        return Refus(
            QStringLiteral("Le fichier est bien trop gros pour une leçon (plus de %1 Kio).")
                .arg(TailleLeconMax / 1024));
    return LitLecon(texte);
}

QString EcritFichierLecon(const QString& chemin, const Lecon& lecon) {
    const QFileInfo info(chemin);
    if (info.isDir()) return QStringLiteral("C'est un dossier, pas un fichier.");
    if (info.exists() && !info.isWritable())
        return QStringLiteral("L'écriture de ce fichier n'est pas permise.");
    if (QFileInfo(info.absolutePath()).isDir() && !QFileInfo(info.absolutePath()).isWritable())
        return QStringLiteral("L'écriture n'est pas permise dans ce dossier.");
    // Unbuffered: a write cut short (a full disk) is seen here. Buffered, the short write comes
    // at commit, which then puts half a file in place of the earlier one and reports success.
    QSaveFile fichier(chemin);
    const QByteArray texte = TexteLecon(lecon);
    const bool ecrit = fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                       fichier.write(texte) == texte.size() && fichier.commit();
    if (ecrit) return {};
    switch (fichier.error()) {
    case QFileDevice::OpenError:
        return QStringLiteral("Le fichier ne peut pas être créé à cet endroit.");
    case QFileDevice::RenameError:
        return QStringLiteral("Le fichier précédent ne peut pas être remplacé.");
    default:
        return QStringLiteral("L'écriture a échoué (disque plein ?).");
    }
}

} // namespace Calcul_Graphe
