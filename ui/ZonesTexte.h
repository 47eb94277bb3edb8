// The value boxes: read-only boxes that show their whole value, the amplitude texts, and what
// a single-line box keeps of a pasted text.
#pragma once

#include <QLineEdit>
#include <QValidator>

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

// A single-line box keeps the first line of what reaches it: "50" copied with its line break
// from a column of figures is pasted as 50, not as a text the duty cycle cannot read.
class PremiereLigne : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override;
};
