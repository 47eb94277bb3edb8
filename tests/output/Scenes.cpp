#include "Scenes.h"

#include "graphe/TraceGraphes.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

using namespace Calcul_Graphe;

void PrepareRangs(Ondalis& app, std::initializer_list<int> rangs) {
    Etat& etat = app.etat();
    InitialiseConstantes(etat);
    for (int i = 0; i < NombrePoints; ++i) {
        const double t = 2.0 * M_PI * i / (NombrePoints - 1);
        etat.Harmonique[i][1] = static_cast<float>(80.0 * std::sin(t));
        etat.Harmonique[i][2] = static_cast<float>(40.0 * std::sin(2.0 * t));
    }
    const Graphes graphes = app.graphes();
    for (int n : rangs) {
        etat.Validation[n] = 1;
        TraceHarmonique(etat, graphes, static_cast<std::int16_t>(n));
    }
}

namespace {

QString Sortie(const QString& programme, const QStringList& arguments, bool* ok) {
    QProcess processus;
    processus.start(programme, arguments);
    *ok = processus.waitForFinished(30000) && processus.exitStatus() == QProcess::NormalExit &&
          processus.exitCode() == 0;
    return QString::fromLocal8Bit(processus.readAllStandardOutput());
}

} // namespace

QImage RasterisePdf(const QString& pdf, int dpi) {
    QTemporaryDir dossier;
    const QString racine = dossier.filePath(QStringLiteral("page"));
    bool ok = false;
    Sortie(QStringLiteral("pdftoppm"),
           {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-aa"), QStringLiteral("no"),
            QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-png"),
            QStringLiteral("-singlefile"), pdf, racine},
           &ok);
    if (!ok) return QImage();
    return QImage(racine + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

int NombrePages(const QString& pdf) {
    bool ok = false;
    const QString texte = Sortie(QStringLiteral("pdfinfo"), {pdf}, &ok);
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(texte);
    return ok && m.hasMatch() ? m.captured(1).toInt() : -1;
}

int NombreImagesPdf(const QString& pdf) {
    bool ok = false;
    const QString texte = Sortie(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}, &ok);
    if (!ok) return -1;
    // Two header lines, then one line per image.
    return static_cast<int>(texte.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) - 2;
}

bool CouleurPres(const QImage& image, int x, int y, QColor couleur, int rayon, int ecart) {
    for (int dy = -rayon; dy <= rayon; ++dy)
        for (int dx = -rayon; dx <= rayon; ++dx) {
            const QPoint p(x + dx, y + dy);
            if (!image.rect().contains(p)) continue;
            const QColor c = image.pixelColor(p);
            if (std::abs(c.red() - couleur.red()) <= ecart &&
                std::abs(c.green() - couleur.green()) <= ecart &&
                std::abs(c.blue() - couleur.blue()) <= ecart)
                return true;
        }
    return false;
}
