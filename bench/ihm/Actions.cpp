#include "Actions.h"

#include "app/Ondalis.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "ui/CurseurVertical.h"
#include "ui/ZonesTexte.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace {

bool Exposee(QWidget& w) {
    return w.windowHandle() && w.windowHandle()->isExposed();
}

void ValideTout(FrmOndalis& f) {
    for (QCheckBox* boite : f.chkHarmonic)
        boite->setChecked(true);
}


// Predefined mode, sawtooth at 0 %, last rank 2000, higher ranks ticked, every rank validated.
void PrepareDentsDeScie2000(Ondalis& app, bool rangsSup) {
    FrmOndalis& f = app.frmOndalis();
    f.optChoix[1]->click();
    ChoisitSignal(f, 2);
    DefinitRangMax(f, 2000);
    ValideRapportCyclique(f, QStringLiteral("0"));
    if (rangsSup) f.chkHarmonicSup->click();
    ValideTout(f);
}

// Predefined mode, rectangle, every rank validated.
void PrepareRectangleOnzeRangs(FrmOndalis& f) {
    f.optChoix[1]->click();
    ChoisitSignal(f, 0);
    ValideTout(f);
}

void ReglageOnzeRangs(FrmOndalis& f) {
    for (std::size_t n = 0; n < f.chkHarmonic.size(); ++n) {
        f.scrHarmonic[n]->DefinitValeur(static_cast<int>(9 * n) - 45);
        f.chkHarmonic[n]->setChecked(true);
    }
}

QString CheminLecon(int n) {
    return QDir::temp().filePath(QStringLiteral("ondalis-bench-%1.ondalis").arg(n));
}

const QString Alterne(int fois, const char* a, const char* b) {
    return QString::fromLatin1(fois % 2 ? b : a);
}

} // namespace

void ChoisitSignal(FrmOndalis& f, int index) {
    f.cboChoixSignal->setCurrentIndex(index);
    emit f.cboChoixSignal->activated(index);
}

void DefinitRangMax(FrmOndalis& f, int rang) {
    RepondBoite([rang](QWidget* boite) {
        if (auto* saisie = qobject_cast<QInputDialog*>(boite)) {
            saisie->setTextValue(QString::number(rang));
            saisie->accept();
        }
    });
    f.mnuRang->trigger();
}

void ValideRapportCyclique(FrmOndalis& f, const QString& texte) {
    f.txtRapportCyclique->setText(texte);
    f.cmdRapportCyclique->click();
}


void RepondBoite(std::function<void(QWidget*)> reponse) {
    // Polls until the box is up: it becomes the active modal widget once its loop runs.
    auto* minuterie = new QTimer;
    minuterie->setInterval(1);
    QObject::connect(minuterie, &QTimer::timeout, [minuterie, reponse] {
        if (QWidget* boite = QApplication::activeModalWidget()) {
            minuterie->stop();
            minuterie->deleteLater();
            reponse(boite);
        }
    });
    minuterie->start();
}

void AttendFenetres(Ondalis& app) {
    QElapsedTimer limite;
    limite.start();
    while (!(Exposee(app.frmOndalis()) && Exposee(app.frmAide()) &&
             Exposee(app.frmGrapheHarmonic()) && Exposee(app.frmGrapheSignal())) &&
           limite.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void DemarreEtAttend(Ondalis& app) {
    app.Main();
    AttendFenetres(app);
    AfficheTout();
}

void AfficheTout() {
    QApplication::processEvents();
    if (QGuiApplication::platformName() == u"xcb") QGuiApplication::sync();
}

const std::vector<ActionUtilisateur>& ActionsUtilisateur() {
    static const std::vector<ActionUtilisateur> actions = {
        {"ChoixSignal",
         [](Ondalis& app) { app.frmOndalis().optChoix[1]->click(); },
         {},
         [](Ondalis& app, int fois) { ChoisitSignal(app.frmOndalis(), fois % 3); }},
        {"RapportCyclique_Rectangle_OnzeRangs",
         [](Ondalis& app) {
             FrmOndalis& f = app.frmOndalis();
             PrepareRectangleOnzeRangs(f);
         },
         {},
         [](Ondalis& app, int fois) {
             ValideRapportCyclique(app.frmOndalis(), Alterne(fois, "45", "0,33"));
         }},
        {"RapportCyclique_DentsDeScie_0_100_Rang2000_RangsSup_OnzeRangs",
         [](Ondalis& app) { PrepareDentsDeScie2000(app, true); },
         {},
         [](Ondalis& app, int fois) {
             ValideRapportCyclique(app.frmOndalis(), Alterne(fois, "100", "0"));
         }},
        {"RangsSup_DentsDeScie_0_Rang2000_OnzeRangs",
         [](Ondalis& app) { PrepareDentsDeScie2000(app, false); },
         {},
         [](Ondalis& app, int) { app.frmOndalis().chkHarmonicSup->click(); }},
        {"RAZ_OnzeRangs",
         {},
         [](Ondalis& app) { ReglageOnzeRangs(app.frmOndalis()); },
         [](Ondalis& app, int) { app.frmOndalis().cmdRAZ->click(); }},
        // The same, each slider look painted afresh: none of the pictures kept from earlier
        // paints (sliders, value boxes' frames) is left when the reset comes.
        {"RAZ_OnzeRangs_ImagesNeuves",
         {},
         [](Ondalis& app) {
             ReglageOnzeRangs(app.frmOndalis());
             AfficheTout();
             QPixmapCache::clear();
         },
         [](Ondalis& app, int) { app.frmOndalis().cmdRAZ->click(); }},
        {"Curseur_OnzeRangs",
         [](Ondalis& app) { ReglageOnzeRangs(app.frmOndalis()); },
         {},
         [](Ondalis& app, int fois) { app.frmOndalis().scrHarmonic[3]->DefinitValeur(fois % 100); }},
        // Two lessons of eleven ranks opened in turn: file, checks, controls and both graphs.
        {"OuvreLecon_OnzeRangs",
         [](Ondalis& app) {
             FrmOndalis& f = app.frmOndalis();
             ReglageOnzeRangs(f);
             f.EnregistreLecon(CheminLecon(0));
             f.scrHarmonic[3]->DefinitValeur(90);
             f.EnregistreLecon(CheminLecon(1));
         },
         {},
         [](Ondalis& app, int fois) { app.frmOndalis().OuvreLecon(CheminLecon(fois % 2)); }},
        {"ImprimePdf_OnzeRangs_DialogueRepondu",
         [](Ondalis& app) {
             FrmOndalis& f = app.frmOndalis();
             PrepareRectangleOnzeRangs(f);
             // Without a printer the dialog proposes a PDF file in the home folder.
             static const QString dossier = QDir::tempPath() + QStringLiteral("/ondalis-bench");
             QDir().mkpath(dossier);
             qputenv("HOME", dossier.toLocal8Bit());
         },
         {},
         [](Ondalis& app, int) {
             RepondBoite([](QWidget* boite) {
                 if (auto* dialogue = qobject_cast<QDialog*>(boite)) dialogue->accept();
             });
             app.frmOndalis().mnuImprimer->trigger();
         }},
    };
    return actions;
}
