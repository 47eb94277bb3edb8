// Placeholder constructors until each window is built (replaced file by file).
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"
#include "ui/FrmAbout.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"
#include "calcul/Etat.h"

