#include "ui/StyleListe.h"

#include "ui/TextesCouleurs.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace {
// Room for the arrow glyph and a little air on either side of it.
constexpr int LargeurFleche = 10;
} // namespace

StyleListe::StyleListe() : QProxyStyle(QApplication::style()->name()) {}

QRect StyleListe::subControlRect(ComplexControl controle, const QStyleOptionComplex* option,
                                 SubControl partie, const QWidget* widget) const {
    const QRect rect = QProxyStyle::subControlRect(controle, option, partie, widget);
    if (controle != CC_ComboBox || (partie != SC_ComboBoxArrow && partie != SC_ComboBoxEditField))
        return rect;
    // Worked left to right, then mirrored back for a right-to-left layout.
    const auto miroir = [option](const QRect& r) {
        return visualRect(option->direction, option->rect, r);
    };
    QRect fleche = miroir(QProxyStyle::subControlRect(controle, option, SC_ComboBoxArrow, widget));
    if (fleche.width() > LargeurFleche) fleche.setLeft(fleche.right() - LargeurFleche + 1);
    if (partie == SC_ComboBoxArrow) return miroir(fleche);
    // The field runs from just inside the frame to the arrow.
    QRect champ = miroir(rect);
    champ.setLeft(std::min(champ.left(), option->rect.left() + 2));
    champ.setRight(std::max(champ.right(), fleche.left() - 1));
    return miroir(champ);
}

void StyleListe::drawControl(ControlElement element, const QStyleOption* option, QPainter* peintre,
                             const QWidget* widget) const {
    const auto* liste = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (element != CE_ComboBoxLabel || !liste || liste->editable)
        return QProxyStyle::drawControl(element, option, peintre, widget);
    // The label is drawn one pixel inside the field on either side.
    const QRect champ = subControlRect(CC_ComboBox, liste, SC_ComboBoxEditField, widget);
    peintre->save();
    peintre->setFont(PoliceAjustee(peintre->font(), liste->currentText, champ.width() - 2));
    QProxyStyle::drawControl(element, option, peintre, widget);
    peintre->restore();
}

