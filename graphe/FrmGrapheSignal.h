// Window "Signal reconstitué": the rebuilt signal.
#pragma once

#include <QWidget>

class FrmGrapheHarmonic;
class SurfaceGraphe;

class FrmGrapheSignal : public QWidget {
    Q_OBJECT
public:
    // Its load takes the place, size and frame picture of the harmonic surface.
    explicit FrmGrapheSignal(FrmGrapheHarmonic& harmonic, QWidget* parent = nullptr);
    SurfaceGraphe* pctGrapheSignal = nullptr;

signals:
    void toucheF5();

private:
    void Form_Load(FrmGrapheHarmonic& harmonic);
    void pctGrapheSignal_KeyDown(int touche);
};
