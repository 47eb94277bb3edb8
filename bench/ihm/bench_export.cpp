// Handouts: both graphs exported to a file in each format, with every rank drawn, and the
// coefficient table of a signal with every higher rank up to 2000 put on the clipboard.
#include "OnzeRangs.h"
#include "app/Ondalis.h"
#include "calcul/Signaux.h"
#include "calcul/TableauCoefficients.h"
#include "graphe/TraceGraphes.h"
#include "output/Export.h"
#include "output/Sortie.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Calcul_Graphe;

namespace {

// Page laid out, painted into the format, the file written and renamed into place.
void ExporteFichier(benchmark::State& state) {
    Ondalis app;
    InitialiseConstantes(app.etat());
    RemplitOnzeRangs(app.etat());
    RetraceHarmoniques(app.etat(), app.graphes());
    QTemporaryDir dossier;
    const auto format = static_cast<FormatExport>(state.range(0));
    const QString fichier = dossier.filePath(QStringLiteral("page.") + Extension(format));
    for (auto _ : state)
        if (!ExporteGraphes(app.graphes(), fichier, format).isEmpty())
            state.SkipWithError("exportation impossible");
}
BENCHMARK(ExporteFichier)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The rectangle at 33 %, ranks 0 to 2000: computed, written, handed to the clipboard.
void CopieTableauRang2000(benchmark::State& state) {
    Etat etat;
    InitialiseConstantes(etat);
    etat.ModeChoixSignal = etat.RangsSupActifs = Vrai;
    etat.RangMax = 2000;
    etat.RapportCyclique = 0.33f;
    for (auto _ : state)
        CopieTableau(TableauSignal(etat, 0, 0, ','));
}
BENCHMARK(CopieTableauRang2000)->Unit(benchmark::kMillisecond);

} // namespace
