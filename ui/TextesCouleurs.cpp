#include "ui/TextesCouleurs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStringList>
#include <QStyle>
#include <QWidget>
#include <QtMath>
#include <algorithm>
#include <cmath>

QFont PoliceAjustee(const QFont& police, const QString& texte, qreal largeur) {
    const qreal naturelle = QFontMetricsF(police).horizontalAdvance(texte);
    if (naturelle <= largeur || largeur <= 0) return police;
    QFont ajustee = police;
    const int etirement = police.stretch() > 0 ? police.stretch() : 100;
    // Proportional first, then down step by step: advances do not scale exactly.
    for (int e = qFloor(etirement * largeur / naturelle); e >= 50; --e) {
        ajustee.setStretch(e);
        if (QFontMetricsF(ajustee).horizontalAdvance(texte) <= largeur) break;
    }
    return ajustee;
}

QColor FaceClaire() {
    return QApplication::style()->standardPalette().color(QPalette::Active, QPalette::Window);
}

QColor FondPour(const QColor& texte) {
    // WCAG relative luminance and contrast ratio.
    const auto luminance = [](const QColor& c) {
        const auto lineaire = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lineaire(c.redF()) + 0.7152 * lineaire(c.greenF()) +
               0.0722 * lineaire(c.blueF());
    };
    const QColor fenetre = QApplication::palette().color(QPalette::Active, QPalette::Window);
    const double a = luminance(texte), b = luminance(fenetre);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05) >= 3 ? fenetre : FaceClaire();
}

void FixeCouleurs(QWidget* w, const QColor& texte, const QColor& fond) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, texte);
    palette.setColor(QPalette::Window, fond);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

namespace Calcul_Graphe {

QString TexteQt(const QString& texte) {
    QString resultat = texte;
    resultat.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    resultat.replace(QChar(u'\r'), QChar(u'\n'));
    return resultat;
}

QString TexteEnveloppe(const QString& texte, const QFont& police, int largeur) {
    const QFontMetrics mesure(police);
    QStringList lignes;
    QString ligne;
    for (const QString& mot : texte.split(QChar(u' '), Qt::SkipEmptyParts)) {
        const QString essai = ligne.isEmpty() ? mot : ligne + QChar(u' ') + mot;
        if (!ligne.isEmpty() && mesure.horizontalAdvance(essai) > largeur) {
            lignes << ligne;
            ligne = mot;
        } else {
            ligne = essai;
        }
    }
    if (!ligne.isEmpty()) lignes << ligne;
    return lignes.join(QChar(u'\n'));
}

} // namespace Calcul_Graphe
