#include "ui/ZonesTexte.h"

#include "ui/TextesCouleurs.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

void ZoneValeur::paintEvent(QPaintEvent* evenement) {
    if (!isReadOnly()) return QLineEdit::paintEvent(evenement);
    QPainter peintre(this);
    QStyleOptionFrame panneau;
    initStyleOption(&panneau);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panneau, &peintre, this);
    // One pixel of air between the value and the frame.
    const QRect contenu =
        style()->subElementRect(QStyle::SE_LineEditContents, &panneau, this).adjusted(1, 0, -1, 0);
    peintre.setFont(PoliceAjustee(font(), text(), contenu.width()));
    style()->drawItemText(&peintre, contenu,
                          QStyle::visualAlignment(layoutDirection(), alignment()), panneau.palette,
                          isEnabled(), text(), QPalette::Text);
}

void ZoneTexte::mousePressEvent(QMouseEvent* evenement) {
    QLineEdit::mousePressEvent(evenement);
    if (evenement->button() == Qt::LeftButton) emit clic();
}

void ZoneTexte::mouseDoubleClickEvent(QMouseEvent* evenement) {
    QLineEdit::mouseDoubleClickEvent(evenement);
    if (evenement->button() == Qt::LeftButton) emit doubleClic();
}

QValidator::State PremiereLigne::validate(QString& texte, int& position) const {
    const auto fin = std::find_if(texte.cbegin(), texte.cend(),
                                  [](QChar c) { return c == u'\n' || c == u'\r'; });
    const int longueur = static_cast<int>(fin - texte.cbegin());
    texte.truncate(longueur);
    position = std::min(position, longueur);
    return Acceptable;
}
