// The user actions the window benchmarks time, each on a fresh application with its four
// windows on screen: what to set up once, what to redo (untimed) before each run, and the
// action itself. One table serves the handler-only timings, the timings to the frame and the
// picture checks, so that all three speak of the same actions.
#pragma once

#include <functional>
#include <string>
#include <vector>

class FrmOndalis;
class Ondalis;
class QString;

struct ActionUtilisateur {
    std::string nom;
    std::function<void(Ondalis&)> prepare;     // once, untimed
    std::function<void(Ondalis&)> avantChaque; // before each run, untimed (may be empty)
    std::function<void(Ondalis&, int)> agit;   // the action; the argument counts the runs
};

const std::vector<ActionUtilisateur>& ActionsUtilisateur();

// Events until the four windows are exposed (at most 5 s).
void AttendFenetres(Ondalis& app);
// Start routine, then events until the four windows are exposed and painted.
void DemarreEtAttend(Ondalis& app);

// Delivers everything the last action asked of the screen: the pending paints of every window
// and their copy to the display; on a real display, one round trip so that the server holds
// the new frame.
void AfficheTout();

// The user's gestures the benchmarks and the picture program share: a signal chosen in the
// list, the last rank answered in its input box, a duty cycle typed and confirmed with "Ok".
void ChoisitSignal(FrmOndalis& f, int index);
void DefinitRangMax(FrmOndalis& f, int rang);
void ValideRapportCyclique(FrmOndalis& f, const QString& texte);

// Answers the next modal box (print dialog, input box) from the event loop.
void RepondBoite(std::function<void(class QWidget*)> reponse);
