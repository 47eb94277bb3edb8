#include "ui/CurseurVertical.h"

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
