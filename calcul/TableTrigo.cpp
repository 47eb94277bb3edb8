#include "calcul/TableTrigo.h"

#include <bit>
#include <cmath>

namespace Calcul_Graphe {

// The bound that keeps 2 x p x k x i exact times Pi, for any 16-bit abscissa.
static_assert(std::int64_t{2} * TableTrigo::RangMaxTabule * 32768 < (std::int64_t{1} << 29));

bool TableTrigo::Tabulable(const Etat& etat, int rangMax) {
    if (rangMax > RangMaxTabule) return false;
    for (int i = 0; i < NombrePoints; ++i)
        if (etat.Abscisse[i] != etat.Abscisse[1] * i) return false;
    return true;
}

const double* TableTrigo::Sinus(const Etat& etat, int mMax) {
    return Etend(sinus_, [](double x) { return std::sin(x); }, etat, mMax);
}

const double* TableTrigo::Cosinus(const Etat& etat, int mMax) {
    return Etend(cosinus_, [](double x) { return std::cos(x); }, etat, mMax);
}

const double* TableTrigo::Etend(std::vector<double>& table, double (*f)(double),
                                const Etat& etat, int mMax) {
    const Cle cle{std::bit_cast<std::uint32_t>(etat.Pi), etat.Abscisse[1], etat.LargeurPeriode};
    if (cle_ != cle) {
        cle_ = cle;
        sinus_.clear();
        cosinus_.clear();
    }
    if (table.capacity() == 0) // reserved once: growing never copies nor moves the entries
        table.reserve(std::size_t{RangMaxTabule} * (NombrePoints - 1) + 1);
    const double pi = etat.Pi;
    const double largeur = static_cast<float>(etat.LargeurPeriode);
    // The same operations as 2k x Pi x Abscisse(i) / LargeurPeriode, on the same exact product.
    const std::int64_t deuxPas = std::int64_t{2} * etat.Abscisse[1];
    for (std::int64_t m = static_cast<std::int64_t>(table.size()); m <= mMax; ++m)
        table.push_back(f(static_cast<double>(deuxPas * m) * pi / largeur));
    return table.data();
}

TableTrigo& TableDuProcessus() {
    static TableTrigo table;
    return table;
}

} // namespace Calcul_Graphe
