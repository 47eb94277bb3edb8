// The vertical slider of the adjustment area.
#pragma once

#include <QScrollBar>

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
