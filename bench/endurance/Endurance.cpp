// Memory over a long run of random user events through the real widgets (offscreen platform):
// slider moves, ticks, signal choices, duty cycles, "RAZ", the higher ranks, the last rank, the
// mode switch, "Calculer et Tracer", clipboard copies, printing (to a PDF file, through the
// dialog), closing a graph window, the help panel or the About box and bringing it back; the
// screen is brought up to date after each event. Prints the resident memory after 1,000, 10,000,
// 50,000 and 100,000 events (or the counts given), so that a growth that does not level off shows.
//   endurance_memoire [graine] [evenements...]
#include "../ihm/Actions.h"

#include "app/Ondalis.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "output/Sortie.h"
#include "ui/CurseurVertical.h"
#include "ui/FrmAbout.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"
#include "ui/ZonesTexte.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

long ResidentKo() {
    QFile statut(QStringLiteral("/proc/self/status"));
    if (!statut.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& ligne : statut.readAll().split('\n'))
        if (ligne.startsWith("VmRSS:")) return ligne.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void UnEvenement(Ondalis& app, std::mt19937& alea) {
    FrmOndalis& f = app.frmOndalis();
    auto tire = [&alea](int n) { return static_cast<int>(alea() % static_cast<unsigned>(n)); };
    const bool choix = app.etat().ModeChoixSignal != 0;
    switch (tire(choix ? 14 : 12)) {
    case 0:
    case 1:
    case 2:
        if (f.scrHarmonic[0]->isEnabled() || tire(2)) {
            const int n = tire(11);
            if (f.scrHarmonic[n]->isEnabled()) f.scrHarmonic[n]->DefinitValeur(tire(201) - 100);
        }
        break;
    case 3:
    case 4:
    case 5: {
        const int n = tire(11);
        if (f.chkHarmonic[n]->isEnabled()) f.chkHarmonic[n]->setChecked(!f.chkHarmonic[n]->isChecked());
        break;
    }
    case 6:
        if (tire(20) == 0) f.optChoix[choix ? 0 : 1]->click();
        break;
    case 7:
        if (tire(10) == 0) (tire(2) ? f.mnuCopierHarmonic : f.mnuCopierSignal)->trigger();
        break;
    case 8:
        if (!choix) f.cmdRAZ->click();
        break;
    case 9:
        if (!choix && tire(4) == 0) f.chkNoAuto->setChecked(!f.chkNoAuto->isChecked());
        if (!choix && f.cmdCalculer->isVisible()) f.cmdCalculer->click();
        break;
    case 10:
        if (tire(20) == 0) {
            RepondBoite([](QWidget* boite) {
                if (auto* dialogue = qobject_cast<QDialog*>(boite)) dialogue->accept();
            });
            f.mnuImprimer->trigger();
        }
        break;
    case 11:
        // A window closed with its close box, then asked for again.
        switch (tire(4)) {
        case 0:
            app.frmGrapheSignal().close();
            f.mnuGrapheSignal->trigger();
            break;
        case 1:
            app.frmGrapheHarmonic().close();
            f.mnuGrapheSignal->trigger();
            break;
        case 2:
            app.frmAide().close();
            f.mnuAffichageAide->trigger();
            break;
        default:
            f.mnuApropos->trigger();
            app.frmAbout().close();
        }
        break;
    case 12: {
        ChoisitSignal(f, tire(3));
        break;
    }
    case 13:
        if (tire(3) == 0) {
            f.chkHarmonicSup->click();
        } else if (tire(40) == 0) {
            DefinitRangMax(f, tire(3) == 0 ? 2000 : 11 + tire(190));
        } else {
            const char* rapports[] = {"0", "100", "50", "33", "0,25", "12,5", "99"};
            ValideRapportCyclique(f, QString::fromUtf8(rapports[tire(7)]));
        }
        break;
    }
    AfficheTout();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    const unsigned graine = argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)) : 1;
    std::vector<long> paliers;
    for (int i = 2; i < argc; ++i)
        paliers.push_back(std::strtol(argv[i], nullptr, 10));
    if (paliers.empty()) paliers = {1000, 10000, 50000, 100000};

    std::mt19937 alea(graine);
    // The print dialog proposes a PDF file in the home folder.
    const QString dossier = QDir::tempPath() + QStringLiteral("/ondalis-endurance");
    QDir().mkpath(dossier);
    qputenv("HOME", dossier.toLocal8Bit());
    // A message box (a duty cycle the triangle refuses) is answered as the user would.
    QTimer boites;
    boites.setInterval(1);
    QObject::connect(&boites, &QTimer::timeout, [] {
        if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            boite->accept();
    });
    boites.start();
    Ondalis app;
    DemarreEtAttend(app);
    std::printf("départ : %.1f Mo\n", ResidentKo() / 1024.0);
    long fait = 0;
    for (long palier : paliers) {
        for (; fait < palier; ++fait)
            UnEvenement(app, alea);
        std::printf("%ld événements : %.1f Mo\n", fait, ResidentKo() / 1024.0);
        std::fflush(stdout);
    }
    return 0;
}
