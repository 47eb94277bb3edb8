// The start of the process, before and while Qt opens the display: standard descriptors that
// nothing else can take, the platform the session calls for, and one French sentence when the
// display or the platform cannot be opened (instead of Qt's English lines and abort).
#pragma once

#include <QStringList>
#include <vector>

class QCommandLineParser;

namespace Calcul_Graphe {

// Opens /dev/null on any of descriptors 0 to 2 that is closed: a launcher that closed standard
// error would otherwise see the X connection take descriptor 2, and every later message written
// to standard error would corrupt the X stream. Runs before anything opens.
void ProtegeDescripteurs();

// The arguments for QApplication (null-terminated, argc = size() - 1). In a session that offers
// X, with no platform chosen (no -platform, no QT_QPA_PLATFORM), X comes first: the layout of the
// four windows needs the placement X gives clients and Wayland does not. Wayland follows, for
// an X server that does not answer; with Wayland alone, Wayland.
std::vector<char*> ArgumentsAvecPlateforme(int argc, char** argv);

// Holds Qt's messages back while QApplication opens the display. If it cannot, the process ends
// with exit code 1 and a French sentence: an unknown option first (ARGUMENTS are the original
// command line), then the display that is missing or silent, or the platform plugin that could
// not be loaded with Qt's reason.
void SurveilleOuverture(const QStringList& arguments);
// The display is open: Qt's held messages go to standard error, the usual handler is back.
void TermineOuverture();

// Writes the refusal of the first unknown option, or, when POSITIONNELS, of a positional
// argument after the first (the one lesson opened at start), and says so; false when every
// argument is accepted.
bool RefuseArgumentInconnu(const QCommandLineParser& analyseur, bool positionnels);

} // namespace Calcul_Graphe
