// Output: one printed page composed and written to a PDF file, and one clipboard copy, with
// every rank validated and drawn.
#include "app/Ondalis.h"
#include "OnzeRangs.h"
#include "graphe/SurfaceGraphe.h"
#include "graphe/TraceGraphes.h"
#include "output/Sortie.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace Calcul_Graphe;

namespace {

void PrepareOnzeRangs(Ondalis& app) {
    Etat& etat = app.etat();
    InitialiseConstantes(etat);
    RemplitOnzeRangs(etat);
    RetraceHarmoniques(etat, app.graphes());
}

// Page arithmetic, both graphs rendered at 1200 dpi, the PDF written, the curves redrawn.
void ImprimePagePdf(benchmark::State& state) {
    Ondalis app;
    PrepareOnzeRangs(app);
    QTemporaryDir dossier;
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(dossier.filePath(QStringLiteral("page.pdf")));
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    for (auto _ : state) {
        if (!ImprimeGraphes(app.etat(), app.graphes(), imprimante)) state.SkipWithError("impression impossible");
    }
}
BENCHMARK(ImprimePagePdf)->Unit(benchmark::kMillisecond);

// The surface's image at its pixel size handed to the clipboard.
void CopiePressePapiers(benchmark::State& state) {
    Ondalis app;
    PrepareOnzeRangs(app);
    const SurfaceGraphe& surface = *app.graphes().harmonic;
    for (auto _ : state)
        CopieGraphe(surface);
}
BENCHMARK(CopiePressePapiers)->Unit(benchmark::kMicrosecond);

} // namespace
