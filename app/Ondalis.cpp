#include "app/Ondalis.h"

#include "app/Disposition.h"

#include "calcul/Twips.h"
#include "graphe/Ecran.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"
#include "ui/FrmAbout.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"
#include "ui/PlacementFenetre.h"
#include "ui/Garde.h"

#include <QApplication>

using namespace Calcul_Graphe;

namespace {
// Long enough for any window manager to frame a window; a bare server answers at once.
constexpr int DelaiCadreMs = 1000;
} // namespace

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
                [this] { Garde("toucheF5Graphe", [this] { toucheF5Graphe(); }); });
    }
    return *frmGrapheHarmonic_;
}

FrmGrapheSignal& Ondalis::frmGrapheSignal() {
    if (!frmGrapheSignal_) {
        // Its load copies the place of the harmonic surface and its frame: that loads it first.
        frmGrapheSignal_ = new FrmGrapheSignal(frmGrapheHarmonic());
        connect(frmGrapheSignal_, &FrmGrapheSignal::toucheF5, this,
                [this] { Garde("toucheF5Graphe", [this] { toucheF5Graphe(); }); });
    }
    return *frmGrapheSignal_;
}

FrmOndalis& Ondalis::ConstruitPrincipale() {
    // The graph windows come first: the main window draws on their surfaces.
    if (!frmOndalis_) {
        frmOndalis_ = new FrmOndalis(etat_, graphes(), *this);
        principaleChargee_ = false;
    }
    return *frmOndalis_;
}

FrmOndalis& Ondalis::frmOndalis() {
    FrmOndalis& principale = ConstruitPrincipale();
    if (!principaleChargee_) {
        principaleChargee_ = true;
        // The load runs once the window is known, so the help panel it shows can read its width.
        principale.Form_Load();
    }
    return principale;
}

FrmAide& Ondalis::frmAide() {
    if (!frmAide_) frmAide_ = new FrmAide(*this);
    return *frmAide_;
}

FrmAbout& Ondalis::frmAbout() {
    if (!frmAbout_) frmAbout_ = new FrmAbout();
    return *frmAbout_;
}

const QWidget* Ondalis::FenetrePrincipale() const {
    return frmOndalis_.data();
}

Graphes Ondalis::graphes() {
    return Graphes{frmGrapheHarmonic().pctGrapheHarmonic, frmGrapheSignal().pctGrapheSignal};
}

void Ondalis::Main(const QString& lecon) {
    InitialiseConstantes(etat_);
    FrmGrapheSignal& signal = frmGrapheSignal();
    FrmGrapheHarmonic& harmonic = frmGrapheHarmonic();
    // Placed before they are first shown, the places are the program's own: a window manager
    // keeps them. The signal window, framed first, tells the frame's size, so the harmonic
    // window goes straight to the bottom edge.
    DisposeFenetres();
    signal.show();
    // Built while the display maps the signal window; loaded (placed) once its frame is known.
    ConstruitPrincipale();
    AttendCadre(signal, DelaiCadreMs);
    DisposeFenetres();
    harmonic.show();
    // Its load places it and shows the help panel; shown last, it is on top.
    frmOndalis().show();
    frmOndalis().raise();
    frmOndalis().activateWindow();
    if (!lecon.isEmpty()) frmOndalis().OuvreLecon(lecon);
}

void Ondalis::DisposeFenetres() {
    // The rules run again once the window manager tells the real frames.
    const auto disposition = [](QSize cadreHarmonic) {
        const QRect ecran = EcranTwips();
        return CalculeDisposition(ecran.left(), ecran.top(), ecran.height(),
                                  PixelsVersTwips(cadreHarmonic.height()));
    };
    const auto pixels = [](PositionTwips p) {
        return QPoint(TwipsVersPixels(p.gauche), TwipsVersPixels(p.haut));
    };
    PlaceCadre(frmGrapheSignal(), [=](QSize) { return pixels(disposition(QSize()).signal); });
    PlaceCadre(frmGrapheHarmonic(),
               [=](QSize cadre) { return pixels(disposition(cadre).harmonic); });
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
    QCoreApplication::quit();
}
