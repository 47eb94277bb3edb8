// Writes what the graphs look like after a fixed series of user actions: for each step, the
// two graph windows and the main window as the screen holds them, each surface as rendered
// afresh, its clipboard image, and at some steps a printed page (PDF). Two builds run on the same series give files
// that must be the same byte for byte when a change is meant to leave every picture alone.
//   empreintes_graphes DOSSIER
#include "../ihm/Actions.h"

#include "app/Ondalis.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"
#include "output/Sortie.h"
#include "ui/CurseurVertical.h"
#include "ui/ZonesTexte.h"
#include "ui/FrmOndalis.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

using Etape = std::pair<const char*, std::function<void(Ondalis&)>>;

std::vector<Etape> Etapes() {
    auto f = [](Ondalis& app) -> FrmOndalis& { return app.frmOndalis(); };
    return {
        {"depart", [](Ondalis&) {}},
        {"curseur3", [f](Ondalis& a) { f(a).scrHarmonic[3]->DefinitValeur(70); }},
        {"coche3", [f](Ondalis& a) { f(a).chkHarmonic[3]->setChecked(true); }},
        {"coche0", [f](Ondalis& a) {
             f(a).scrHarmonic[0]->DefinitValeur(-20);
             f(a).chkHarmonic[0]->setChecked(true);
         }},
        {"curseur3bis", [f](Ondalis& a) { f(a).scrHarmonic[3]->DefinitValeur(-35); }},
        {"coche1_7_10", [f](Ondalis& a) {
             for (int n : {1, 7, 10}) {
                 f(a).scrHarmonic[n]->DefinitValeur(11 * n - 40);
                 f(a).chkHarmonic[n]->setChecked(true);
             }
         }},
        {"decoche3", [f](Ondalis& a) { f(a).chkHarmonic[3]->setChecked(false); }},
        {"recoche3", [f](Ondalis& a) { f(a).chkHarmonic[3]->setChecked(true); }},
        {"sansAuto", [f](Ondalis& a) {
             f(a).chkNoAuto->setChecked(true);
             f(a).chkHarmonic[5]->setChecked(true);
             f(a).scrHarmonic[5]->DefinitValeur(90);
         }},
        {"calculer", [f](Ondalis& a) { f(a).cmdCalculer->click(); }},
        {"RAZ", [f](Ondalis& a) { f(a).cmdRAZ->click(); }},
        {"modeSignal", [f](Ondalis& a) { f(a).optChoix[1]->click(); }},
        {"rectangle", [f](Ondalis& a) { ChoisitSignal(f(a), 0); }},
        {"rectangleOnze", [f](Ondalis& a) {
             for (QCheckBox* c : f(a).chkHarmonic)
                 c->setChecked(true);
         }},
        {"rectangle33", [f](Ondalis& a) { ValideRapportCyclique(f(a), QStringLiteral("0,33")); }},
        {"rectangleDecoche4", [f](Ondalis& a) { f(a).chkHarmonic[4]->setChecked(false); }},
        {"triangle", [f](Ondalis& a) { ChoisitSignal(f(a), 1); }},
        {"triangleRangs", [f](Ondalis& a) {
             for (int n : {0, 1, 2, 3, 9})
                 f(a).chkHarmonic[n]->setChecked(true);
         }},
        {"triangleSup", [f](Ondalis& a) { f(a).chkHarmonicSup->click(); }},
        {"scie", [f](Ondalis& a) { ChoisitSignal(f(a), 2); }},
        {"scie2000", [f](Ondalis& a) { DefinitRangMax(f(a), 2000); }},
        {"scie0", [f](Ondalis& a) { ValideRapportCyclique(f(a), QStringLiteral("0")); }},
        {"scieOnze", [f](Ondalis& a) {
             for (QCheckBox* c : f(a).chkHarmonic)
                 c->setChecked(true);
         }},
        {"scie100", [f](Ondalis& a) { ValideRapportCyclique(f(a), QStringLiteral("100")); }},
        {"scieSansSup", [f](Ondalis& a) { f(a).chkHarmonicSup->click(); }},
        {"scie35", [f](Ondalis& a) { ValideRapportCyclique(f(a), QStringLiteral("35")); }},
        {"scieRang11", [f](Ondalis& a) { DefinitRangMax(f(a), 11); }},
        {"scieDecoche10", [f](Ondalis& a) { f(a).chkHarmonic[10]->setChecked(false); }},
        {"modeManuel", [f](Ondalis& a) { f(a).optChoix[0]->click(); }},
        {"manuelCoche2", [f](Ondalis& a) {
             f(a).scrHarmonic[2]->DefinitValeur(100);
             f(a).chkHarmonic[2]->setChecked(true);
         }},
    };
}

bool Ecrit(const QImage& image, const QString& chemin) {
    return image.save(chemin, "PNG");
}

void Imprime(Ondalis& app, const QString& chemin) {
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(chemin);
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    Calcul_Graphe::ImprimeGraphes(app.etat(), app.graphes(), imprimante);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage : empreintes_graphes DOSSIER\n");
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dossier.path());
    Ondalis app;
    DemarreEtAttend(app);
    int numero = 0;
    const QStringList imprimees = {"coche1_7_10", "rectangle33", "scie100", "scieDecoche10"};
    for (const auto& [nom, agit] : Etapes()) {
        agit(app);
        AfficheTout();
        const QString base = dossier.filePath(QStringLiteral("%1-%2").arg(numero++, 2, 10, QChar('0')).arg(nom));
        for (auto [suffixe, fenetre, surface] :
             {std::tuple<const char*, QWidget*, SurfaceGraphe*>{"harmonic", &app.frmGrapheHarmonic(),
                                                               app.frmGrapheHarmonic().pctGrapheHarmonic},
              std::tuple<const char*, QWidget*, SurfaceGraphe*>{"signal", &app.frmGrapheSignal(),
                                                               app.frmGrapheSignal().pctGrapheSignal}}) {
            const QString s = QString::fromLatin1(suffixe);
            // The screen as the incremental paints left it, then a fresh rendering, then the copy.
            Ecrit(fenetre->screen()->grabWindow(fenetre->winId()).toImage(), base + "-ecran-" + s + ".png");
            Ecrit(surface->grab().toImage(), base + "-rendu-" + s + ".png");
            Ecrit(surface->Image(surface->devicePixelRatioF()), base + "-copie-" + s + ".png");
        }
        FrmOndalis& principale = app.frmOndalis();
        Ecrit(principale.screen()->grabWindow(principale.winId()).toImage(), base + "-ecran-principale.png");
        if (imprimees.contains(QString::fromLatin1(nom))) {
            Imprime(app, base + "-page.pdf");
            AfficheTout();
        }
    }
    std::printf("%d étapes\n", numero);
    return 0;
}
