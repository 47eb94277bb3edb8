// Window "Graphe des Harmoniques sélectionnés": the curves of the validated ranks.
#pragma once

#include <QWidget>

class SurfaceGraphe;

class FrmGrapheHarmonic : public QWidget {
    Q_OBJECT
public:
    explicit FrmGrapheHarmonic(QWidget* parent = nullptr);
    SurfaceGraphe* pctGrapheHarmonic = nullptr;

signals:
    void toucheF5();
};
