// The user actions of Actions.h, timed two ways:
//   Gestionnaire/...  the handler alone (computation and drawing into the surfaces' memory);
//                     the screen is brought up to date outside the timing, between runs;
//   JusquAuCadre/...  handler, paint of every window the action changed (both graph surfaces
//                     included) and their copy to the display, that is, until the new frame
//                     is what the user sees.
// The counters give the paints of each graph surface per run.
#include "Actions.h"

#include "app/Ondalis.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"

#include <QEvent>
#include <QObject>
#include <benchmark/benchmark.h>

namespace {

class ComptePeintures : public QObject {
public:
    explicit ComptePeintures(QObject* cible) { cible->installEventFilter(this); }
    long n = 0;

protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        n += evenement->type() == QEvent::Paint;
        return false;
    }
};

void Mesure(benchmark::State& state, const ActionUtilisateur& action, bool jusquAuCadre) {
    Ondalis app;
    DemarreEtAttend(app);
    if (action.prepare) action.prepare(app);
    AfficheTout();
    ComptePeintures harmonic(app.frmGrapheHarmonic().pctGrapheHarmonic);
    ComptePeintures signal(app.frmGrapheSignal().pctGrapheSignal);
    int fois = 0;
    for (auto _ : state) {
        if (action.avantChaque || !jusquAuCadre) {
            state.PauseTiming();
            if (action.avantChaque) action.avantChaque(app);
            AfficheTout();
            state.ResumeTiming();
        }
        action.agit(app, fois++);
        if (jusquAuCadre) AfficheTout();
    }
    state.counters["peintures_harmonic"] =
        benchmark::Counter(static_cast<double>(harmonic.n), benchmark::Counter::kAvgIterations);
    state.counters["peintures_signal"] =
        benchmark::Counter(static_cast<double>(signal.n), benchmark::Counter::kAvgIterations);
}

const int enregistrees = [] {
    for (const ActionUtilisateur& action : ActionsUtilisateur()) {
        for (bool cadre : {false, true})
            benchmark::RegisterBenchmark(
                ((cadre ? "JusquAuCadre/" : "Gestionnaire/") + action.nom).c_str(),
                [&action, cadre](benchmark::State& s) { Mesure(s, action, cadre); })
                ->Unit(benchmark::kMillisecond);
    }
    return 0;
}();

} // namespace
