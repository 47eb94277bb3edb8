#include "calcul/Nombres.h"

#include <cmath>
#include <limits>

namespace Calcul_Graphe {

std::int16_t VersEntier16(double x) {
    const double r = std::nearbyint(x); // default rounding mode: halves to even
    if (!(r >= -32768.0 && r <= 32767.0))
        throw ErreurExecution(ErreurExecution::Nature::Depassement, "Dépassement de capacité");
    return static_cast<std::int16_t>(r);
}

float VersSimple(double x) {
    if (!std::isfinite(x) || std::fabs(x) > static_cast<double>(std::numeric_limits<float>::max()))
        throw ErreurExecution(ErreurExecution::Nature::Depassement, "Dépassement de capacité");
    return static_cast<float>(x);
}

} // namespace Calcul_Graphe
