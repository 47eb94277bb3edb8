#include "ui/StyleCase.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

StyleCase::StyleCase() : QProxyStyle(QApplication::style()->name()) {}

void StyleCase::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* peintre, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, peintre, widget);
    if (element != PE_IndicatorCheckBox) return;
    peintre->save();
    peintre->setRenderHint(QPainter::Antialiasing, false);
    // Cosmetic: one device pixel at any scale, on the square's own edge.
    peintre->setPen(QPen(option->palette.color(QPalette::WindowText), 0));
    peintre->setBrush(Qt::NoBrush);
    peintre->drawRect(option->rect.adjusted(0, 0, -1, -1));
    peintre->restore();
}

QStyle* StyleCase::Commun() {
    static QPointer<StyleCase> style;
    if (!style) {
        style = new StyleCase();
        style->setParent(qApp);
    }
    return style;
}
