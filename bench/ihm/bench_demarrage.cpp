// Cold start to the four windows on screen: target at most 300 ms and 60 MB resident.
#include "Actions.h"
#include "app/Ondalis.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Start routine, then events until the four windows are exposed.
void BM_Demarrage(benchmark::State& etat) {
    for (auto _ : etat) {
        auto application = std::make_unique<Ondalis>();
        Ondalis& app = *application;
        app.Main();
        AttendFenetres(app);
        // Destroying the windows is not part of the start.
        etat.PauseTiming();
        application.reset();
        etat.ResumeTiming();
    }
}
BENCHMARK(BM_Demarrage)->Unit(benchmark::kMillisecond)->Iterations(10);

// Resident memory of a fresh process once its windows are up (offscreen platform).
long ResidentKo(qint64 pid) {
    QFile statut(QStringLiteral("/proc/%1/status").arg(pid));
    if (!statut.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& ligne : statut.readAll().split('\n'))
        if (ligne.startsWith("VmRSS:")) return ligne.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void BM_MemoireProcessus(benchmark::State& etat) {
    long ko = -1;
    for (auto _ : etat) {
        QProcess programme;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        programme.setProcessEnvironment(env);
        programme.start(QStringLiteral(ONDALIS_BINAIRE), {});
        programme.waitForStarted();
        QElapsedTimer attente;
        attente.start();
        while (attente.elapsed() < 1500)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        ko = ResidentKo(programme.processId());
        programme.kill();
        programme.waitForFinished();
    }
    etat.counters["RSS_Mo"] = static_cast<double>(ko) / 1024.0;
}
BENCHMARK(BM_MemoireProcessus)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
