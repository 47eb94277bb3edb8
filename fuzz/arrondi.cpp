// Half-to-even rounding to d decimals (ArrondiDecimales) against exact integer arithmetic on
// the binary expansion of the double: x = M x 2^E, so x 10^d = M 10^d / 2^-E exactly.
#include "Verifie.h"

#include <cmath>

using namespace Calcul_Graphe;
using namespace Fuzz;

namespace {

std::string Decimal(unsigned __int128 n) {
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
        n /= 10;
    } while (n != 0);
    return s;
}

// x rounded half to even to d decimals, then the nearest double (strtod rounds exactly).
double Reference(double x, int d) {
    if (!std::isfinite(x) || x == 0.0) return x;
    int exposant = 0;
    const double f = std::frexp(std::fabs(x), &exposant); // |x| = f 2^exposant, 0.5 <= f < 1
    const auto m = static_cast<unsigned long long>(std::ldexp(f, 53));
    const int k = 53 - exposant; // |x| = m / 2^k
    if (k <= 0) return x;        // a whole number already
    unsigned __int128 n = m;     // m 10^d < 2^53 10^15 < 2^103
    for (int i = 0; i < d; ++i)
        n *= 10;
    unsigned __int128 q = 0;
    if (k < 128) {
        q = n >> k;
        const unsigned __int128 reste = n - (q << k), moitie = static_cast<unsigned __int128>(1)
                                                               << (k - 1);
        if (reste > moitie || (reste == moitie && (q & 1))) ++q;
    } // else n < 2^(k - 1): below half a unit, q stays 0
    const std::string texte = Decimal(q) + "e-" + std::to_string(d);
    return std::copysign(std::strtod(texte.c_str(), nullptr), x);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const double x = Valeur<double>(donnees, taille);
    const int d = taille > 8 ? donnees[8] % 16 : 2;
    const double r = ArrondiDecimales(x, d);
    const double attendu = Reference(x, d);
    VERIFIE(Bits(r) == Bits(attendu) || (std::isnan(x) && std::isnan(r)),
            Hex(x) + " a " + std::to_string(d) + " decimales",
            "obtenu " + Hex(r) + ", attendu " + Hex(attendu));
    return 0;
}
