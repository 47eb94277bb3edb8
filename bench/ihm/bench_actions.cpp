// User actions of the main window, end to end through the real widgets, at scale 1: handler,
// computation, drawing on the surfaces. One application per benchmark, prepared outside the
// timed loop.
#include "app/Ondalis.h"
#include "ui/Adaptateurs.h"
#include "ui/FrmOndalis.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

// Predefined mode, rectangle at 50 %, every rank validated.
void PrepareSignal(Ondalis& app) {
    FrmOndalis& f = app.frmOndalis();
    f.optChoix[1]->click();
    f.cboChoixSignal->setCurrentIndex(0);
    emit f.cboChoixSignal->activated(0);
    for (QCheckBox* boite : f.chkHarmonic)
        boite->setChecked(true);
}

void BM_ChoixSignal(benchmark::State& state) {
    Ondalis app;
    app.Main();
    FrmOndalis& f = app.frmOndalis();
    f.optChoix[1]->click();
    int index = 0;
    for (auto _ : state) {
        f.cboChoixSignal->setCurrentIndex(index);
        emit f.cboChoixSignal->activated(index);
        index = (index + 1) % 3;
    }
}
BENCHMARK(BM_ChoixSignal)->Unit(benchmark::kMillisecond);

void BM_RapportCycliqueOnzeRangs(benchmark::State& state) {
    Ondalis app;
    app.Main();
    PrepareSignal(app);
    FrmOndalis& f = app.frmOndalis();
    bool alterne = false;
    for (auto _ : state) {
        f.txtRapportCyclique->setText(alterne ? QStringLiteral("0,33") : QStringLiteral("45"));
        f.cmdRapportCyclique->click();
        alterne = !alterne;
    }
}
BENCHMARK(BM_RapportCycliqueOnzeRangs)->Unit(benchmark::kMillisecond);

void BM_CurseurOnzeRangs(benchmark::State& state) {
    Ondalis app;
    app.Main();
    FrmOndalis& f = app.frmOndalis();
    for (std::size_t n = 0; n < f.chkHarmonic.size(); ++n) {
        f.scrHarmonic[n]->DefinitValeur(static_cast<int>(5 * n));
        f.chkHarmonic[n]->setChecked(true);
    }
    int valeur = 0;
    for (auto _ : state) {
        f.scrHarmonic[3]->DefinitValeur(valeur);
        valeur = (valeur + 7) % 100;
    }
}
BENCHMARK(BM_CurseurOnzeRangs)->Unit(benchmark::kMillisecond);

void BM_RangsSuperieurs2000(benchmark::State& state) {
    Ondalis app;
    app.Main();
    PrepareSignal(app);
    FrmOndalis& f = app.frmOndalis();
    // The last rank through its input box, answered from a timer.
    QTimer::singleShot(0, [] {
        if (auto* saisie = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            saisie->setTextValue(QStringLiteral("2000"));
            saisie->accept();
        }
    });
    f.mnuRang->trigger();
    if (app.etat().RangMax != 2000) state.SkipWithError("rang 2000 non saisi");
    for (auto _ : state)
        f.chkHarmonicSup->click();
}
BENCHMARK(BM_RangsSuperieurs2000)->Unit(benchmark::kMillisecond);

void BM_RAZ(benchmark::State& state) {
    Ondalis app;
    app.Main();
    FrmOndalis& f = app.frmOndalis();
    for (auto _ : state) {
        state.PauseTiming();
        for (std::size_t n = 0; n < f.chkHarmonic.size(); ++n) {
            f.scrHarmonic[n]->DefinitValeur(static_cast<int>(9 * n) - 45);
            f.chkHarmonic[n]->setChecked(true);
        }
        state.ResumeTiming();
        f.cmdRAZ->click();
    }
}
BENCHMARK(BM_RAZ)->Unit(benchmark::kMillisecond);

} // namespace
