// Small adapters where a Qt widget behaves differently from what the program relies on.
#pragma once

#include <QLineEdit>
#include <QScrollBar>
#include <QString>

class QFont;

// A vertical slider whose top end is the greater value (+100 at the top, -100 at the bottom
// after the load). "change" is emitted once per completed change (arrow, trough click, key,
// end of a drag, or a value set from code, only when it really changes), synchronously;
// "defilement" while the thumb is dragged.
class CurseurVertical : public QScrollBar {
    Q_OBJECT
public:
    explicit CurseurVertical(QWidget* parent = nullptr);

    // The range as the design gives it: the value at the top end, the value at the bottom end.
    void DefinitBornes(int haut, int bas);
    int Valeur() const;             // the shown value
    void DefinitValeur(int valeur); // emits change before returning, on a real change
    int ValeurDefilement() const;   // the value under the thumb while it is dragged

signals:
    void change();
    void defilement();
};

// A text box that reports clicks and double clicks (the amplitude texts).
class ZoneTexte : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void clic();
    void doubleClic();

protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseDoubleClickEvent(QMouseEvent* evenement) override;
};

namespace Calcul_Graphe {

// The program's texts break lines with the single character 13; Qt's labels and dialogs need
// '\n'. Every text that reaches a label or a dialog passes through here.
QString TexteQt(const QString& texte);

// Check boxes and push buttons draw their caption on one line: this breaks it at blanks so
// that each line fits in `largeur` pixels, for the captions the design wraps.
QString TexteEnveloppe(const QString& texte, const QFont& police, int largeur);

} // namespace Calcul_Graphe
