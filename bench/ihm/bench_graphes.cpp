// Full redraw of both graphs with every rank validated, through the real windows.
#include "OnzeRangs.h"
#include "calcul/Etat.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"
#include "graphe/TraceGraphes.h"

#include <QCoreApplication>
#include <QImage>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace Calcul_Graphe;

namespace {

bool Expose(QWidget& fenetre) {
    return fenetre.windowHandle() && fenetre.windowHandle()->isExposed();
}

struct Montage {
    Etat etat;
    FrmGrapheHarmonic harmonic;
    FrmGrapheSignal signal{harmonic};
    Graphes graphes{harmonic.pctGrapheHarmonic, signal.pctGrapheSignal};

    Montage() {
        InitialiseConstantes(etat);
        harmonic.show();
        signal.show();
        // Exposed windows, so that repaint() really paints.
        for (int essai = 0; essai < 100 && !(Expose(harmonic) && Expose(signal)); ++essai)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        RemplitOnzeRangs(etat);
    }
};

// The routine alone: clears, 11 curves, 11 signal recomputations and redraws.
void RetraceOnzeRangs(benchmark::State& state) {
    Montage m;
    for (auto _ : state) {
        RetraceHarmoniques(m.etat, m.graphes);
        benchmark::DoNotOptimize(m.etat.SignalTotal.data());
    }
}
BENCHMARK(RetraceOnzeRangs)->Unit(benchmark::kMicrosecond);

// The routine and the repaint of both surfaces at scale 1, as the screen would show them.
void RetraceOnzeRangsEtAffiche(benchmark::State& state) {
    Montage m;
    for (auto _ : state) {
        RetraceHarmoniques(m.etat, m.graphes);
        m.harmonic.pctGrapheHarmonic->repaint();
        m.signal.pctGrapheSignal->repaint();
    }
}
BENCHMARK(RetraceOnzeRangsEtAffiche)->Unit(benchmark::kMicrosecond);

// The clipboard image of a surface after the redraw.
void ImageDuGraphe(benchmark::State& state) {
    Montage m;
    RetraceHarmoniques(m.etat, m.graphes);
    for (auto _ : state) {
        QImage image = m.graphes.harmonic->Image();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(ImageDuGraphe)->Unit(benchmark::kMicrosecond);

} // namespace
