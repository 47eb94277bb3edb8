#include "ui/Adaptateurs.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QStringList>

// The shown value is the negated internal one: QScrollBar puts its minimum at the top, and only
// a plain range makes the top arrow, PageUp and the groove above the thumb raise the value.
CurseurVertical::CurseurVertical(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setTracking(false);
    setSingleStep(1);
    setPageStep(10);
    connect(this, &QAbstractSlider::valueChanged, this, &CurseurVertical::change);
    connect(this, &QAbstractSlider::sliderMoved, this, &CurseurVertical::defilement);
}

void CurseurVertical::DefinitBornes(int haut, int bas) {
    setRange(-haut, -bas);
}

int CurseurVertical::Valeur() const {
    return -value();
}

void CurseurVertical::DefinitValeur(int valeur) {
    setValue(-valeur);
}

int CurseurVertical::ValeurDefilement() const {
    return -sliderPosition();
}

void ZoneTexte::mousePressEvent(QMouseEvent* evenement) {
    QLineEdit::mousePressEvent(evenement);
    if (evenement->button() == Qt::LeftButton) emit clic();
}

void ZoneTexte::mouseDoubleClickEvent(QMouseEvent* evenement) {
    QLineEdit::mouseDoubleClickEvent(evenement);
    if (evenement->button() == Qt::LeftButton) emit doubleClic();
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
