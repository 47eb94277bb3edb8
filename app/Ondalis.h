// The application object: owns the shared state and the five windows, each created once, on
// first use, like the single global instances the program is designed around. A test builds a
// fresh one and destroys it, so no state leaks from one test to the next.
//
// The pipeline of an event: Qt signal -> handler of a window (named after its control and
// event) -> routines of Calcul_Graphe (graphe/, ui/) -> pure kernels (calcul/) -> results
// written into the state and the controls, and drawn on the surfaces.
#pragma once

#include "calcul/Etat.h"
#include "graphe/Graphes.h"
#include "ui/ServicesApplication.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

class FrmGrapheHarmonic;
class FrmGrapheSignal;
class FrmOndalis;
class FrmAide;
class FrmAbout;

class Ondalis : public QObject, public ServicesApplication {
    Q_OBJECT
public:
    Ondalis();
    ~Ondalis() override;
    Ondalis(const Ondalis&) = delete;
    Ondalis& operator=(const Ondalis&) = delete;

    Calcul_Graphe::Etat& etat() { return etat_; }

    // Each accessor creates (and loads) its window on first use. The help panel and the About
    // box are discarded when closed; the next use creates them again, hidden.
    FrmGrapheHarmonic& frmGrapheHarmonic();
    FrmGrapheSignal& frmGrapheSignal();
    FrmOndalis& frmOndalis();
    FrmAide& frmAide() override;
    FrmAbout& frmAbout() override;
    const QWidget* FenetrePrincipale() const override;

    bool frmAideCharge() const { return !frmAide_.isNull(); }
    bool frmAboutCharge() const { return !frmAbout_.isNull(); }

    // The two graph surfaces, for the drawing routines (loads the graph windows if needed).
    Calcul_Graphe::Graphes graphes();

    // The start routine: constants, graph windows, their placement, then the main window, and
    // the lesson named on the command line, if any.
    void Main(const QString& lecon = {});
    // Graph windows to the left edge of the available screen area: signal at the top,
    // harmonic at the bottom. Neither resizes nor shows them.
    void DisposeFenetres();
    // Shows both graph windows (a closed one comes back) and raises harmonic, then signal.
    void AfficheGraphes() override;
    // Ends the run at once: every window disappears and the event loop stops.
    void Quitte() override;

private:
    // F5 in a graph window: back to their places, then the main window to the front.
    void toucheF5Graphe();
    // The main window, built if need be but not loaded.
    FrmOndalis& ConstruitPrincipale();

    Calcul_Graphe::Etat etat_;
    QPointer<FrmGrapheHarmonic> frmGrapheHarmonic_;
    QPointer<FrmGrapheSignal> frmGrapheSignal_;
    QPointer<FrmOndalis> frmOndalis_;
    bool principaleChargee_ = false;
    QPointer<FrmAide> frmAide_;
    QPointer<FrmAbout> frmAbout_;
};
