// Placeholder constructors until each window is built (replaced file by file).
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"
#include "ui/FrmAbout.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"
#include "calcul/Etat.h"

FrmGrapheHarmonic::FrmGrapheHarmonic(QWidget* parent) : QWidget(parent) {}
FrmGrapheSignal::FrmGrapheSignal(FrmGrapheHarmonic&, QWidget* parent) : QWidget(parent) {}
FrmOndalis::FrmOndalis(Ondalis& application, QWidget* parent) : QMainWindow(parent), app_(application) {}
FrmAide::FrmAide(Ondalis& application, QWidget* parent) : QWidget(parent), app_(application) {}
SurfaceGraphe::SurfaceGraphe(QWidget* parent) : QFrame(parent) {}
void SurfaceGraphe::paintEvent(QPaintEvent*) {}
void SurfaceGraphe::keyPressEvent(QKeyEvent*) {}
FrmOndalis::~FrmOndalis() = default;
void FrmOndalis::closeEvent(QCloseEvent*) {}
bool FrmOndalis::eventFilter(QObject*, QEvent*) { return false; }
void FrmAide::DefinitInfo(const QString&) {}
void FrmOndalis::Form_Load() {}
void FrmOndalis::mnuAffichageAide_Click() {}
void FrmOndalis::mnuGrapheSignal_Click() {}
void FrmOndalis::mnuQuitter_Click() {}
