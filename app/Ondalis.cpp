#include "app/Ondalis.h"

#include "app/Disposition.h"

#include "calcul/Twips.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"
#include "ui/FrmAbout.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"
#include "ui/Garde.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

using namespace Calcul_Graphe;

Ondalis::Ondalis() = default;

Ondalis::~Ondalis() {
    // Windows without a parent: delete them here, the most dependent first.
    delete frmAbout_.data();
    delete frmAide_.data();
    delete frmOndalis_.data();
    delete frmGrapheSignal_.data();
    delete frmGrapheHarmonic_.data();
}

FrmGrapheHarmonic& Ondalis::frmGrapheHarmonic() {
    if (!frmGrapheHarmonic_) {
        frmGrapheHarmonic_ = new FrmGrapheHarmonic();
        connect(frmGrapheHarmonic_, &FrmGrapheHarmonic::toucheF5, this,
                [this] { Garde([this] { toucheF5Graphe(); }); });
    }
    return *frmGrapheHarmonic_;
}

FrmGrapheSignal& Ondalis::frmGrapheSignal() {
    if (!frmGrapheSignal_) {
        // Its load copies the place of the harmonic surface and its frame: that loads it first.
        frmGrapheSignal_ = new FrmGrapheSignal(frmGrapheHarmonic());
        connect(frmGrapheSignal_, &FrmGrapheSignal::toucheF5, this,
                [this] { Garde([this] { toucheF5Graphe(); }); });
    }
    return *frmGrapheSignal_;
}

FrmOndalis& Ondalis::frmOndalis() {
    if (!frmOndalis_) {
        frmOndalis_ = new FrmOndalis(*this);
        // The load runs once the window is known, so the help panel it shows can read its width.
        frmOndalis_->Form_Load();
    }
    return *frmOndalis_;
}

FrmAide& Ondalis::frmAide() {
    if (!frmAide_) frmAide_ = new FrmAide(*this);
    return *frmAide_;
}

FrmAbout& Ondalis::frmAbout() {
    if (!frmAbout_) frmAbout_ = new FrmAbout();
    return *frmAbout_;
}

Graphes Ondalis::graphes() {
    return Graphes{frmGrapheHarmonic().pctGrapheHarmonic, frmGrapheSignal().pctGrapheSignal};
}

void Ondalis::Main() {
    InitialiseConstantes(etat_);
    frmGrapheSignal().show();
    frmGrapheHarmonic().show();
    DisposeFenetres();
    // Its load places it and shows the help panel; shown last, it is on top.
    frmOndalis().show();
    frmOndalis().raise();
    frmOndalis().activateWindow();
}

QRect Ondalis::EcranTwips() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QRect zone = ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768);
    return QRect(PixelsVersTwips(zone.x()), PixelsVersTwips(zone.y()),
                 PixelsVersTwips(zone.width()), PixelsVersTwips(zone.height()));
}

void Ondalis::DisposeFenetres() {
    const QRect ecran = EcranTwips();
    FrmGrapheSignal& signal = frmGrapheSignal();
    FrmGrapheHarmonic& harmonic = frmGrapheHarmonic();
    // Heights and positions are those of the frame, title bar included (move() places it).
    const int hauteur = PixelsVersTwips(harmonic.frameGeometry().height());
    const DispositionGraphes d =
        CalculeDisposition(ecran.left(), ecran.top(), ecran.height(), hauteur);
    signal.move(TwipsVersPixels(d.signal.gauche), TwipsVersPixels(d.signal.haut));
    harmonic.move(TwipsVersPixels(d.harmonic.gauche), TwipsVersPixels(d.harmonic.haut));
}

void Ondalis::AfficheGraphes() {
    FrmGrapheHarmonic& harmonic = frmGrapheHarmonic();
    FrmGrapheSignal& signal = frmGrapheSignal();
    harmonic.show();
    harmonic.raise();
    signal.show();
    signal.raise();
}

void Ondalis::toucheF5Graphe() {
    DisposeFenetres();
    if (frmOndalis_) {
        frmOndalis_->raise();
        frmOndalis_->activateWindow();
    }
}

void Ondalis::Quitte() {
    for (QWidget* fenetre : QApplication::topLevelWidgets())
        fenetre->hide();
    emit fin();
    QCoreApplication::quit();
}
