// The lesson reader on any text: it never fails otherwise than by a reason; what it accepts
// holds amplitudes the sliders can show, and is written back and read again to the same lesson.
#include "output/Lecon.h"

#include <cstdio>
#include <cstdlib>

using namespace Calcul_Graphe;

// A broken property aborts with the input, so that libFuzzer keeps it.
#define VERIFIE(condition, entree, detail)                                                         \
    if (!(condition)) {                                                                            \
        std::fprintf(stderr, "%s (%s) sur « %s »\n", #condition, std::string(detail).c_str(),      \
                     (entree).c_str());                                                            \
        std::abort();                                                                              \
    }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QByteArray texte(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const std::string entree = texte.toStdString();
    const LectureLecon lu = LitLecon(texte);
    VERIFIE(lu.lecon.has_value() == lu.erreur.isEmpty(), entree, "raison et lecon a la fois");
    if (!lu.lecon) return 0;
    for (const int a : lu.lecon->amplitudes)
        VERIFIE(a >= -AmplitudeLeconMax && a <= AmplitudeLeconMax, entree, std::to_string(a));
    const LectureLecon relu = LitLecon(TexteLecon(*lu.lecon));
    VERIFIE(relu.lecon == lu.lecon, entree, "relecture: " + relu.erreur.toStdString());
    return 0;
}
