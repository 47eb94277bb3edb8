// The style of the drop-down list of signals.
#pragma once

#include <QProxyStyle>

// The drop-down list of the design is narrower than its items: a narrower arrow, and the
// chosen item drawn whole in the field beside it, condensed if it still does not fit.
class StyleListe : public QProxyStyle {
    Q_OBJECT
public:
    StyleListe(); // on a fresh instance of the application's style

    QRect subControlRect(ComplexControl controle, const QStyleOptionComplex* option,
                         SubControl partie, const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* peintre,
                     const QWidget* widget) const override;
};
