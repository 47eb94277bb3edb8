// Check boxes whose square is outlined in the colour of their caption. The style's own outline
// is a shade of the window colour: faint under a light palette (1.6:1) and all but gone under a
// dark one (1.2:1). The caption's colour reads on the background behind it, so the square does.
#pragma once

#include <QProxyStyle>

class StyleCase : public QProxyStyle {
    Q_OBJECT
public:
    StyleCase(); // on a fresh instance of the application's style

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* peintre,
                       const QWidget* widget) const override;

    // One for every check box, for the application's lifetime.
    static QStyle* Commun();
};
