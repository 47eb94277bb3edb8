// Start-up timing, linked into the benchmark builds only (the program's own main and the bare
// window's): the run ends as soon as every window shown at start is on the screen and painted,
// after writing on the standard output the wall-clock time of that moment (microseconds since
// 1970) and the resident memory (kB). bench/demarrage.sh compares that time with the moment it
// launched the process. Installed once the start has run, before the main loop.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QObject>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>

namespace {

class MesureDemarrage : public QObject {
protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        // The exposed window paints while this event is handled: conclude right after it.
        if (evenement->type() == QEvent::Expose && qobject_cast<QWindow*>(objet) && !fini_)
            QTimer::singleShot(0, this, &MesureDemarrage::Conclut);
        return false;
    }

private:
    void Conclut() {
        if (fini_) return;
        for (const QWindow* fenetre : QGuiApplication::topLevelWindows())
            if (fenetre->isVisible() && !fenetre->isExposed()) return;
        fini_ = true;
        const auto us = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
        long ko = -1;
        QFile statut(QStringLiteral("/proc/self/status"));
        if (statut.open(QIODevice::ReadOnly))
            for (const QByteArray& ligne : statut.readAll().split('\n'))
                if (ligne.startsWith("VmRSS:")) ko = ligne.mid(6).trimmed().split(' ').first().toLong();
        std::printf("%lld %ld\n", static_cast<long long>(us), ko);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }
    bool fini_ = false;
};

} // namespace

void InstalleMesureDemarrage() {
    QCoreApplication::instance()->installEventFilter(new MesureDemarrage);
}
