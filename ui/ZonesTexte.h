// The value boxes: read-only boxes that show their whole value, and the amplitude texts.
#pragma once

#include <QLineEdit>

// A read-only box that shows its whole value, centred. The design's boxes are barely wider
// than their widest values, and QLineEdit, which reserves room for the font's most
// overhanging glyphs, would scroll such a value and put its minus sign on the frame. The value
// is drawn here instead, condensed if the box is still too narrow for it. Editable: as usual.
class ZoneValeur : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent* evenement) override;
};

// A text box that reports clicks and double clicks (the amplitude texts).
class ZoneTexte : public ZoneValeur {
    Q_OBJECT
public:
    using ZoneValeur::ZoneValeur;

signals:
    void clic();
    void doubleClic();

protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseDoubleClickEvent(QMouseEvent* evenement) override;
};
