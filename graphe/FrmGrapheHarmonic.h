// Window "Graphe des Harmoniques sélectionnés": the curves of the validated ranks.
#pragma once

#include <QWidget>

class SurfaceGraphe;

class FrmGrapheHarmonic : public QWidget {
    Q_OBJECT
public:
    explicit FrmGrapheHarmonic(QWidget* parent = nullptr);
    SurfaceGraphe* pctGrapheHarmonic = nullptr;
    // Never shown: the source of the frame picture that both graph surfaces show.
    SurfaceGraphe* pctRepere = nullptr;

signals:
    void toucheF5();

private:
    void Form_Load();
    void pctGrapheHarmonic_KeyDown(int touche);
};
